#include "mkkalk.h"
#include "printhistory.h"

#include "data/prompt.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTextBlock>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QToolButton *button(QWidget *parent, const char *name, const QString &text, const QString &hint) {
    auto *b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumWidth(56);
    return b;
}
}  // namespace

TForm_MKKALK::TForm_MKKALK(QWidget *parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form_MKKALK"));
    setWindowTitle(QStringLiteral("Zorva MKCALC 1.03"));
    m_calc.decimalSeparator = QLocale().decimalPoint().isEmpty() ? QLatin1Char('.') : QLocale().decimalPoint().at(0);

    auto *menu = new QMenuBar(this);
    QAction *help = menu->addAction(QStringLiteral("Nápověda"));
    connect(help, &QAction::triggered, this, &TForm_MKKALK::NapovedaClick);

    Edit_PRIKLAD = new QLineEdit(this);
    Edit_PRIKLAD->setObjectName(QStringLiteral("Edit_PRIKLAD"));
    QFont big = Edit_PRIKLAD->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    Edit_PRIKLAD->setFont(big);
    Edit_PRIKLAD->installEventFilter(this);

    SB_Vypocet = button(this, "SB_Vypocet", QStringLiteral("="), QStringLiteral("Vypočte zadaný příklad"));
    SB_VYSLEDEKDOCLIP = button(this, "SB_VYSLEDEKDOCLIP", QStringLiteral("= ➜ schránka"),
                               QStringLiteral("Vypočte zadaný příklad a výsledek zároveň uloží do schránky"));
    SB_PRIKLADDOCLIP = button(this, "SB_PRIKLADDOCLIP", QStringLiteral("příklad ➜ schránka"),
                              QStringLiteral("Vypočte zadaný příklad a výsledek i příklad zároveň uloží do schránky"));
    SB_5DPH = button(this, "SB_5DPH", QStringLiteral("DPH 5 %"), QStringLiteral("Vloží na místo kurzoru ") + Calculator::vat5());
    SB_19DPH = button(this, "SB_19DPH", QStringLiteral("DPH 19 %"), QStringLiteral("Vloží na místo kurzoru ") + Calculator::vat19());
    SB_CLEAR = button(this, "SB_CLEAR", QStringLiteral("Vymazat"), QStringLiteral("Vymaže historii"));
    SB_TOCLIP = button(this, "SB_TOCLIP", QStringLiteral("Do schránky"), QStringLiteral("Historii uloží do schránky"));
    SB_PRINT = button(this, "SB_PRINT", QStringLiteral("Tisk"), QStringLiteral("Vytiskne historii"));
    SB_DOPRIKLADU = button(this, "SB_DOPRIKLADU", QStringLiteral("Do příkladu"),
                           QStringLiteral("Řádek na kterém je kurzor překopíruje do příkladu"));

    JvSpinEdit_POCETMIST = new QSpinBox(this);
    JvSpinEdit_POCETMIST->setObjectName(QStringLiteral("JvSpinEdit_POCETMIST"));
    JvSpinEdit_POCETMIST->setRange(1, 40);
    JvSpinEdit_POCETMIST->setValue(m_calc.width);
    JvSpinEdit_POCETDESMIST = new QSpinBox(this);
    JvSpinEdit_POCETDESMIST->setObjectName(QStringLiteral("JvSpinEdit_POCETDESMIST"));
    JvSpinEdit_POCETDESMIST->setRange(0, 20);
    JvSpinEdit_POCETDESMIST->setValue(m_calc.decimals);

    Label_VYSLEDEK = new QLabel(QStringLiteral("0"), this);
    Label_VYSLEDEK->setObjectName(QStringLiteral("Label_VYSLEDEK"));
    Label_VYSLEDEK->setFont(big);
    Label_VYSLEDEK->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Label_VYSLEDEK->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label_VYSLEDEK->setFrameShape(QFrame::StyledPanel);

    RichEdit_Historie = new QPlainTextEdit(this);
    RichEdit_Historie->setObjectName(QStringLiteral("RichEdit_Historie"));
    RichEdit_Historie->setReadOnly(true);
    RichEdit_Historie->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    auto *lineRow = new QHBoxLayout;
    lineRow->addWidget(Edit_PRIKLAD, 1);
    lineRow->addWidget(SB_Vypocet);
    layout->addLayout(lineRow);
    layout->addWidget(Label_VYSLEDEK);
    auto *buttons = new QHBoxLayout;
    for (QToolButton *b : {SB_VYSLEDEKDOCLIP, SB_PRIKLADDOCLIP, SB_5DPH, SB_19DPH})
        buttons->addWidget(b);
    buttons->addStretch();
    layout->addLayout(buttons);
    auto *settings = new QHBoxLayout;
    settings->addWidget(new QLabel(QStringLiteral("Počet míst"), this));
    settings->addWidget(JvSpinEdit_POCETMIST);
    settings->addSpacing(12);
    settings->addWidget(new QLabel(QStringLiteral("Počet desetiných míst"), this));
    settings->addWidget(JvSpinEdit_POCETDESMIST);
    settings->addStretch();
    layout->addLayout(settings);
    layout->addWidget(RichEdit_Historie, 1);
    auto *historyButtons = new QHBoxLayout;
    for (QToolButton *b : {SB_DOPRIKLADU, SB_TOCLIP, SB_PRINT, SB_CLEAR})
        historyButtons->addWidget(b);
    historyButtons->addStretch();
    layout->addLayout(historyButtons);
    resize(520, 420);

    connect(SB_Vypocet, &QToolButton::clicked, this, &TForm_MKKALK::SB_VypocetClick);
    connect(SB_VYSLEDEKDOCLIP, &QToolButton::clicked, this, &TForm_MKKALK::SB_VYSLEDEKDOCLIPClick);
    connect(SB_PRIKLADDOCLIP, &QToolButton::clicked, this, &TForm_MKKALK::SB_PRIKLADDOCLIPClick);
    connect(SB_5DPH, &QToolButton::clicked, this, &TForm_MKKALK::SB_5DPHClick);
    connect(SB_19DPH, &QToolButton::clicked, this, &TForm_MKKALK::SB_19DPHClick);
    connect(SB_CLEAR, &QToolButton::clicked, this, &TForm_MKKALK::SB_CLEARClick);
    connect(SB_TOCLIP, &QToolButton::clicked, this, &TForm_MKKALK::SB_TOCLIPClick);
    connect(SB_PRINT, &QToolButton::clicked, this, &TForm_MKKALK::SB_PRINTClick);
    connect(SB_DOPRIKLADU, &QToolButton::clicked, this, &TForm_MKKALK::SB_DOPRIKLADUClick);
    connect(Edit_PRIKLAD, &QLineEdit::returnPressed, this, &TForm_MKKALK::SB_VypocetClick);
    connect(JvSpinEdit_POCETMIST, &QSpinBox::valueChanged, this, [this](int v) { m_calc.width = v; });
    connect(JvSpinEdit_POCETDESMIST, &QSpinBox::valueChanged, this, [this](int v) { m_calc.decimals = v; });
    Edit_PRIKLAD->setFocus();
}

void TForm_MKKALK::takeLine() {
    m_calc.line = Edit_PRIKLAD->text();
    m_calc.caret = Edit_PRIKLAD->cursorPosition();
}

void TForm_MKKALK::showLine() {
    Edit_PRIKLAD->setText(m_calc.line);
    Edit_PRIKLAD->setCursorPosition(m_calc.caret);
}

void TForm_MKKALK::calculate(Calculator::Clipboard clipboard) {
    takeLine();
    const Calculator::Outcome out = m_calc.calculate(clipboard);
    showLine();
    if (!out.calculated)
        return;
    RichEdit_Historie->appendPlainText(m_calc.history.last());
    Label_VYSLEDEK->setText(m_calc.result);
    if (!out.clipboard.isEmpty())
        QApplication::clipboard()->setText(out.clipboard);
    Edit_PRIKLAD->setFocus();
}

void TForm_MKKALK::insertFactor(const QString &factor) {
    takeLine();
    m_calc.insertAtCaret(factor);
    showLine();
    Edit_PRIKLAD->setFocus();
}

void TForm_MKKALK::SB_CLEARClick() {
    m_calc.history.clear();
    RichEdit_Historie->clear();
}

void TForm_MKKALK::SB_TOCLIPClick() {
    QString text = RichEdit_Historie->textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    if (text.isEmpty())
        text = RichEdit_Historie->toPlainText();  // nothing selected: the whole history
    QApplication::clipboard()->setText(text);
}

void TForm_MKKALK::SB_PRINTClick() { PrintPlainText(this, RichEdit_Historie->toPlainText(), QStringLiteral("MKKALK")); }

void TForm_MKKALK::SB_DOPRIKLADUClick() {
    const QString historyLine = RichEdit_Historie->textCursor().block().text();
    if (historyLine.isEmpty())
        return;
    m_calc.line = Calculator::withoutResult(historyLine);
    m_calc.caret = int(m_calc.line.size());
    m_calc.keyEdited();
    showLine();
    Edit_PRIKLAD->setFocus();
}

void TForm_MKKALK::NapovedaClick() {
    const QString file = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("help/mkcalc.html"));
    if (!QFileInfo::exists(file)) {
        prompt().message(QStringLiteral("Soubor nápovědy nebyl nalezen:\n") + QDir::toNativeSeparators(file),
                         Prompt::Kind::Error);
        return;
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

bool TForm_MKKALK::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Edit_PRIKLAD && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString text = key->text();
        switch (key->key()) {
        case Qt::Key_Return: case Qt::Key_Enter: case Qt::Key_Shift: case Qt::Key_Control:
        case Qt::Key_Alt: case Qt::Key_AltGr: case Qt::Key_Meta:
            return false;
        default:
            break;
        }
        takeLine();
        if (!text.isEmpty() && text.at(0).isPrint()) {
            if (m_calc.keyTyped(text.at(0)))
                Edit_PRIKLAD->clear();
        } else {
            m_calc.keyEdited();
        }
    }
    return QWidget::eventFilter(watched, event);
}
