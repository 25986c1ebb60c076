#pragma once
#include "localisation/widgets/formlokalizace.h"

#include <QDialog>

class QRadioButton;

// The language dialog: interface language, first day of the week and the set of holidays of
// the current user's settings. Created once by the main window and kept; after it closes,
// either way, the main window refreshes its views.
class TForm_Jazyk : public TFormLokalizace<QDialog> {
    Q_OBJECT
public:
    // mainWindow is translated again when the language is confirmed.
    explicit TForm_Jazyk(QWidget *mainWindow, QWidget *parent = nullptr);

    // The current settings onto the radio buttons; done each time the dialog is shown.
    void ShowCurrentSettings();
    // "OK": the choice into the settings and LanguageIndex, the main window translated, every
    // station told to refresh.
    void Confirm();

    QRadioButton *RB_Cesky, *RB_Slovensky, *RB_Anglicky;
    QRadioButton *RB_Pondeli, *RB_Nedele;
    QRadioButton *RB_Ceske, *RB_Slovenske;

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *m_mainWindow;
};
