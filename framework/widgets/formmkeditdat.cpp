#include "formmkeditdat.h"

#include "data/prompt.h"

#include <QCalendarWidget>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

namespace {
// An up-down edit that writes one-digit values with a leading "0", as the fields of the mask.
class TwoDigitSpinBox : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

protected:
    QString textFromValue(int value) const override { return WidenTwoDigits(QString::number(value)); }
};

QSpinBox *makeSpin(int max, bool twoDigits, QWidget *parent) {
    QSpinBox *s = twoDigits ? new TwoDigitSpinBox(parent) : new QSpinBox(parent);
    s->setRange(0, max);
    s->setAlignment(Qt::AlignRight);
    return s;
}

int number(const QString &text) { return text.trimmed().toInt(); }
}

TFORMMKEDITDAT::TFORMMKEDITDAT(int typ, const QString &text, QWidget *parent) : QDialog(parent), m_model(typ) {
    setWindowTitle(QStringLiteral("Zadávání"));
    setModal(true);

    m_den = makeSpin(31, true, this);
    m_mesic = makeSpin(12, true, this);
    m_rok = makeSpin(9999, false, this);
    // Only times that the input accepts: 24:00 or a 60th minute would come back as an invalid
    // text that the input then refuses.
    m_hodiny = makeSpin(23, true, this);
    m_minuty = makeSpin(59, true, this);
    m_sekundy = makeSpin(59, true, this);

    // Datum
    m_groupDatum = new QGroupBox(QStringLiteral("Datum"), this);
    m_calendar = new QCalendarWidget(m_groupDatum);
    m_calendar->setLocale(QLocale(QLocale::Czech, QLocale::CzechRepublic));
    m_calendar->setFirstDayOfWeek(Qt::Monday);
    m_calendar->setGridVisible(true);
    m_calendar->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    auto *dateEdits = new QHBoxLayout;
    auto addEdit = [&](QBoxLayout *l, const QString &caption, QSpinBox *edit) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(edit);
        l->addWidget(label);
        l->addWidget(edit);
    };
    addEdit(dateEdits, QStringLiteral("&Den"), m_den);
    addEdit(dateEdits, QStringLiteral("&Měsíc"), m_mesic);
    addEdit(dateEdits, QStringLiteral("&Rok"), m_rok);
    auto *datumLayout = new QVBoxLayout(m_groupDatum);
    datumLayout->addWidget(m_calendar);
    datumLayout->addLayout(dateEdits);

    m_groupHodiny = makeButtonGroup(QStringLiteral("Hodiny"), 24, 1, 4, m_hodiny);
    m_groupMinuty = makeButtonGroup(QStringLiteral("Minuty"), 60, 1, 6, m_minuty);
    m_groupSekundy = makeButtonGroup(QStringLiteral("Sekundy"), 12, 5, 3, m_sekundy);

    m_groupCas = new QGroupBox(this);
    auto *casLayout = new QHBoxLayout(m_groupCas);
    casLayout->addWidget(new QLabel(QStringLiteral("Aktuální čas:"), m_groupCas));
    m_currentTime = new QLabel(m_groupCas);
    m_currentTime->setToolTip(QStringLiteral("Dvojklik: aktuální čas"));
    QFont bold = m_currentTime->font();
    bold.setBold(true);
    m_currentTime->setFont(bold);
    m_currentTime->installEventFilter(this);
    casLayout->addWidget(m_currentTime);
    casLayout->addStretch();

    auto *hoursColumn = new QVBoxLayout;
    hoursColumn->addWidget(m_groupHodiny);
    hoursColumn->addWidget(m_groupCas);
    hoursColumn->addStretch();

    auto *groups = new QHBoxLayout;
    groups->setSpacing(4);
    groups->addWidget(m_groupDatum, 0, Qt::AlignTop);
    groups->addLayout(hoursColumn);
    groups->addWidget(m_groupMinuty, 0, Qt::AlignTop);
    groups->addWidget(m_groupSekundy, 0, Qt::AlignTop);
    groups->addStretch();

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("Výsledek:"), this));
    m_preview = new QLabel(this);
    m_preview->setFont(bold);
    m_preview->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000 00:00:00")) + 16);
    bottom->addWidget(m_preview);
    bottom->addStretch();
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    auto *storno = new QPushButton(QStringLiteral("&Storno"), this);
    ok->setDefault(true);
    storno->setAutoDefault(false);
    bottom->addWidget(ok);
    bottom->addWidget(storno);

    auto *main = new QVBoxLayout(this);
    main->setContentsMargins(8, 8, 8, 8);
    main->addLayout(groups);
    main->addLayout(bottom);

    m_groupDatum->setVisible(m_model.showsDate());
    m_groupHodiny->setVisible(m_model.showsHours());
    m_groupCas->setVisible(m_model.showsHours());
    m_groupMinuty->setVisible(m_model.showsMinutes());
    m_groupSekundy->setVisible(m_model.showsSeconds());

    m_model.Open(text, QDate::currentDate());
    m_calendar->setSelectedDate(m_model.startDate());
    showModel();

    connect(ok, &QPushButton::clicked, this, &TFORMMKEDITDAT::BT_OKClick);
    connect(storno, &QPushButton::clicked, this, &QDialog::reject);
    for (QSpinBox *s : {m_den, m_mesic, m_rok, m_hodiny, m_minuty, m_sekundy})
        connect(s, &QSpinBox::valueChanged, this, [this] { readEdits(); });
    // A single click moves the day, month and year edits; a double-click (or Enter) also takes the
    // time from the edits, as the working value.
    connect(m_calendar, &QCalendarWidget::clicked, this, [this](const QDate &d) {
        m_updating = true;
        m_den->setValue(d.day());
        m_mesic->setValue(d.month());
        m_rok->setValue(d.year());
        m_updating = false;
        readEdits();
    });
    connect(m_calendar, &QCalendarWidget::activated, this, [this](const QDate &d) {
        readEdits();
        m_model.TakeCalendarDate(d);
        showModel();
    });

    m_timer = new QTimer(this);
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &TFORMMKEDITDAT::refreshPreview);
    m_timer->start();
    refreshPreview();

    (m_model.showsDate() ? m_den : m_hodiny)->setFocus();
    (m_model.showsDate() ? m_den : m_hodiny)->selectAll();
}

QGroupBox *TFORMMKEDITDAT::makeButtonGroup(const QString &title, int count, int step, int columns, QSpinBox *edit) {
    auto *group = new QGroupBox(title, this);
    auto *grid = new QGridLayout(group);
    grid->setSpacing(1);
    const int width = fontMetrics().horizontalAdvance(QStringLiteral("00")) + 12;
    for (int i = 0; i < count; ++i) {
        const QString caption = WidenTwoDigits(QString::number(i * step));
        auto *b = new QPushButton(caption, group);
        b->setAutoDefault(false);
        b->setFocusPolicy(Qt::NoFocus);
        b->setFixedWidth(width);
        b->setObjectName(title + QLatin1Char('_') + caption);
        connect(b, &QPushButton::clicked, this, [edit, caption] { edit->setValue(caption.toInt()); });
        grid->addWidget(b, i / columns, i % columns);
    }
    auto *row = new QHBoxLayout;
    auto *label = new QLabel(title + QLatin1Char(':'), group);
    label->setBuddy(edit);
    row->addWidget(label);
    row->addWidget(edit);
    row->addStretch();
    grid->addLayout(row, (count + columns - 1) / columns, 0, 1, columns);
    return group;
}

void TFORMMKEDITDAT::showModel() {
    m_updating = true;
    m_den->setValue(number(m_model.den));
    m_mesic->setValue(number(m_model.mesic));
    m_rok->setValue(number(m_model.rok));
    m_hodiny->setValue(number(m_model.hodiny));
    m_minuty->setValue(number(m_model.minuty));
    m_sekundy->setValue(number(m_model.sekundy));
    m_updating = false;
    const QDate d(m_rok->value(), m_mesic->value(), m_den->value());
    if (d.isValid() && m_model.showsDate())
        m_calendar->setSelectedDate(d);
    refreshPreview();
}

void TFORMMKEDITDAT::readEdits() {
    if (m_updating)
        return;
    m_model.den = m_den->text();
    m_model.mesic = m_mesic->text();
    m_model.rok = m_rok->text();
    m_model.hodiny = m_hodiny->text();
    m_model.minuty = m_minuty->text();
    m_model.sekundy = m_sekundy->text();
    const QDate d(m_rok->value(), m_mesic->value(), m_den->value());
    if (d.isValid() && m_model.showsDate() && d != m_calendar->selectedDate()) {
        m_updating = true;
        m_calendar->setSelectedDate(d);
        m_updating = false;
    }
    refreshPreview();
}

void TFORMMKEDITDAT::refreshPreview() {
    m_preview->setText(m_model.VRAT_VYSLEDEK());
    m_currentTime->setText(QTime::currentTime().toString(QStringLiteral("H:mm:ss")));
}

bool TFORMMKEDITDAT::eventFilter(QObject *watched, QEvent *event) {
    if (watched == m_currentTime && event->type() == QEvent::MouseButtonDblClick) {
        readEdits();
        m_model.TakeCurrentTime(QTime::currentTime());
        showModel();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TFORMMKEDITDAT::BT_OKClick() {
    // A value typed into an up-down edit counts even when Enter came before the edit took it.
    for (QSpinBox *s : {m_den, m_mesic, m_rok, m_hodiny, m_minuty, m_sekundy})
        s->interpretText();
    readEdits();
    const QString result = m_model.VRAT_VYSLEDEK();
    // A day the month does not have (31.02.) is refused here rather than handed to the input.
    if (!MkEditValid(result, m_model.typ())) {
        prompt().message(QStringLiteral("Zadaný údaj není platný !"), Prompt::Kind::Error);
        return;
    }
    m_vysledek = result;
    accept();
}

bool TFORMMKEDITDAT::Pick(QWidget *parent, int typ, QString &text) {
    TFORMMKEDITDAT dlg(typ, text, parent);
    if (dlg.exec() != QDialog::Accepted || dlg.Vysledek().isEmpty())
        return false;
    text = dlg.Vysledek();
    return true;
}
