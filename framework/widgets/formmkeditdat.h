#pragma once
#include "framework/inputrules.h"

#include <QDialog>

class QCalendarWidget;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;

// The picker of the date and time input: a calendar, day, month and year edits, buttons for
// every hour, minute and second step, and a preview of the result. Modal, created for one use.
class TFORMMKEDITDAT : public QDialog {
    Q_OBJECT
public:
    TFORMMKEDITDAT(int typ, const QString &text, QWidget *parent = nullptr);

    // The result text after "&OK"; empty after "&Storno", which leaves the input as it was.
    const QString &Vysledek() const { return m_vysledek; }
    const MkEditDatModel &model() const { return m_model; }

    // Shows the picker for the text and returns true with the new text after "&OK".
    static bool Pick(QWidget *parent, int typ, QString &text);

    QCalendarWidget *calendar() const { return m_calendar; }
    QSpinBox *denEdit() const { return m_den; }
    QSpinBox *mesicEdit() const { return m_mesic; }
    QSpinBox *rokEdit() const { return m_rok; }
    QSpinBox *hodinyEdit() const { return m_hodiny; }
    QSpinBox *minutyEdit() const { return m_minuty; }
    QSpinBox *sekundyEdit() const { return m_sekundy; }
    QLabel *currentTimeLabel() const { return m_currentTime; }
    QLabel *previewLabel() const { return m_preview; }
    QGroupBox *groupDatum() const { return m_groupDatum; }
    QGroupBox *groupHodiny() const { return m_groupHodiny; }
    QGroupBox *groupMinuty() const { return m_groupMinuty; }
    QGroupBox *groupSekundy() const { return m_groupSekundy; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QGroupBox *makeButtonGroup(const QString &title, int count, int step, int columns, QSpinBox *edit);
    void showModel();
    void readEdits();
    void refreshPreview();
    void BT_OKClick();

    MkEditDatModel m_model;
    QString m_vysledek;
    bool m_updating = false;
    QCalendarWidget *m_calendar = nullptr;
    QSpinBox *m_den = nullptr, *m_mesic = nullptr, *m_rok = nullptr;
    QSpinBox *m_hodiny = nullptr, *m_minuty = nullptr, *m_sekundy = nullptr;
    QLabel *m_currentTime = nullptr, *m_preview = nullptr;
    QGroupBox *m_groupDatum = nullptr, *m_groupHodiny = nullptr, *m_groupMinuty = nullptr, *m_groupSekundy = nullptr;
    QGroupBox *m_groupCas = nullptr;
    QTimer *m_timer = nullptr;
};
