#pragma once
#include <QDialog>

class QComboBox;
class QListWidget;
class TMKComboBox;
class TMKListBox;

// Small modal dialogs that ask for one value. Enter in the control (or a double-click on a line
// of the plain list) closes them with OK; the caller reads the chosen id or text.

// A free combo box: the user picks an item or types any text.
class TFormComboBox1 : public QDialog {
    Q_OBJECT
public:
    explicit TFormComboBox1(QWidget *parent = nullptr);
    QComboBox *comboBox() const { return m_combo; }
    QString Text() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *m_combo;
};

// A TMKComboBox filled from a statement (first column id, second text).
class TFormComboBox2 : public QDialog {
    Q_OBJECT
public:
    explicit TFormComboBox2(QWidget *parent = nullptr);
    bool Fill(const QString &sql);
    TMKComboBox *comboBox() const { return m_combo; }
    int ChosenId() const;
    QString ChosenText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    TMKComboBox *m_combo;
};

// A TMKListBox filled from a statement (first column id, second text).
class TFormMKListBox : public QDialog {
    Q_OBJECT
public:
    explicit TFormMKListBox(QWidget *parent = nullptr);
    bool Fill(const QString &sql);
    TMKListBox *listBox() const { return m_list; }
    int ChosenId() const;
    QString ChosenIds() const;
    QString ChosenText() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    TMKListBox *m_list;
};

// A plain list box; a double-click on a line closes with OK.
class TForm_ListBox : public QDialog {
    Q_OBJECT
public:
    explicit TForm_ListBox(QWidget *parent = nullptr);
    QListWidget *listBox() const { return m_list; }
    // −1 when no line is selected.
    int ChosenIndex() const;
    QString ChosenText() const;

private:
    QListWidget *m_list;
};
