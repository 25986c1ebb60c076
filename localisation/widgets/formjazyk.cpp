#include "formjazyk.h"

#include "data/sqldata.h"
#include "data/usersettings.h"
#include "exchange/codepage/czechcase.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
QGroupBox *radioGroup(const QString &title, const char *name, std::initializer_list<QRadioButton *> buttons) {
    auto *box = new QGroupBox(title);
    box->setObjectName(QLatin1String(name));
    auto *layout = new QVBoxLayout(box);
    for (QRadioButton *b : buttons)
        layout->addWidget(b);
    return box;
}
QRadioButton *radio(const QString &text, const char *name) {
    auto *b = new QRadioButton(text);
    b->setObjectName(QLatin1String(name));
    return b;
}
}

TForm_Jazyk::TForm_Jazyk(QWidget *mainWindow, QWidget *parent) : TFormLokalizace<QDialog>(parent), m_mainWindow(mainWindow) {
    setObjectName(QStringLiteral("Form_Jazyk"));
    setWindowTitle(QStringLiteral("ZORVA"));
    RB_Cesky = radio(QStringLiteral("Česky"), "RB_Cesky");
    RB_Slovensky = radio(QStringLiteral("Slovensky"), "RB_Slovensky");
    RB_Anglicky = radio(QStringLiteral("Anglicky"), "RB_Anglicky");
    RB_Pondeli = radio(QStringLiteral("Pondělí"), "RB_Pondeli");
    RB_Nedele = radio(QStringLiteral("Neděle"), "RB_Nedele");
    RB_Ceske = radio(QStringLiteral("České"), "RB_Ceske");
    RB_Slovenske = radio(QStringLiteral("Slovenské"), "RB_Slovenske");

    auto *groups = new QHBoxLayout;
    groups->addWidget(radioGroup(QStringLiteral("Jazyk"), "RG_Jazyk", {RB_Cesky, RB_Slovensky, RB_Anglicky}));
    groups->addWidget(radioGroup(QStringLiteral("První den"), "RG_PrvniDen", {RB_Pondeli, RB_Nedele}));
    groups->addWidget(radioGroup(QStringLiteral("Svátky"), "RG_Svatky", {RB_Ceske, RB_Slovenske}));

    auto *note = new QLabel(QStringLiteral("Zatím není lokalizován celý program.\nČást textů bude zatím v čestině.\n"
                                           "Pokud objevíte jakoukoli chybu, budeme rádi, pokud nás na ni upozorníte. "));
    note->setObjectName(QStringLiteral("Label_Poznamka"));
    note->setFrameShape(QFrame::StyledPanel);
    note->setMargin(6);
    note->setWordWrap(true);

    auto *buttons = new QDialogButtonBox;
    QPushButton *ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("BB_OK"));
    QPushButton *cancel = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("BB_Cancel"));
    connect(ok, &QPushButton::clicked, this, [this] {
        Confirm();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(groups);
    layout->addWidget(note);
    layout->addWidget(buttons);
}

void TForm_Jazyk::showEvent(QShowEvent *event) {
    ShowCurrentSettings();
    TFormLokalizace<QDialog>::showEvent(event);
}

void TForm_Jazyk::ShowCurrentSettings() {
    const UserSettings &s = CurrentUserSettings();
    if (s.language == QLatin1String("A"))
        RB_Anglicky->setChecked(true);
    else if (s.language == QLatin1String("C"))
        RB_Cesky->setChecked(true);
    else if (s.language == QLatin1String("S"))
        RB_Slovensky->setChecked(true);
    (s.firstDayOfWeek != 0 ? RB_Nedele : RB_Pondeli)->setChecked(true);
    (CzechUpperCase(s.holidays) == QLatin1String("CZ") ? RB_Ceske : RB_Slovenske)->setChecked(true);
}

void TForm_Jazyk::Confirm() {
    UserSettings &s = CurrentUserSettings();
    if (RB_Slovensky->isChecked())
        s.language = QStringLiteral("S");
    else if (RB_Anglicky->isChecked())
        s.language = QStringLiteral("A");
    else
        s.language = QStringLiteral("C");
    SetLanguageLetter(s.language);
    s.firstDayOfWeek = RB_Nedele->isChecked() ? 1 : 0;
    s.holidays = RB_Slovenske->isChecked() ? QStringLiteral("SK") : QStringLiteral("CZ");
    if (m_mainWindow)
        ::TranslateWindow(m_mainWindow);
    if (SQLDATA)
        SQLDATA->NotifyChange();
}
