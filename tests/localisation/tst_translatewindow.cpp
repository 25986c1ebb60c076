#include "localisation/langtext.h"
#include "data/usersettings.h"
#include "localisation/widgets/classkeys.h"
#include "localisation/widgets/formjazyk.h"
#include "localisation/widgets/formlokalizace.h"
#include "localisation/widgets/translatewindow.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace {
template <class T>
T *named(QObject *, const char *name, T *object) {
    object->setObjectName(QLatin1String(name));
    return object;
}
}

// The rights frame of the editors, as a frame class of the program would be declared.
class TFrame_Prava : public QWidget {
    Q_OBJECT
public:
    explicit TFrame_Prava(QWidget *parent) : QWidget(parent) {
        auto *layout = new QVBoxLayout(this);
        layout->addWidget(named(this, "Label_CIST", new QLabel(QStringLiteral("Číst"))));
    }
};

// A main window built the way the program builds its own: menus, tool bar, actions,
// navigation bar, a frame.
class Tmainform : public TFormLokalizace<QMainWindow> {
    Q_OBJECT
public:
    Tmainform() {
        setObjectName(QStringLiteral("mainform"));
        setWindowTitle(QStringLiteral("ZORVA"));
        QMenu *tools = named(this, "Menu_Tools", menuBar()->addMenu(QStringLiteral("Ná&stroje")));
        QMenu *import = named(this, "Menu_ImportToAddress", tools->addMenu(QStringLiteral("Import do adresáře")));
        named(this, "Menu_FromFileTypeCSVWindows1", import->addAction(QStringLiteral("ze souboru typu CSV v kódování Windows")));
        named(this, "Menu_ZobrazovatKnihuJizd", tools->addAction(QStringLiteral("&Zobrazovat/Nezobrazovat knihu jízd v levém panelu")));
        named(this, "Menu_RunStartup", tools->addAction(QStringLiteral("Automaticky spustit po startu")));
        QToolBar *bar = addToolBar(QStringLiteral("bar"));
        month = named(this, "Month", new QAction(QStringLiteral("Měsíc"), this));
        bar->addAction(month);
        panel = named(this, "SB_Panel", new QToolButton);
        bar->addWidget(panel);

        auto *central = new QWidget;
        auto *layout = new QVBoxLayout(central);
        navigation = new QToolBox;
        auto *page = named(this, "LOP_Calendar", new QWidget);
        auto *pageLayout = new QVBoxLayout(page);
        pageLayout->addWidget(named(this, "LOB_Month", new QPushButton(QStringLiteral("Měsíc"))));
        pageLayout->addWidget(named(this, "LOB_ListCalendarAlarm", new QToolButton));
        navigation->addItem(page, QStringLiteral("Kalendář"));
        layout->addWidget(navigation);
        layout->addWidget(named(this, "Frame_Prava1", new TFrame_Prava(central)));
        // A label of the window with the frame's label name: owners keep them apart.
        layout->addWidget(named(this, "Label_CIST", new QLabel(QStringLiteral("design"))));
        setCentralWidget(central);
    }
    QAction *month;
    QToolButton *panel;
    QToolBox *navigation;
};

class TForm_Nastaveni : public TFormLokalizace<QWidget> {
    Q_OBJECT
public:
    TForm_Nastaveni() {
        setObjectName(QStringLiteral("Form_Nastaveni"));
        auto *layout = new QVBoxLayout(this);
        tabs = named(this, "TabbedNotebook1", new QTabWidget);
        tabs->addTab(new QWidget, QStringLiteral("Kalendář - Barvy"));
        tabs->addTab(new QWidget, QStringLiteral("Přehledy"));
        layout->addWidget(tabs);
    }
    QTabWidget *tabs;
};

class TestTranslateWindow : public QObject {
    Q_OBJECT
    static QString menuText(QMainWindow *w, const char *name) {
        if (auto *m = w->findChild<QMenu *>(QLatin1String(name)))
            return m->title();
        return w->findChild<QAction *>(QLatin1String(name))->text();
    }
    static QString labelText(QObject *o, const char *name) {
        return o->findChild<QLabel *>(QLatin1String(name), Qt::FindDirectChildrenOnly)->text();
    }

private Q_SLOTS:
    void cleanup() { SetLanguageIndex(0); }

    void classKeys() {
        Tmainform w;
        auto key = [&](const char *name) { return LocalisationClassKey(w.findChild<QObject *>(QLatin1String(name))); };
        QCOMPARE(key("Menu_Tools"), QStringLiteral("TMenuItem"));
        QCOMPARE(key("Menu_RunStartup"), QStringLiteral("TMenuItem"));
        QCOMPARE(key("Month"), QStringLiteral("TAction"));
        QCOMPARE(key("SB_Panel"), QStringLiteral("TSpeedButton"));
        QCOMPARE(key("LOP_Calendar"), QStringLiteral("TJvLookOutPage"));
        QCOMPARE(key("LOB_Month"), QStringLiteral("TJvLookOutButton"));
        QCOMPARE(key("LOB_ListCalendarAlarm"), QStringLiteral("TJvLookOutButton"));
        QCOMPARE(key("Frame_Prava1"), QStringLiteral("TFrame"));
        QCOMPARE(key("Label_CIST"), QStringLiteral("TLabel"));

        QWidget form;
        auto *radio = new QGroupBox(QStringLiteral("Jazyk"), &form);
        new QRadioButton(QStringLiteral("Česky"), radio);
        auto *box = new QGroupBox(QStringLiteral("Box"), &form);
        new QLabel(box);
        QCOMPARE(LocalisationClassKey(radio), QString());
        QCOMPARE(LocalisationClassKey(box), QStringLiteral("TGroupBox"));
        QCOMPARE(LocalisationClassKey(new QLineEdit(&form)), QStringLiteral("TCustomEdit"));
        QCOMPARE(LocalisationClassKey(new QPushButton(&form)), QStringLiteral("TButton"));
        QCOMPARE(LocalisationClassKey(new QTabWidget(&form)), QStringLiteral("TTabbedNotebook"));
    }

    void mainWindowInEachLanguage_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("tools");
        QTest::addColumn<QString>("toolsHint");
        QTest::addColumn<QString>("csv");
        QTest::addColumn<QString>("runStartup");
        QTest::addColumn<QString>("monthHint");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("alarmButtonHint");
        QTest::addColumn<QString>("frameLabel");
        QTest::addColumn<QString>("panelHint"); // Czech only: no fallback in the window table
        QTest::newRow("English") << 2 << "&Tools" << "Tools" << "From File Type CSV In Code Windows" << "Run Startup"
                                 << "Calendar - Month" << "Calendar" << "Month" << "Calendar List Alarm" << "Read" << "";
        QTest::newRow("Slovak") << 3 << "Ná&stroje" << "Nástroje" << "ze súbora typu CSV v kódovani Windows"
                                << "A&utomaticky spustit po startu" << "Kalendár - mesiac" << "Kalendár" << "Mesiac"
                                << "Kalendár prehľad alarmu" << "Číst" << "";
        QTest::newRow("Czech") << 0 << "Ná&stroje" << "Nástroje" << "ze souboru typu CSV v kódování Windows"
                               << "A&utomaticky spustit po startu" << "Kalendář - Měsíc" << "Kalendář" << "Měsíc"
                               << "Kalendář přehled alarmů" << "Číst"
                               << "Zapíná / vypíná zobrazení levého panelu";
    }
    void mainWindowInEachLanguage() {
        QFETCH(int, index);
        SetLanguageIndex(index);
        Tmainform w;
        w.TranslateWindow();
        QTEST(menuText(&w, "Menu_Tools"), "tools");
        QTEST(w.findChild<QMenu *>(QStringLiteral("Menu_Tools"))->menuAction()->statusTip(), "toolsHint");
        QTEST(menuText(&w, "Menu_FromFileTypeCSVWindows1"), "csv");
        QTEST(menuText(&w, "Menu_RunStartup"), "runStartup");
        QTEST(w.month->toolTip(), "monthHint");
        QCOMPARE(w.month->text(), QStringLiteral("Měsíc")); // actions get hints only
        QTEST(w.panel->toolTip(), "panelHint");
        QTEST(w.navigation->itemText(0), "page");
        QTEST(w.findChild<QPushButton *>(QStringLiteral("LOB_Month"))->text(), "button");
        QTEST(w.findChild<QToolButton *>(QStringLiteral("LOB_ListCalendarAlarm"))->toolTip(), "alarmButtonHint");
        QTEST(labelText(w.findChild<QWidget *>(QStringLiteral("Frame_Prava1")), "Label_CIST"), "frameLabel");
        QCOMPARE(w.windowTitle(), QStringLiteral("ZORVA"));
        // The window's own label of the same name is not the frame's.
        QCOMPARE(labelText(w.centralWidget(), "Label_CIST"), QStringLiteral("design"));
        // Czech only: the English and Slovak windows keep the design caption.
        QCOMPARE(menuText(&w, "Menu_ZobrazovatKnihuJizd"), QStringLiteral("&Zobrazovat/Nezobrazovat knihu jízd v levém panelu"));
    }

    void backToCzechRestoresCzechPairs() {
        SetLanguageIndex(2);
        Tmainform w;
        w.TranslateWindow();
        QCOMPARE(menuText(&w, "Menu_Tools"), QStringLiteral("&Tools"));
        SetLanguageIndex(0);
        w.TranslateWindow();
        QCOMPARE(menuText(&w, "Menu_Tools"), QStringLiteral("Ná&stroje"));
        QCOMPARE(menuText(&w, "Menu_RunStartup"), QStringLiteral("A&utomaticky spustit po startu"));
        QCOMPARE(w.navigation->itemText(0), QStringLiteral("Kalendář"));
    }

    void notebookPages_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("first");
        QTest::newRow("English") << 2 << "Calendar - Color";
        QTest::newRow("Slovak") << 3 << "Kalendár - Barvy";
    }
    void notebookPages() {
        QFETCH(int, index);
        SetLanguageIndex(index);
        TForm_Nastaveni *form = CreateLocalised<TForm_Nastaveni>();
        QTEST(form->tabs->tabText(0), "first");
        QCOMPARE(form->tabs->tabText(1), QStringLiteral("Přehledy"));
        delete form;
    }

    // Translated once the window is whole, not while its base class is being built; in Czech the
    // design texts stay until someone asks.
    void translatedAfterConstruction() {
        SetLanguageIndex(2);
        std::unique_ptr<Tmainform> created(CreateLocalised<Tmainform>());
        QCOMPARE(menuText(created.get(), "Menu_Tools"), QStringLiteral("&Tools"));

        Tmainform direct;
        QCOMPARE(menuText(&direct, "Menu_Tools"), QStringLiteral("Ná&stroje"));
        direct.show();
        QCOMPARE(menuText(&direct, "Menu_Tools"), QStringLiteral("&Tools"));
        // Shown again after a change of language: not translated a second time by itself.
        SetLanguageIndex(3);
        direct.hide();
        direct.show();
        QCOMPARE(menuText(&direct, "Menu_Tools"), QStringLiteral("&Tools"));

        SetLanguageIndex(0);
        std::unique_ptr<Tmainform> czech(CreateLocalised<Tmainform>());
        QCOMPARE(menuText(czech.get(), "Menu_RunStartup"), QStringLiteral("Automaticky spustit po startu"));
        QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    }

    void languageDialog() {
        Tmainform main;
        TForm_Jazyk dialog(&main);
        UserSettings &s = CurrentUserSettings();
        s.language = QStringLiteral("A");
        s.firstDayOfWeek = 1;
        s.holidays = QStringLiteral("sk");
        dialog.show();
        QVERIFY(dialog.RB_Anglicky->isChecked());
        QVERIFY(dialog.RB_Nedele->isChecked());
        QVERIFY(dialog.RB_Slovenske->isChecked());
        dialog.hide();

        s.holidays = QStringLiteral("cz"); // compared upper-cased
        s.firstDayOfWeek = 0;
        dialog.show();
        QVERIFY(dialog.RB_Ceske->isChecked());
        QVERIFY(dialog.RB_Pondeli->isChecked());

        dialog.RB_Slovensky->setChecked(true);
        dialog.RB_Nedele->setChecked(true);
        dialog.RB_Slovenske->setChecked(true);
        dialog.findChild<QPushButton *>(QStringLiteral("BB_OK"))->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(s.language, QStringLiteral("S"));
        QCOMPARE(LanguageIndex(), 3);
        QCOMPARE(s.firstDayOfWeek, 1);
        QCOMPARE(s.holidays, QStringLiteral("SK"));
        QCOMPARE(menuText(&main, "Menu_Tools"), QStringLiteral("Ná&stroje"));
        QCOMPARE(main.navigation->itemText(0), QStringLiteral("Kalendár"));

        // Cancel changes nothing.
        dialog.show();
        dialog.RB_Anglicky->setChecked(true);
        dialog.findChild<QPushButton *>(QStringLiteral("BB_Cancel"))->click();
        QCOMPARE(s.language, QStringLiteral("S"));
        QCOMPARE(LanguageIndex(), 3);
    }
};

QTEST_MAIN(TestTranslateWindow)
#include "tst_translatewindow.moc"
