#pragma once
#include <QLineEdit>

class QToolButton;

// Date and time input: a masked one-line edit with a small "*" button inside its right edge that
// opens the picker. Typ 0 is a plain edit without the button; 1–5 see MkEditMask.
// F4 or Alt+Down opens the picker from the keyboard.
class TMKEDITDC : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int Typ READ Typ WRITE setTyp)
public:
    explicit TMKEDITDC(QWidget *parent = nullptr);
    explicit TMKEDITDC(int typ, QWidget *parent = nullptr);

    int Typ() const { return m_typ; }
    void setTyp(int typ);

    bool IsValid() const;
    // No date and no time entered (the empty mask).
    bool IsEmptyValue() const;
    // Date plus time as a day count since 30 December 1899.
    double Value() const;

    QToolButton *button() const { return m_button; }
    // The "*" button: the picker for a valid text, otherwise "Zadaný údaj není platný !".
    void ButtonClick();

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void placeButton();
    int fontBasedHeight() const;

    int m_typ = 0;
    bool m_picking = false;
    QToolButton *m_button = nullptr;
};
