#include "mainform.h"

#include "exchange/widgets/filedialogs.h"

#include "app/core/startup.h"
#include "app/core/windowrules.h"
#include "app/formoptions.h"
#include "data/inifile.h"
#include "data/prompt.h"
#include "data/scramble.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "data/usersettings.h"
#include "framework/browsedefinitions.h"
#include "framework/widgets/framestringgrid.h"
#include "localisation/langtext.h"
#include "localisation/widgets/formjazyk.h"
#include "platform/autostart.h"
#include "platform/clockwatch.h"
#include "platform/fileassociation.h"
#include "platform/shell.h"
#include "platform/singleinstance.h"
#include "platform/systeminfo.h"
#include "security/login.h"
#include "security/widgets/edituzivatel.h"
#include "security/widgets/edituzivskupina.h"
#include "security/widgets/passwordtools.h"
#include "tools/widgets/mkkalk.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

QString ProgramFolder(const QString &programPath) { return QFileInfo(programPath).absolutePath(); }
}

// ---------------------------------------------------------------------------------------------

TFrameWorkView::TFrameWorkView(const QString &viewName, const QString &title, QWidget *parent)
    : QFrame(parent), m_viewName(viewName) {
    setObjectName(viewName);
    setFrameShape(QFrame::StyledPanel);
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    m_notice = new QWidget(this);
    outer->addWidget(m_notice);
    auto *layout = new QVBoxLayout(m_notice);
    m_title = new QLabel(title, this);
    QFont f = m_title->font();
    f.setPointSize(f.pointSize() + 6);
    f.setBold(true);
    m_title->setFont(f);
    m_title->setAlignment(Qt::AlignCenter);
    m_detail = new QLabel(this);
    m_detail->setAlignment(Qt::AlignCenter);
    m_detail->setWordWrap(true);
    auto *name = new QLabel(QStringLiteral("(%1)").arg(viewName), this);
    name->setAlignment(Qt::AlignCenter);
    name->setEnabled(false);
    layout->addStretch();
    layout->addWidget(m_title);
    layout->addWidget(name);
    layout->addWidget(m_detail);
    layout->addStretch();
    setDetail(QStringLiteral("Tento pohled zatím není k dispozici."));
}

void TFrameWorkView::setTitle(const QString &title) { m_title->setText(title); }
void TFrameWorkView::setDetail(const QString &detail) { m_detail->setText(detail); }
void TFrameWorkView::refresh() { ++m_refreshes; }

void TFrameWorkView::setContent(QWidget *content) {
    if (m_content && m_content != content)
        m_content->hide();
    m_content = content;
    if (content) {
        if (layout()->indexOf(content) < 0) {
            content->setParent(this);
            layout()->addWidget(content);
        }
        content->show();
    }
    m_notice->setVisible(!content);
}

// ---------------------------------------------------------------------------------------------

Tmainform::Tmainform(QWidget *parent) : TFormLokalizace<QMainWindow>(parent) {
    setObjectName(QStringLiteral("mainform"));
    setWindowTitle(QStringLiteral("ZORVA"));
    resize(1024, 700);
    buildActions();
    buildToolBar();
    buildWorkArea();
    buildNavigation();
    buildMenus();
    buildTimers();
    ApplyConfiguration(m_config);
    ShowPanel(QStringLiteral("MonthPanel"));
}

Tmainform::~Tmainform() {
    Shutdown();
    if (SQLDATA == m_db.get())
        SQLDATA = nullptr;
}

void Tmainform::buildActions() {
    auto make = [this](QAction *&action, const char *name, const QString &text, int key, std::function<void()> does) {
        action = new QAction(text, this);
        action->setObjectName(QLatin1String(name));
        if (key)
            action->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key(key)));
        action->setShortcutContext(Qt::ApplicationShortcut);
        connect(action, &QAction::triggered, this, std::move(does));
        addAction(action);
    };
    make(Adressar, "Adressar", QStringLiteral("Adresář - Přehled"), Qt::Key_A, [this] { ShowPanel(QStringLiteral("BrowseAdresarZakladni")); });
    make(Calendar, "Calendar", QStringLiteral("Kalendář - Od Do"), Qt::Key_C, [this] { ShowPanel(QStringLiteral("BrowsePanel")); });
    make(Month, "Month", QStringLiteral("Kalendář - Měsíc"), Qt::Key_M, [this] { ShowPanel(QStringLiteral("MonthPanel")); });
    make(Schedule, "Schedule", QStringLiteral("Úkoly - Přehled"), Qt::Key_U, [this] { ShowPanel(QStringLiteral("BrowseUkoly")); });
    make(Year, "Year", QStringLiteral("Kalendář - Rok"), Qt::Key_Y, [this] { ShowPanel(QStringLiteral("YearPanel")); });
    make(Notes, "Notes", QStringLiteral("Poznámky - přehled"), Qt::Key_N, [this] { ShowPanel(QStringLiteral("Poznamky")); });
    // Ctrl+Alt+M belongs to the month view alone: a key shared by two actions fires neither.
    make(CalendarNewItem, "CalendarNewItem", QStringLiteral("Nová událost"), 0, [this] { OpenNewEvent(QDate::currentDate(), QTime()); });
    make(AdressarNew, "AdressarNew", QStringLiteral("Nová položka"), Qt::Key_P, [this] { OpenAddress(0); });
    make(ScheduleNew, "ScheduleNew", QStringLiteral("Nová položka"), Qt::Key_X, [this] { OpenTask(0); });
}

void Tmainform::buildToolBar() {
    JvSpeedBar1 = addToolBar(QStringLiteral("Nástroje"));
    JvSpeedBar1->setObjectName(QStringLiteral("JvSpeedBar1"));
    JvSpeedBar1->setMovable(false);
    JvSpeedBar1->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    auto add = [this](const char *name, const QString &text, QStyle::StandardPixmap icon, const QString &hint, std::function<void()> does) {
        auto *b = new QToolButton(JvSpeedBar1);
        b->setObjectName(QLatin1String(name));
        b->setText(text);
        b->setIcon(style()->standardIcon(icon));
        b->setToolTip(hint);
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, std::move(does));
        JvSpeedBar1->addWidget(b);
        return b;
    };
    add("SB_Panel", QStringLiteral("Panel"), QStyle::SP_FileDialogListView, QStringLiteral("Zapíná / vypíná zobrazení levého panelu"), [this] {
        const bool shown = !JvLookOut1->isVisible();
        JvLookOut1->setVisible(shown);
        CurrentUserSettings().navigationBarShown = shown;
    });
    JvSpeedBar1->addSeparator();
    add("SB_MonthPanel", QStringLiteral("Měsíc"), QStyle::SP_FileDialogDetailedView, Month->text(), [this] { Month->trigger(); });
    add("SB_Addressar", QStringLiteral("Adresář"), QStyle::SP_DirHomeIcon, Adressar->text(), [this] { Adressar->trigger(); });
    add("SB_Schedule", QStringLiteral("Úkoly"), QStyle::SP_DialogApplyButton, Schedule->text(), [this] { Schedule->trigger(); });
    add("SB_CalendarFromTo", QStringLiteral("Od Do"), QStyle::SP_ArrowRight, Calendar->text(), [this] { Calendar->trigger(); });
    add("SB_Notes", QStringLiteral("Poznámky"), QStyle::SP_FileIcon, Notes->text(), [this] { Notes->trigger(); });
    add("SB_MKCALC", QStringLiteral("Kalkulátor"), QStyle::SP_ComputerIcon, QStringLiteral("Kalkulátor"), [this] { showCalculator(); });
    add("SB_YearPanel", QStringLiteral("Rok"), QStyle::SP_FileDialogContentsView, Year->text(), [this] { Year->trigger(); });
    add("SB_DAYINFO", QStringLiteral("Přehled dnů"), QStyle::SP_MessageBoxInformation, QStringLiteral("Přehled událostí na dnešek a další dny"),
        [this] { notAvailable(QStringLiteral("Přehled událostí")); });
    add("SB_PasswordMD5", QStringLiteral("Hesla"), QStyle::SP_DialogOkButton, QStringLiteral("Generátor hesel"), [this] { showPasswordGenerator(); });
}

void Tmainform::buildWorkArea() {
    auto *central = new QWidget(this);
    auto *outer = new QHBoxLayout(central);
    outer->setContentsMargins(2, 2, 2, 2);
    JvLookOut1 = new QToolBox(central);
    JvLookOut1->setObjectName(QStringLiteral("JvLookOut1"));
    JvLookOut1->setFixedWidth(240);
    outer->addWidget(JvLookOut1);

    auto *right = new QWidget(central);
    auto *rightLayout = new QVBoxLayout(right);
    rightLayout->setContentsMargins(0, 0, 0, 0);
    Panel2 = new QScrollArea(right);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setFixedHeight(28);
    Panel2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Panel2->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    Panel2->setFrameShape(QFrame::NoFrame);
    Panel_kategorie = new QWidget;
    Panel_kategorie->setObjectName(QStringLiteral("Panel_kategorie"));
    Panel2->setWidget(Panel_kategorie);
    Panel2->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Panel2, &QWidget::customContextMenuRequested, this, [this](const QPoint &p) { PopupMenuKategorie->popup(Panel2->mapToGlobal(p)); });
    rightLayout->addWidget(Panel2);

    Panel1 = new QWidget(right);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    m_workLayout = new QVBoxLayout(Panel1);
    m_workLayout->setContentsMargins(0, 0, 0, 0);
    rightLayout->addWidget(Panel1, 1);
    outer->addWidget(right, 1);
    setCentralWidget(central);

    auto addView = [this](ViewKind kind, const char *name, const QString &title) {
        auto *v = new TFrameWorkView(QLatin1String(name), title, Panel1);
        v->hide();
        m_workLayout->addWidget(v);
        m_views[kind] = v;
    };
    addView(ViewKind::Month, "MonthPanel", QStringLiteral("Kalendář – měsíc"));
    addView(ViewKind::Year, "YearPanel", QStringLiteral("Kalendář – rok"));
    addView(ViewKind::Memo, "MemoPanel", QStringLiteral("Testovací memo"));
    addView(ViewKind::BrowsePanel, "BrowsePanel", QStringLiteral("Události v období"));
    addView(ViewKind::TripEntry, "ZadavaniJizd", QStringLiteral("Zadávání jízd"));
    addView(ViewKind::GoodsReceipt, "ZB_Naskladneni", QStringLiteral("Naskladnění zboží"));
    addView(ViewKind::InvoiceIssue, "ZB_VystaveniFaktury", QStringLiteral("Vystavení faktury"));
    addView(ViewKind::Notes, "Poznamky", QStringLiteral("Poznámky"));
    m_grid = new TFrameWorkView(QStringLiteral("FrameStringGrid"), QStringLiteral("Přehled"), Panel1);
    m_grid->hide();
    m_stringGrid = new TFrameStringGrid(m_grid);
    m_stringGrid->setObjectName(QStringLiteral("FrameStringGrid1"));
    m_stringGrid->hide();
    // Opening a row or asking for a new record comes back here as an editor message.
    m_stringGrid->notifyHandler = [this](int message, int first, int second) {
        return message != 0 && DispatchEditorMessage(*this, message, first, second);
    };
    m_workLayout->addWidget(m_grid);

    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
}

QWidget *Tmainform::addPage(const char *name, const QString &caption) {
    auto *page = new QWidget;
    page->setObjectName(QLatin1String(name));
    auto *layout = new QVBoxLayout(page);
    layout->setSpacing(2);
    layout->addStretch();
    m_pages << page;
    m_pageCaptions[QLatin1String(name)] = caption;
    JvLookOut1->addItem(page, caption);
    return page;
}

void Tmainform::addNavButton(QWidget *page, const char *name, const QString &caption, std::function<void()> does, bool hidden) {
    auto *b = new QPushButton(caption, page);
    b->setObjectName(QLatin1String(name));
    b->setFlat(true);
    b->setStyleSheet(QStringLiteral("text-align: left; padding: 4px;"));
    connect(b, &QPushButton::clicked, this, std::move(does));
    auto *layout = static_cast<QVBoxLayout *>(page->layout());
    layout->insertWidget(layout->count() - 1, b);
    b->setVisible(!hidden);
    if (hidden)
        b->hide();
}

void Tmainform::addNavPanelButton(QWidget *page, const char *name, const QString &caption, const QString &panel) {
    addNavButton(page, name, caption, [this, panel] { ShowPanel(panel); });
}

void Tmainform::buildNavigation() {
    auto na = [this](const QString &what) { return [this, what] { notAvailable(what); }; };

    QWidget *p = addPage("LOP_Calendar", QStringLiteral("Kalendář"));
    addNavButton(p, "LOB_Month", QStringLiteral("Měsíc"), [this] { Month->trigger(); });
    addNavButton(p, "LOB_MonthFromTo", QStringLiteral("Od Do"), [this] { Calendar->trigger(); });
    addNavButton(p, "LookOutButton1", QStringLiteral("Nová událost"), [this] { CalendarNewItem->trigger(); });
    addNavButton(p, "LookOutButton2", QStringLiteral("Rok"), [this] { Year->trigger(); });
    addNavPanelButton(p, "LookOutButton4", QStringLiteral("Testovací memo"), QStringLiteral("MemoPanel"));
    addNavButton(p, "LookOutButton5", QStringLiteral("Den s rozvrhem"), na(QStringLiteral("Den s rozvrhem")), true);
    addNavButton(p, "LookOutButton3", QStringLiteral("Nová událost"), [this] { CalendarNewItem->trigger(); }, true);
    p->findChild<QWidget *>(QStringLiteral("LookOutButton4"))->hide();

    p = addPage("LOP_Alarm", QStringLiteral("Alarmy"));
    addNavPanelButton(p, "LOB_ListCalendarAlarm", QStringLiteral("Kalendář přehled alarmů"), QStringLiteral("BrowseAlarm"));
    addNavPanelButton(p, "LOB_ListScheduleAlarm", QStringLiteral("Úkoly přehled alarmů"), QStringLiteral("BrowseUkolyAlarm"));

    p = addPage("LOP_BookDrive", QStringLiteral("Kniha jízd"));
    addNavPanelButton(p, "LookOutButton13", QStringLiteral("Přehled aut"), QStringLiteral("KJPrehledAut"));
    addNavPanelButton(p, "LookOutButton14", QStringLiteral("Přehled jízd"), QStringLiteral("KJPrehledJizd"));
    addNavPanelButton(p, "LookOutButton15", QStringLiteral("Zadávání jízd"), QStringLiteral("ZadavaniJizd"));
    addNavPanelButton(p, "JvLookOutButton1", QStringLiteral("Přehled jízd pro konkrétní vůz"), QStringLiteral("KJPrehledJizdKonkretni"));
    addNavButton(p, "LookOutButton7", QStringLiteral("Tisk přehledu jízd"), na(QStringLiteral("Tisk přehledu jízd")));

    p = addPage("LOP_Address", QStringLiteral("Adresář"));
    addNavButton(p, "LOB_NewItem", QStringLiteral("Nová položka"), [this] { AdressarNew->trigger(); });
    addNavButton(p, "LOB_List", QStringLiteral("Přehled"), [this] { Adressar->trigger(); });

    p = addPage("LOP_Setting", QStringLiteral("Číselníky"));
    addNavPanelButton(p, "LOB_CalendarCategory", QStringLiteral("Kalendář kategorie"), QStringLiteral("CiselnikKalendarKategorie"));
    addNavPanelButton(p, "LOB_User", QStringLiteral("Uživatelé"), QStringLiteral("Uzivatel"));
    addNavPanelButton(p, "LOB_GroupUser", QStringLiteral("Skupiny uživatelů"), QStringLiteral("UzivSkupina"));
    addNavPanelButton(p, "LOB_AddressCategory", QStringLiteral("Adresář kategorie"), QStringLiteral("CiselnikAdresarKategorie"));

    p = addPage("LOP_Schedule", QStringLiteral("Úkoly"));
    addNavButton(p, "LOB_NewItem3", QStringLiteral("Nová položka"), [this] { ScheduleNew->trigger(); });
    addNavButton(p, "LOB_List3", QStringLiteral("Přehled"), [this] { Schedule->trigger(); });

    p = addPage("LOP_Notes", QStringLiteral("Poznámky"));
    addNavButton(p, "LOB_List4", QStringLiteral("Přehled"), [this] { Notes->trigger(); });

    p = addPage("LOP_JU", QStringLiteral("JU"));
    addNavButton(p, "LOB_NewJU", QStringLiteral("Nová položka JU"), [this] { OpenJu(0); });
    addNavButton(p, "LOB_NewHromadneJU", QStringLiteral("Nová položka hromadných JU"), na(QStringLiteral("Hromadné JU")));
    addNavButton(p, "LOB_SendMessage", QStringLiteral("Odeslat zprávu"), na(QStringLiteral("Odeslání zprávy")));
    addNavPanelButton(p, "LOB_BrowseJU", QStringLiteral("Přehled JU"), QStringLiteral("BrowseJU"));
    addNavPanelButton(p, "LOB_BrowseHromadneJU", QStringLiteral("Přehled hromadných JU"), QStringLiteral("BrowseHromadneJU"));

    p = addPage("LOP_Revize", QStringLiteral("Revize"));
    addNavPanelButton(p, "LOB_Revize", QStringLiteral("Seznam revizí"), QStringLiteral("BrowseElektroRevize"));
    addNavPanelButton(p, "LOB_KategorieZarizeni", QStringLiteral("Typ kontroly"), QStringLiteral("BrowseKategorieZarizeni"));
    addNavButton(p, "LOB_KonecPlatnosti", QStringLiteral("Konec platnosti"), na(QStringLiteral("Konec platnosti revizí")));

    p = addPage("LOP_JF", QStringLiteral("Fakturace"));
    addNavPanelButton(p, "LOB_C_FORMA_UHRADY", QStringLiteral("Číselník forem úhrady "), QStringLiteral("Browse_C_FORMA_UHRADY"));
    addNavPanelButton(p, "LookOutButtonBrowseJF", QStringLiteral("Seznam faktur"), QStringLiteral("Browse_JF"));
    addNavPanelButton(p, "LookOutButtonBrowsePF", QStringLiteral("Seznam zálohových faktur"), QStringLiteral("Browse_JF_PF"));
    addNavPanelButton(p, "LookOutButtonBrowseFADO", QStringLiteral("Seznam přijatých faktur"), QStringLiteral("Browse_JF_FADO"));
    addNavPanelButton(p, "LOB_C_TYP_FADO", QStringLiteral("Číselník druhů přijatých faktur"), QStringLiteral("Browse_C_TYP_FADO"));
    addNavPanelButton(p, "LOB_C_DRUH_PLATBY_JF", QStringLiteral("Číselník druhů platby"), QStringLiteral("Browse_C_DRUH_PLATBY"));
    addNavButton(p, "LOB_JF_Obdobi", QStringLiteral("Seznam faktur za období"), na(QStringLiteral("Seznam faktur za období")));
    addNavButton(p, "LOB_JF_Soucty", QStringLiteral("Přehled faktur za období - součty"), [this] { PopupMenu_JF->popup(QCursor::pos()); });
    addNavButton(p, "LookOutButtonNewJF", QStringLiteral("Nová faktura"), na(QStringLiteral("Nová faktura")));
    addNavButton(p, "LookOutButtonNewPF", QStringLiteral("Nová zálohová faktura"), na(QStringLiteral("Nová zálohová faktura")), true);
    addNavButton(p, "LOB_JF_Nastaveni", QStringLiteral("Nastavení"), na(QStringLiteral("Nastavení fakturace")));
    addNavButton(p, "LOB_JF_Souhrn", QStringLiteral("Souhrnné informace"), na(QStringLiteral("Souhrnné informace")));
    addNavButton(p, "LOB_JF_Vypocty", QStringLiteral("Nastavení výpočtů"), na(QStringLiteral("Nastavení výpočtů")));

    p = addPage("LOP_PRAV_PL", QStringLiteral("Pravidelné platby"));
    addNavPanelButton(p, "LOB_PRAV_PL_H", QStringLiteral("Seznam"), QStringLiteral("Browse_PRAV_PL_H"));
    addNavPanelButton(p, "LOB_C_DRUH_PLATBY", QStringLiteral("Číselník druhů platby"), QStringLiteral("Browse_C_DRUH_PLATBY"));
    addNavPanelButton(p, "LOB_C_ZPUSOB_PLATBY", QStringLiteral("Číselník způsobů platby"), QStringLiteral("Browse_C_ZPUSOB_PLATBY"));
    addNavPanelButton(p, "LOB_C_MENA", QStringLiteral("Číselník měn"), QStringLiteral("Browse_C_MENA"));

    p = addPage("LOP_ZBOZI", QStringLiteral("Zboží"));
    const char *const goods[][3] = {
        {"LOB_ZB_SKLAD", "Sklad", "Browse_ZB_SKLAD"},       {"LOB_ZB_BARVA", "Barva", "Browse_ZB_BARVA"},
        {"LOB_ZB_DRUH", "Druh", "Browse_ZB_DRUH"},           {"LOB_ZB_KATEGORIE", "Kategorie", "Browse_ZB_KATEGORIE"},
        {"LOB_ZB_MJ", "Měrná jednotka", "Browse_ZB_MJ"},     {"LOB_ZB_STAV", "Stav", "Browse_ZB_STAV"},
        {"LOB_ZB_VELIKOST", "Velikost", "Browse_ZB_VELIKOST"}, {"LOB_ZB_ZBOZI", "Zboží", "Browse_ZB_ZBOZI"},
        {"LOB_ZB_URCENI", "Určení", "Browse_ZB_URCENI"},     {"LOB_ZB_MATERIAL", "Materiál", "Browse_ZB_MATERIAL"},
    };
    for (const auto &g : goods)
        addNavPanelButton(p, g[0], QString::fromUtf8(g[1]), QLatin1String(g[2]));

    p = addPage("LOP_OBCHOD", QStringLiteral("Obchod"));
    addNavPanelButton(p, "LOB_VystaveniFaktury", QStringLiteral("Vystavení faktury"), QStringLiteral("ZB_VystaveniFaktury"));
    addNavPanelButton(p, "LOB_Naskladneni", QStringLiteral("Naskladnění zboží"), QStringLiteral("ZB_Naskladneni"));
    addNavButton(p, "LOB_ExportVesto", QStringLiteral("Export do VESTO"), na(QStringLiteral("Export do VESTO")));
    addNavButton(p, "LOB_CeskaPosta", QStringLiteral("Tisk sestavy pro Českou Poštu"), na(QStringLiteral("Tisk sestavy pro Českou Poštu")));
    addNavButton(p, "LOB_PrirazeniZbozi", QStringLiteral("Přiřazení zboží"), na(QStringLiteral("Přiřazení zboží")));

    p = addPage("LOP_BANKA", QStringLiteral("Banka"));
    addNavButton(p, "LookOutButton_BU_NACTENI", QStringLiteral("Načtení bankovních výpisů"), na(QStringLiteral("Načtení bankovních výpisů")));
    addNavButton(p, "LookOutButton_BU_IMPORT", QStringLiteral("Import bankovních výpisů"), [this] { RunGpcImport(this, *SQLDATA); });
    addNavButton(p, "LookOutButton_BU_PAROVANI_GPC", QStringLiteral("Párování výpisů ve tvaru GPC s fakturami"), na(QStringLiteral("Párování výpisů")));
    addNavButton(p, "LookOutButton_BU_PAROVANI", QStringLiteral("Párování výpisů"), na(QStringLiteral("Párování výpisů")));
    addNavButton(p, "LookOutButton_BU_PREPOCET", QStringLiteral("Přepočet všech zůstatků"), na(QStringLiteral("Přepočet zůstatků")));
    addNavButton(p, "LookOutButton_BU_PREHLED", QStringLiteral("Přehled výpisů"), na(QStringLiteral("Přehled výpisů")));
    addNavPanelButton(p, "LookOutButton_BU_DRUH_PLATBY", QStringLiteral("Čísleník druhů platby"), QStringLiteral("Browse_BU_DRUH_PLATBY"));
    addNavPanelButton(p, "LookOutButton_BU_CISELNIK_BANK", QStringLiteral("Číselník bank"), QStringLiteral("Browse_BU_CISELNIK_BANK"));
    addNavPanelButton(p, "LookOutButton_BU", QStringLiteral("Bankovní účty"), QStringLiteral("Browse_BU"));
    addNavPanelButton(p, "LookOutButton_BU_VYPIS", QStringLiteral("Bankovní výpisy"), QStringLiteral("Browse_BU_VYPIS"));

    p = addPage("LOP_ZAKAZKY", QStringLiteral("Zakázky"));
    addNavPanelButton(p, "LOB_ZAKAZKY", QStringLiteral("Zakázky"), QStringLiteral("Browse_ZAKAZKY"));
    addNavPanelButton(p, "LOB_ZAKAZKY_ROZLISENI", QStringLiteral("Rozlišení"), QStringLiteral("Browse_ZAKAZKY_ROZLISENI"));
    addNavPanelButton(p, "LOB_ZAKAZKY_STAV", QStringLiteral("Stav"), QStringLiteral("Browse_ZAKAZKY_STAV"));
    addNavPanelButton(p, "LOB_ZAKAZKY_STAV_FAKTURACE", QStringLiteral("Stav fakturace"), QStringLiteral("Browse_ZAKAZKY_STAV_FAKTURACE"));
    addNavButton(p, "LOB_ZAKAZKY_PREHLED", QStringLiteral("Přehled"), na(QStringLiteral("Přehled zakázek")));
}

QAction *Tmainform::addMenuItem(QMenu *menu, const char *name, const QString &caption, std::function<void()> does) {
    QAction *a = menu->addAction(caption);
    a->setObjectName(QLatin1String(name));
    connect(a, &QAction::triggered, this, std::move(does));
    return a;
}

void Tmainform::addUnavailableItem(QMenu *menu, const char *name, const QString &caption) {
    QString what = caption;
    what.remove(QLatin1Char('&'));
    addMenuItem(menu, name, caption, [this, what] { notAvailable(what); });
}

void Tmainform::buildMenus() {
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu1"));

    menu_Special = bar->addMenu(QStringLiteral("Special"));
    menu_Special->setObjectName(QStringLiteral("menu_Special"));
    addUnavailableItem(menu_Special, "Menu_SQL", QStringLiteral("Přístup do DB"));
    addMenuItem(menu_Special, "Menu_Scramble", QStringLiteral("Zakódování řetezce"), [this] { scrambleText(); });

    Menu_Tools = bar->addMenu(QStringLiteral("Ná&stroje"));
    Menu_Tools->setObjectName(QStringLiteral("Menu_Tools"));
    const char *enc[] = {"Windows", "Latin2", "Kamenický"};
    const char *encName[] = {"Windows", "Latin", "Kamenicky"};
    const QString codes[] = {QStringLiteral("W"), QStringLiteral("L"), QStringLiteral("K")};
    const QString tables[] = {QString(), QStringLiteral("ADRESAR_ZAKL"), QStringLiteral("KU"), QStringLiteral("UKOLY")};
    auto importMenu = [&](const char *name, const QString &caption, int n) {
        QMenu *m = Menu_Tools->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        const QString table = tables[n];
        for (int i = 0; i < 3; ++i) {
            const QString code = codes[i];
            addMenuItem(m, QStringLiteral("Menu_FromFileTypeCSV%1%2").arg(QLatin1String(encName[i])).arg(n).toLatin1().constData(),
                        QStringLiteral("ze souboru typu CSV v kódování %1").arg(QString::fromUtf8(enc[i])),
                        [this, table, code] { RunCsvImport(this, *SQLDATA, table, code); });
        }
        for (int i = 0; i < 3; ++i) {
            const QString code = codes[i];
            addMenuItem(m, QStringLiteral("Menu_FromFileTypeDBF%1%2").arg(QLatin1String(encName[i])).arg(n).toLatin1().constData(),
                        QStringLiteral("ze souboru typu DBF v kódování %1").arg(QString::fromUtf8(enc[i])),
                        [this, table, code] { RunDbfImport(this, *SQLDATA, table, code); });
        }
        return m;
    };
    QMenu *importAddress = importMenu("Menu_ImportToAddress", QStringLiteral("Import do adresáře"), 1);
    addMenuItem(importAddress, "menu_FromProgramVIRAN", QStringLiteral("z programu VIRAN"), [this] { RunViranImport(this, *SQLDATA); });
    importMenu("Menu_ImportToCalendar", QStringLiteral("Import do kalendáře"), 2);
    importMenu("Menu_ImportToSchedule", QStringLiteral("Import do úkolů"), 3);
    auto exportMenu = [&](const char *name, const QString &caption, int n) {
        QMenu *m = Menu_Tools->addMenu(caption);
        m->setObjectName(QLatin1String(name));
        const QString table = tables[n];
        for (int i = 0; i < 3; ++i) {
            const QString code = codes[i];
            addMenuItem(m, QStringLiteral("Menu_ToFileTypeCSV%1%2").arg(QLatin1String(encName[i])).arg(n).toLatin1().constData(),
                        QStringLiteral("do souboru typu CSV v kódování %1").arg(QString::fromUtf8(enc[i])),
                        [this, table, code] { RunCsvExport(this, *SQLDATA, table, code); });
        }
    };
    exportMenu("Menu_ExportFromAddress", QStringLiteral("Export adresáře"), 1);
    exportMenu("Menu_ExportFromCalendar", QStringLiteral("Export kalendáře"), 2);
    exportMenu("Menu_ExportFromSchedule", QStringLiteral("Export úkolů"), 3);
    Menu_Tools->addSeparator();
    const auto outlook = [this] {
        prompt().message(QStringLiteral("Program Outlook není na tomto počítači k dispozici."), Prompt::Kind::Information);
    };
    addMenuItem(Menu_Tools, "Menu_ImportFromOutlook", QStringLiteral("Import z &Outlooku"), outlook);
    addMenuItem(Menu_Tools, "Menu_DeleteCalendarInOutlook", QStringLiteral("&Výmaz kalendáře v Outlooku"), outlook);
    addMenuItem(Menu_Tools, "Menu_ExportCalendarToOutlook", QStringLiteral("&Export kalendáře do Outlooku"), outlook);
    addUnavailableItem(Menu_Tools, "Menu_ExportCalendarToOrganiser", QStringLiteral("E&xport kalendáře pro organizér"));
    Menu_Tools->addSeparator();
    addUnavailableItem(Menu_Tools, "menu_ImportFromFileOfTypeZorva", QStringLiteral("Import položky ze souboru typu ZORVA"));
    addUnavailableItem(Menu_Tools, "menu_ImportMoreFilesOfTypeZorva", QStringLiteral("Import více položek najednou ze souborů typu ZORVA"));
    addUnavailableItem(Menu_Tools, "Menu_AssignOneFile", QStringLiteral("Přiřazení jednoho souboru do adresáře dle obsažených mailů"));
    addUnavailableItem(Menu_Tools, "Menu_AssignMoreFiles", QStringLiteral("Přiřazení více souborů do adresáře dle obsažených mailů"));
    addUnavailableItem(Menu_Tools, "Menu_GetFilesFromMailbox", QStringLiteral("Načtení souborů z poštovního účtu"));
    Menu_Tools->addSeparator();
    addUnavailableItem(Menu_Tools, "Menu_SetTimeFromInternet", QStringLiteral("&Nastavení času z internetu"));
    addUnavailableItem(Menu_Tools, "Menu_BrowseComputerInNet", QStringLiteral("&Přehled počítačů v síti"));
    addUnavailableItem(Menu_Tools, "Menu_MonitorClipboard", QStringLiteral("&Monitorování schránky (Clipboard)"));
    addUnavailableItem(Menu_Tools, "Menu_BackgroundDesktop", QStringLiteral("Poz&adí plochy"));
    addUnavailableItem(Menu_Tools, "Menu_TextEditor", QStringLiteral("Textový editor"));
    Menu_Tools->addSeparator();
    addUnavailableItem(Menu_Tools, "Menu_PrintCalendar", QStringLiteral("Tisk kalendáře"));
    addUnavailableItem(Menu_Tools, "Menu_PrintLabels", QStringLiteral("Tisk štítků"));
    addUnavailableItem(Menu_Tools, "Menu_PrintPostalOrderA", QStringLiteral("Tisk složenky A"));
    Menu_Tools->addSeparator();
    addMenuItem(Menu_Tools, "Menu_PasswordMD5", QStringLiteral("Generátor hesel"), [this] { showPasswordGenerator(); });
    addUnavailableItem(Menu_Tools, "Menu_ExportToMailReminder", QStringLiteral("Export událostí do emailového upozorňovače"));

    Menu_Options = bar->addMenu(QStringLiteral("N&astavení"));
    Menu_Options->setObjectName(QStringLiteral("Menu_Options"));
    addMenuItem(Menu_Options, "Menu_ZobrazovatKnihuJizd", QStringLiteral("&Zobrazovat/Nezobrazovat knihu jízd v levém panelu"), [this] { toggleBookDrive(); });
    addMenuItem(Menu_Options, "Menu_RunStartup", QStringLiteral("A&utomaticky spuštět po startu"), [this] { runAtStartup(true); });
    addMenuItem(Menu_Options, "Menu_NotRunStartup", QStringLiteral("Z&rušení automatického spouštění po startu"), [this] { runAtStartup(false); });
    addMenuItem(Menu_Options, "Menu_AsociateExtensionZORVA", QStringLiteral("Asociovat příponu ZORVA"), [this] { associateExtension(); });
    Menu_Options->addSeparator();
    addUnavailableItem(Menu_Options, "Menu_Color", QStringLiteral("&Nastavení zobrazení"));
    addMenuItem(Menu_Options, "Menu_Setting", QStringLiteral("Nastavení"), [this] { showOptions(); });
    addMenuItem(Menu_Options, "Menu_Language", QStringLiteral("&Jazyk"), [this] { showLanguage(); });

    Menu_Help = bar->addMenu(QStringLiteral("&Nápověda"));
    Menu_Help->setObjectName(QStringLiteral("Menu_Help"));
    addMenuItem(Menu_Help, "Menu_Help2", QStringLiteral("&Nápověda"), [this] { openHelp(); });
    addMenuItem(Menu_Help, "Menu_ZorvaHomePage", QStringLiteral("Zorva na &internetu"), [this] { openWebPage(QStringLiteral("/zorva/fromzorva.php?")); });
    addMenuItem(Menu_Help, "Menu_NewVersion", QStringLiteral("&Je na internetu dostupná nová verze ?"), [this] { openWebPage(QStringLiteral("/zorva/verze.php?")); });
    addMenuItem(Menu_Help, "Menu_About", QStringLiteral("&O programu"), [this] { showAbout(); });

    PopupMenu1 = new QMenu(this);
    PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    addMenuItem(PopupMenu1, "Menu_NewSimpleEvent", QStringLiteral("&Vložit novou jednoduchou událost"), [this] { OpenJu(0); });
    addMenuItem(PopupMenu1, "Menu_SendMessage", QStringLiteral("&Odeslat zprávu jiné stanici"), [this] { OpenJu(0); });
    addUnavailableItem(PopupMenu1, "Menu_NextPictureToDesktop", QStringLiteral("&Další obrázek na plochu"));
    addUnavailableItem(PopupMenu1, "Menu_ConvertClipboardToText", QStringLiteral("&Převést obsah schránky na text"));
    addUnavailableItem(PopupMenu1, "Menu_SaveToNetClipboard", QStringLiteral("&Uložit do síťové schránky"));
    addUnavailableItem(PopupMenu1, "Menu_GetFromNetClipboard", QStringLiteral("&Načíst ze síťové schránky"));
    PopupMenu1->addSeparator();
    addMenuItem(PopupMenu1, "Menu_Maximize", QStringLiteral("&Maximalizovat"), [this] { bringToFront(); });
    addMenuItem(PopupMenu1, "Menu_Quit", QStringLiteral("&Ukončit program"), [this] { close(); });

    PopupMenuKategorie = new QMenu(this);
    PopupMenuKategorie->setObjectName(QStringLiteral("PopupMenuKategorie"));
    addMenuItem(PopupMenuKategorie, "Menu_SelectAllCategory", QStringLiteral("Označit všechny kategorie"),
                [this] { BulkCategoryChange(CategoryStripState::Bulk::CheckAll); });
    addMenuItem(PopupMenuKategorie, "Menu_UnselectAllCategory", QStringLiteral("Odoznačit všechny kategorie"),
                [this] { BulkCategoryChange(CategoryStripState::Bulk::UncheckAll); });
    addMenuItem(PopupMenuKategorie, "Menu_InvertSelectAllCategory", QStringLiteral("Obrátit označení všech"),
                [this] { BulkCategoryChange(CategoryStripState::Bulk::Invert); });

    PopupMenu_JF = new QMenu(this);
    PopupMenu_JF->setObjectName(QStringLiteral("PopupMenu_JF"));
    const char *const sums[][3] = {{"Menu_JF_Odberatel", "Součet za odběratele", "Browse_JF_ODBERATEL"},
                                   {"Menu_JF_Den", "Součet po dnech", "Browse_JF_DEN"},
                                   {"Menu_JF_Mesic", "Součet po měsících", "Browse_JF_MESIC"},
                                   {"Menu_JF_Ctvrtleti", "Součet po čtvrtletí", "Browse_JF_CTVRTLETI"},
                                   {"Menu_JF_Rok", "Součet po rocích", "Browse_JF_ROK"}};
    for (const auto &s : sums) {
        const QString panel = QLatin1String(s[2]);
        addMenuItem(PopupMenu_JF, s[0], QString::fromUtf8(s[1]), [this, panel] { ShowPanel(panel); });
    }
}

void Tmainform::buildTray() {
    if (m_tray || !QSystemTrayIcon::isSystemTrayAvailable())
        return;
    m_tray = new QSystemTrayIcon(QApplication::windowIcon().isNull() ? style()->standardIcon(QStyle::SP_ComputerIcon) : QApplication::windowIcon(), this);
    m_tray->setToolTip(QApplication::applicationDisplayName());
    m_tray->setContextMenu(PopupMenu1);
    connect(m_tray, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger)
            bringToFront();
    });
    m_tray->show();
}

void Tmainform::buildTimers() {
    auto make = [this](QTimer *&t, const char *name, int ms) {
        t = new QTimer(this);
        t->setObjectName(QLatin1String(name));
        t->setInterval(ms);
    };
    make(Timer1, "Timer1", 2000);
    make(Timer_ZIVOT, "Timer_ZIVOT", 60000);
    make(TimerJU, "TimerJU", 10000);
    make(Timer_POZADI, "Timer_POZADI", 60000);
    connect(Timer1, &QTimer::timeout, this, [this] { timer1Tick(); });
    connect(Timer_ZIVOT, &QTimer::timeout, this, [this] { heartbeat(); });
    static SystemClockSource systemClock;
    m_clockWatch = std::make_unique<ClockWatch>(systemClock);
}

// ---------------------------------------------------------------------------------------------

void Tmainform::ApplyConfiguration(const Configuration &config) {
    m_config = config;
    const bool lite = config.lite == 1;
    setPageVisible(QStringLiteral("LOP_Calendar"), config.calendarVisible);
    setPageVisible(QStringLiteral("LOP_Alarm"), config.alarmVisible);
    setPageVisible(QStringLiteral("LOP_BookDrive"), config.kjVisible == 1 && !lite);
    setPageVisible(QStringLiteral("LOP_Address"), config.addressVisible);
    setPageVisible(QStringLiteral("LOP_Setting"), config.settingVisible && Session::isAdministrator());
    setPageVisible(QStringLiteral("LOP_Schedule"), config.scheduleVisible);
    setPageVisible(QStringLiteral("LOP_Notes"), config.notesVisible);
    setPageVisible(QStringLiteral("LOP_JU"), config.juVisible);
    setPageVisible(QStringLiteral("LOP_Revize"), config.revizeVisible && !lite);
    setPageVisible(QStringLiteral("LOP_JF"), config.jfVisible && !lite);
    setPageVisible(QStringLiteral("LOP_PRAV_PL"), config.pravPlVisible && !lite);
    setPageVisible(QStringLiteral("LOP_ZBOZI"), config.goodsVisible);
    setPageVisible(QStringLiteral("LOP_OBCHOD"), config.obchodVisible == 1);
    setPageVisible(QStringLiteral("LOP_BANKA"), config.bankVisible);
    setPageVisible(QStringLiteral("LOP_ZAKAZKY"), config.orderVisible);
    menu_Special->menuAction()->setVisible(config.superadmin == 1);
    if (QAction *toggle = findChild<QAction *>(QStringLiteral("Menu_ZobrazovatKnihuJizd")))
        toggle->setVisible(!lite);
}

void Tmainform::setPageVisible(const QString &pageName, bool visible) {
    QWidget *page = nullptr;
    int order = 0;
    for (QWidget *p : m_pages) {
        if (p->objectName() == pageName) {
            page = p;
            break;
        }
        if (JvLookOut1->indexOf(p) >= 0)
            ++order;
    }
    if (!page)
        return;
    const int index = JvLookOut1->indexOf(page);
    if (visible && index < 0) {
        JvLookOut1->insertItem(order, page, m_pageCaptions[pageName]);
    } else if (!visible && index >= 0) {
        // The caption may have been translated; keep it for when the page comes back.
        m_pageCaptions[pageName] = JvLookOut1->itemText(index);
        JvLookOut1->removeItem(index);
        page->setParent(this);
        page->hide();
    }
}

QString Tmainform::CurrentPage() const {
    QWidget *w = JvLookOut1->currentWidget();
    return w ? w->objectName() : QString();
}

void Tmainform::SelectPageByKey(const QString &key) {
    const QString page = PageForKey(key);
    if (page.isEmpty())
        return;
    for (int i = 0; i < JvLookOut1->count(); ++i)
        if (JvLookOut1->widget(i)->objectName() == page)
            JvLookOut1->setCurrentIndex(i);
}

void Tmainform::applyAdministratorRights() {
    const bool admin = Session::isAdministrator();
    setPageVisible(QStringLiteral("LOP_Setting"), m_config.settingVisible && admin);
    for (const char *name : {"Menu_ImportToAddress", "Menu_ImportToCalendar", "Menu_ImportToSchedule", "Menu_ExportFromAddress",
                             "Menu_ExportFromCalendar", "Menu_ExportFromSchedule"})
        if (QMenu *m = findChild<QMenu *>(QLatin1String(name)))
            m->menuAction()->setEnabled(admin);
}

// ---------------------------------------------------------------------------------------------

bool Tmainform::Start(const QString &programPath, const StartupCommand &command, LoginUi &loginUi, SingleInstance *instance) {
    m_programPath = programPath;
    m_instance = instance;
    const QString folder = ProgramFolder(programPath);
    m_ini = std::make_unique<IniFile>(Configuration::iniPathFor(programPath));
    if (command.kind == StartupCommand::Kind::SetupLocal)
        WriteLocalFirebirdConf(folder);
    else if (command.kind == StartupCommand::Kind::SetupNet)
        SetupNetFirebird(*m_ini, systemInfo().computerName(), programPath);

    m_db = std::make_unique<TSQLDATA>();
    SQLDATA = m_db.get();
    connect(m_db.get(), &TDataModuleIb::databaseChanged, this, [this] { DbChanged(); }, Qt::QueuedConnection);

    m_ini->reload();
    const Configuration config = Configuration::load(*m_ini, programPath);
    if (config.disk == QLatin1String("removable"))
        WriteLocalFirebirdConf(folder);

    m_services = std::make_unique<DatabaseStartupServices>(*m_db);
    m_controller = std::make_unique<StartupController>(*m_services, loginUi);
    const StartupController::Result result = m_controller->start(config, systemInfo().userName());
    if (result != StartupController::Result::Working) {
        m_controller->shutdown();
        return false;
    }
    m_started = true;
    // The window speaks the user's language from here on.
    TranslateWindow();
    ApplyConfiguration(config);
    applyAdministratorRights();

    UserSettings &settings = CurrentUserSettings();
    // The strip was made before anybody logged in; the user's categories and selection now.
    m_strip.kind = CategoryStripState::Kind::None;
    const QString firstPanel = settings.lastView.isEmpty() ? QStringLiteral("MonthPanel") : settings.lastView;
    ShowPanel(firstPanel);
    SelectPageByKey(settings.lastPage);

    if (m_db->SelectInt(QStringLiteral("Select ZOBRAZOVAT_PF from JF_CONF")) != 1)
        findChild<QWidget *>(QStringLiteral("LookOutButtonBrowsePF"))->hide();
    if (m_db->SelectInt(QStringLiteral("Select ZOBRAZOVAT_FADO from JF_CONF")) != 1)
        findChild<QWidget *>(QStringLiteral("LookOutButtonBrowseFADO"))->hide();

    setGeometry(RestoredGeometry(geometry(), settings.windowLeft, settings.windowTop, settings.windowHeight, settings.windowWidth));
    JvLookOut1->setVisible(settings.navigationBarShown);

    buildTray();
    Timer1->start();
    Timer_ZIVOT->start();
    TimerJU->start();
    if (settings.wallpaperInterval > 0) {
        Timer_POZADI->setInterval(settings.wallpaperInterval * 60000);
        Timer_POZADI->start();
    }
    keepOnScreen();

    if (command.kind == StartupCommand::Kind::ItemFile) {
        if (instance && instance->writeHandOverFile(command.parameter))
            m_paramPending = true;
        else
            prompt().message(LangText(1013), Prompt::Kind::Error);
    }
    if (instance) {
        connect(instance, &SingleInstance::activationRequested, this, [this] { bringToFront(); });
        connect(instance, &SingleInstance::handedOver, this, [this](const QString &text, bool ok) {
            bringToFront();
            ParamHandOver(text, ok);
        });
    }
    StatusBar1->showMessage(QStringLiteral("Přihlášen: %1").arg(m_db->SelectStr(
        QStringLiteral("Select popis from uzivatel where uzivatel_id=%1").arg(Session::currentUserId()))));
    return true;
}

void Tmainform::Shutdown() {
    if (m_shutDown)
        return;
    m_shutDown = true;
    Timer1->stop();
    Timer_ZIVOT->stop();
    TimerJU->stop();
    Timer_POZADI->stop();
    if (m_controller) {
        if (m_controller->loggedIn()) {
            UserSettings &settings = CurrentUserSettings();
            const QRect g = geometry();
            settings.windowLeft = g.left();
            settings.windowTop = g.top();
            settings.windowHeight = g.height();
            settings.windowWidth = g.width();
            const QString key = KeyForPage(CurrentPage());
            if (!key.isEmpty())
                settings.lastPage = key;
        }
        m_controller->shutdown();
    }
    if (m_tray)
        m_tray->hide();
}

void Tmainform::closeEvent(QCloseEvent *event) {
    Shutdown();
    event->accept();
    QApplication::quit();
}

void Tmainform::keepOnScreen() {
    QScreen *screen = this->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const int caption = style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QRect placed = KeepOnScreen(geometry(), area.width(), area.height() + caption);
    if (placed != geometry())
        setGeometry(placed);
}

void Tmainform::changeEvent(QEvent *event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        onActivated();
    if (event->type() == QEvent::WindowStateChange && isMinimized() && m_tray && m_tray->isVisible())
        QTimer::singleShot(0, this, [this] { hide(); });
    TFormLokalizace<QMainWindow>::changeEvent(event);
}

bool Tmainform::event(QEvent *event) {
    if (event->type() == QEvent::Show && m_started && !m_firstActivationDone)
        QTimer::singleShot(0, this, [this] { onActivated(); });
    return TFormLokalizace<QMainWindow>::event(event);
}

void Tmainform::onActivated() {
    if (!m_started || m_shutDown)
        return;
    if (Session::currentUserId() == 0) {
        close();
        return;
    }
    if (m_paramPending) {
        m_paramPending = false;
        bool ok = false;
        const QString text = m_instance ? m_instance->readHandOverFile(&ok) : QString();
        ParamHandOver(text, ok);
    }
    JvLookOut1->setVisible(CurrentUserSettings().navigationBarShown);
    if (TFrameWorkView *year = View(ViewKind::Year); year && year->isVisible())
        year->refresh();
    if (!m_firstActivationDone) {
        m_firstActivationDone = true;
        QTimer::singleShot(0, this, [this] { StartOverview(); });
    }
}

void Tmainform::bringToFront() {
    showNormal();
    raise();
    activateWindow();
}

// ---------------------------------------------------------------------------------------------

TFrameWorkView *Tmainform::View(ViewKind kind) const {
    if (kind == ViewKind::List)
        return m_grid;
    auto it = m_views.find(kind);
    return it == m_views.end() ? nullptr : it->second;
}

QList<QWidget *> Tmainform::WorkViews() const {
    QList<QWidget *> all;
    for (const auto &v : m_views)
        all << v.second;
    all << m_grid;
    return all;
}

void Tmainform::ShowPanel(const QString &name, const QString &condition) {
    for (QWidget *v : WorkViews())
        v->hide();
    m_currentPanel = name;
    if (m_started)
        CurrentUserSettings().lastView = name;

    const PanelSpec panel = DescribePanel(name);
    switch (panel.strip) {
    case StripMode::Hidden: Panel2->hide(); break;
    case StripMode::Calendar: rebuildCategoryStrip(CategoryStripState::Kind::Calendar); Panel2->show(); break;
    case StripMode::Address: rebuildCategoryStrip(CategoryStripState::Kind::Address); Panel2->show(); break;
    case StripMode::Unchanged: Panel2->show(); break;
    }

    TFrameWorkView *view = View(panel.view);
    if (panel.view == ViewKind::List && openList(name, panel.passCondition ? condition : QString())) {
        view->show();
        return;
    }
    if (panel.view == ViewKind::List) {
        m_grid->setContent(nullptr);
        QString detail = QStringLiteral("Seznam „%1“ zatím není k dispozici.").arg(name);
        if (panel.passCondition && !condition.isEmpty())
            detail += QStringLiteral("\nPodmínka: %1").arg(condition);
        view->setTitle(name);
        view->setDetail(detail);
    }
    if (panel.view == ViewKind::BrowsePanel || panel.view == ViewKind::TripEntry || panel.view == ViewKind::Notes || panel.view == ViewKind::List)
        view->refresh();
    describeCalendarViews();
    view->show();
}

bool Tmainform::openList(const QString &name, const QString &condition) {
    if (!SQLDATA || !SQLDATA->Connected() || !FindBrowseDefinition(name))
        return false;
    BrowseContext context = BrowseContextForUser(*SQLDATA, Session::currentUserId());
    // The categories as the strip shows them now, not as they were last saved.
    const QString chosen = m_strip.filter() == QLatin1String("0") ? QString() : m_strip.filter();
    if (m_strip.kind == CategoryStripState::Kind::Calendar)
        context.calendarCategories = chosen;
    else if (m_strip.kind == CategoryStripState::Kind::Address)
        context.addressCategories = chosen;
    context.periodType = m_config.revizePeriodType.left(1).isEmpty() ? QStringLiteral("M") : m_config.revizePeriodType.left(1);
    m_grid->setContent(m_stringGrid);
    if (!m_stringGrid->OpenDefinition(name, condition, context)) {
        m_grid->setContent(nullptr);
        m_grid->setTitle(name);
        m_grid->setDetail(QString());
        return true;
    }
    m_grid->refresh();
    return true;
}

void Tmainform::DbChanged() {
    if (Session::currentUserId() == 0)
        return;
    if (SQLDATA && SQLDATA->Connected())
        SQLDATA->RestartTransaction();
    for (ViewKind kind : {ViewKind::BrowsePanel, ViewKind::Month, ViewKind::Year, ViewKind::List, ViewKind::Notes})
        if (TFrameWorkView *v = View(kind); v && v->isVisible())
            v->refresh();
    if (m_grid->isVisible() && m_stringGrid->isVisible())
        m_stringGrid->Refresh();
}

void Tmainform::ParamHandOver(const QString &text, bool ok) {
    if (!ok || text.trimmed().isEmpty()) {
        prompt().message(LangText(1018), Prompt::Kind::Error);
        return;
    }
    notAvailable(QStringLiteral("Otevření souboru %1").arg(text));
}

void Tmainform::StartOverview() {
    const UserSettings &settings = CurrentUserSettings();
    if (OpenOverviewAtStart(settings.overviewAtStart, systemInfo().uptimeMs()))
        notAvailable(QStringLiteral("Přehled událostí na %1 dny").arg(settings.overviewDays));
}

// ---------------------------------------------------------------------------------------------

void Tmainform::rebuildCategoryStrip(CategoryStripState::Kind kind) {
    if (kind == m_strip.kind)
        return;
    m_strip = CategoryStripState();
    m_strip.kind = kind;
    if (SQLDATA && SQLDATA->Connected()) {
        TMKDATASET data;
        SQLDATA->FillDataset(CategoryQuery(kind), data);
        const bool calendar = kind == CategoryStripState::Kind::Calendar;
        const QString prefix = calendar ? QStringLiteral("KU_C_KAT_") : QStringLiteral("ADRESAR_C_KAT_");
        for (int row = 1; row <= data.RecordCount() && m_strip.boxes.size() < kMaxCategoryBoxes; ++row) {
            CategoryBox box;
            box.id = data.ValueByName(row, prefix + QStringLiteral("ID")).toInt();
            box.name = data.ValueByName(row, prefix + QStringLiteral("NAZEV"));
            box.colour = data.ValueByName(row, prefix + QStringLiteral("BARVA")).toInt();
            m_strip.boxes << box;
        }
        const UserSettings &settings = CurrentUserSettings();
        m_strip.applySelection(calendar ? settings.calendarCategories : settings.addressCategories);
    }
    layoutCategoryBoxes();
}

void Tmainform::SetCategoryStrip(const CategoryStripState &state) {
    m_strip = state;
    layoutCategoryBoxes();
}

void Tmainform::layoutCategoryBoxes() {
    qDeleteAll(m_boxes);
    m_boxes.clear();
    const bool titles = m_config.displayTitleCategory == 1;
    auto *box0 = new QCheckBox(Panel_kategorie);
    box0->setToolTip(LangText(1079));
    box0->setGeometry(25, 2, 25, 22);
    box0->setChecked(m_strip.box0);
    m_boxes << box0;
    int x = 25 + 35;
    for (int i = 0; i < m_strip.boxes.size(); ++i) {
        const CategoryBox &c = m_strip.boxes[i];
        auto *b = new QCheckBox(Panel_kategorie);
        b->setToolTip(c.name);
        b->setChecked(c.checked);
        b->setAutoFillBackground(true);
        QPalette pal = b->palette();
        pal.setColor(QPalette::Window, WindowsColour(c.colour));
        b->setPalette(pal);
        if (titles) {
            b->setText(c.name);
            b->adjustSize();
            b->move(x, 2);
            x += b->width() + 10;
        } else {
            b->setGeometry((i + 1) * 35 + 25, 2, 25, 22);
            x = (i + 1) * 35 + 25 + 35;
        }
        m_boxes << b;
    }
    for (int i = 0; i < m_boxes.size(); ++i) {
        connect(m_boxes[i], &QCheckBox::toggled, this, [this, i](bool on) {
            if (i == 0)
                m_strip.box0 = on;
            else
                m_strip.boxes[i - 1].checked = on;
            if (!m_bulkChange)
                categoryChanged();
        });
        m_boxes[i]->show();
    }
    Panel_kategorie->resize(qMax(x, 100), 26);
}

void Tmainform::SetCategoryChecked(int index, bool checked) {
    if (index >= 0 && index < m_boxes.size())
        m_boxes[index]->setChecked(checked);
}

void Tmainform::BulkCategoryChange(CategoryStripState::Bulk change) {
    // One refresh for the whole change, not one per box.
    CategoryStripState target = m_strip;
    target.applyBulk(change);
    m_bulkChange = true;
    for (int i = 0; i < target.boxes.size(); ++i)
        m_boxes[i + 1]->setChecked(target.boxes[i].checked);
    m_bulkChange = false;
    m_strip = target;
    categoryChanged();
}

void Tmainform::categoryChanged() {
    const bool stripView = View(ViewKind::BrowsePanel)->isVisible() || View(ViewKind::Month)->isVisible()
                           || View(ViewKind::Year)->isVisible() || m_grid->isVisible();
    if (stripView)
        storeCategorySelection();
    refreshStripViews();
}

void Tmainform::storeCategorySelection() {
    if (m_strip.kind == CategoryStripState::Kind::Calendar)
        CurrentUserSettings().calendarCategories = m_strip.selectionText();
    else if (m_strip.kind == CategoryStripState::Kind::Address)
        CurrentUserSettings().addressCategories = m_strip.selectionText();
}

void Tmainform::refreshStripViews() {
    for (ViewKind kind : {ViewKind::BrowsePanel, ViewKind::Month, ViewKind::Year, ViewKind::List, ViewKind::TripEntry})
        if (TFrameWorkView *v = View(kind); v && v->isVisible())
            v->refresh();
    describeCalendarViews();
}

void Tmainform::describeCalendarViews() {
    const QDate today = QDate::currentDate();
    const QDate start = CurrentUserSettings().monthViewStart == 1 ? today : QDate(today.year(), today.month(), 1);
    View(ViewKind::Month)->setDetail(QStringLiteral("Od %1, kategorie %2.\nMěsíční pohled zatím není k dispozici.")
                                         .arg(start.toString(QStringLiteral("d.M.yyyy")), m_strip.filter()));
    View(ViewKind::Year)->setDetail(QStringLiteral("Rok %1, kategorie %2.\nRoční pohled zatím není k dispozici.").arg(today.year()).arg(m_strip.filter()));
}

// ---------------------------------------------------------------------------------------------

void Tmainform::timer1Tick() {
    Timer1->stop();
    // A changed system time moves every alarm moment; the schedule is read again.
    if (m_clockWatch->check())
        StatusBar1->showMessage(QStringLiteral("Systémový čas byl změněn."), 10000);
    Timer1->start();
}

void Tmainform::heartbeat() {
    if (m_services && Session::currentUserId() != 0)
        m_services->login().Heartbeat(true, m_config.netWaitTime);
}

void Tmainform::notAvailable(const QString &what) {
    prompt().message(QStringLiteral("%1: tato část programu zatím není k dispozici.").arg(what), Prompt::Kind::Information);
}

void Tmainform::RegisterEditorFactory(EditorKind kind, EditorPool::Factory factory) {
    m_pools[kind] = std::make_unique<EditorPool>(std::move(factory));
}

void Tmainform::openPooled(EditorKind kind, const QString &lockTable, const EditorRequest &request, const QString &what) {
    auto it = m_pools.find(kind);
    if (it == m_pools.end()) {
        notAvailable(what);
        return;
    }
    EditorRequest r = request;
    PooledEditor *editor = nullptr;
    if (!r.isNew && !lockTable.isEmpty() && SQLDATA)
        editor = it->second->acquireForRecord(lockTable, r.key, SQLDATA->NetMode(),
                                              [](const QString &table, int key, int mode) { return SQLDATA->LockRecordAsk(table, key, mode); }, &r.slot);
    else
        editor = it->second->acquire(&r.slot);
    if (editor)
        editor->open(r);
}

void Tmainform::ShowBrowseRange(const QDate &from, const QDate &to) {
    m_browseFrom = from;
    m_browseTo = to;
    ShowPanel(QStringLiteral("BrowsePanel"));
    View(ViewKind::BrowsePanel)->setDetail(QStringLiteral("Od %1 do %2.\nPřehled událostí zatím není k dispozici.")
                                               .arg(from.toString(QStringLiteral("d.M.yyyy")), to.toString(QStringLiteral("d.M.yyyy"))));
}

void Tmainform::OpenNewEvent(const QDate &date, const QTime &time) {
    EditorRequest r;
    r.isNew = true;
    r.date = date;
    r.time = time;
    openPooled(EditorKind::Event, QString(), r, QStringLiteral("Editor událostí"));
}

void Tmainform::OpenEvent(int key) {
    EditorRequest r;
    r.key = key;
    openPooled(EditorKind::Event, QStringLiteral("KU"), r, QStringLiteral("Editor událostí"));
}

void Tmainform::OpenAddress(int key) {
    EditorRequest r;
    r.key = key;
    r.isNew = key == 0;
    openPooled(EditorKind::Address, QStringLiteral("ADRESAR_ZAKL"), r, QStringLiteral("Editor adresáře"));
}

void Tmainform::OpenTask(int key) {
    EditorRequest r;
    r.key = key;
    r.isNew = key == 0;
    openPooled(EditorKind::Task, QStringLiteral("UKOLY"), r, QStringLiteral("Editor úkolů"));
}

void Tmainform::OpenJu(int key) {
    EditorRequest r;
    r.key = key;
    r.isNew = key == 0;
    openPooled(EditorKind::Ju, QString(), r, QStringLiteral("Editor JU"));
}

void Tmainform::OpenAddressSpec(int) { notAvailable(QStringLiteral("Editor speciálních adres")); }
void Tmainform::OpenCar(int) { notAvailable(QStringLiteral("Editor aut")); }
void Tmainform::OpenAddressCategory(int) { notAvailable(QStringLiteral("Editor kategorií adresáře")); }
void Tmainform::OpenCalendarCategory(int) { notAvailable(QStringLiteral("Editor kategorií kalendáře")); }
void Tmainform::OpenGenericEditor(int, int definition) { notAvailable(QStringLiteral("Editor záznamu (definice %1)").arg(definition)); }

void Tmainform::OpenUser(int key) {
    if (!SQLDATA)
        return;
    auto *editor = CreateLocalised<Tedit_UZIVATEL>(*SQLDATA, this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->Load(key);
    editor->show();
}

void Tmainform::OpenUserGroup(int key) {
    if (!SQLDATA)
        return;
    auto *editor = CreateLocalised<Tedit_UZIVSKUPINA>(*SQLDATA, this);
    editor->setAttribute(Qt::WA_DeleteOnClose);
    editor->Load(key);
    editor->show();
}

// ---------------------------------------------------------------------------------------------

void Tmainform::toggleBookDrive() {
    const bool show = m_config.kjVisible != 1;
    m_config.kjVisible = show ? 1 : 0;
    setPageVisible(QStringLiteral("LOP_BookDrive"), show && m_config.lite != 1);
    if (m_ini)
        m_ini->writeInteger(QStringLiteral("KJ"), QStringLiteral("visible"), show ? 1 : 0);
}

void Tmainform::runAtStartup(bool on) {
    XdgAutostart autostart;
    const bool ok = on ? autostart.enable(QApplication::applicationFilePath()) : autostart.disable();
    if (!ok)
        prompt().message(QStringLiteral("Automatické spouštění se nepodařilo nastavit (%1).").arg(autostart.entryPath()), Prompt::Kind::Error);
}

void Tmainform::associateExtension() {
    XdgFileAssociation association;
    if (association.associate(QApplication::applicationFilePath()))
        prompt().message(LangText(1020), Prompt::Kind::Information);
    else
        prompt().message(LangText(1021), Prompt::Kind::Error);
}

void Tmainform::showOptions() {
    if (!m_options)
        m_options = CreateLocalised<TFormOptions>(m_ini.get(), &m_config, this);
    m_options->ShowStoredValues();
    m_options->exec();
}

void Tmainform::showLanguage() {
    if (!m_language)
        m_language = CreateLocalised<TForm_Jazyk>(this, this);
    m_language->exec();
    DbChanged();
}

void Tmainform::showPasswordGenerator() {
    if (!m_passwordGenerator)
        m_passwordGenerator = CreateLocalised<TForm_PasswordMD5>(this);
    m_passwordGenerator->show();
    m_passwordGenerator->raise();
}

void Tmainform::showCalculator() {
    // One calculator for the run, kept with its history between uses.
    if (!m_calculator) {
        m_calculator = new TForm_MKKALK(nullptr);
        m_calculator->setAttribute(Qt::WA_QuitOnClose, false);
        connect(this, &QObject::destroyed, m_calculator, &QObject::deleteLater);
    }
    m_calculator->show();
    m_calculator->raise();
    m_calculator->activateWindow();
}

void Tmainform::showAbout() {
    if (!m_about) {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        auto *box = new QDialog(this);
        box->setWindowTitle(QStringLiteral("Zorva - O programu"));
        auto *layout = new QVBoxLayout(box);
        auto *title = new QLabel(QStringLiteral("<h2>ZORVA</h2><p>Verze %1</p><p>Organizér a evidence malé firmy.</p>")
                                     .arg(QLatin1String(kProgramVersion)),
                                 box);
        title->setAlignment(Qt::AlignCenter);
        layout->addWidget(title);
        auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box);
        connect(buttons, &QDialogButtonBox::accepted, box, &QDialog::accept);
        layout->addWidget(buttons);
        m_about = box;
        QApplication::restoreOverrideCursor();
    }
    static_cast<QDialog *>(m_about)->exec();
}

void Tmainform::scrambleText() {
    QDialog dlg(this);
    dlg.setWindowTitle(QStringLiteral("Zakódování řetezce"));
    auto *form = new QFormLayout(&dlg);
    auto *text = new QLineEdit(&dlg);
    auto *key = new QLineEdit(&dlg);
    form->addRow(QStringLiteral("Řetězec"), text);
    form->addRow(QStringLiteral("Heslo"), key);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dlg);
    connect(buttons, &QDialogButtonBox::accepted, &dlg, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, &dlg, &QDialog::reject);
    form->addRow(buttons);
    if (dlg.exec() != QDialog::Accepted)
        return;
    const QString hex = ScrambleText(text->text(), key->text());
    prompt().message(QStringLiteral("%1\r\nVýsledek: %2").arg(hex, UnscrambleText(hex, key->text())), Prompt::Kind::Information);
}

void Tmainform::openHelp() {
    const QString path = QDir(ProgramFolder(m_programPath.isEmpty() ? QApplication::applicationFilePath() : m_programPath))
                             .filePath(QStringLiteral("help/index.html"));
    if (!QFileInfo::exists(path)) {
        prompt().message(QStringLiteral("Nápověda %1 nebyla nalezena.").arg(path), Prompt::Kind::Error);
        return;
    }
    if (!desktopShell().open(path))
        prompt().message(QStringLiteral("Nápovědu %1 se nepodařilo otevřít.").arg(path), Prompt::Kind::Error);
}

void Tmainform::openWebPage(const QString &path) {
    const int version = SQLDATA && SQLDATA->Connected() ? SQLDATA->SchemaVersion() : 0;
    const QString url = QLatin1String(kProductWebHost) + path + VersionText(version, CurrentUserSettings().language);
    if (!desktopShell().open(url))
        prompt().message(QStringLiteral("Adresu %1 se nepodařilo otevřít.").arg(url), Prompt::Kind::Error);
}
