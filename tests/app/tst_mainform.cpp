#include "app/core/startup.h"
#include "app/formoptions.h"
#include "framework/widgets/framestringgrid.h"
#include "app/mainform.h"
#include "data/inifile.h"
#include "localisation/langtext.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "data/usersettings.h"
#include "tests/support/fakeplatform.h"
#include "tests/support/fakeprompt.h"
#include "tests/support/schemadatabase.h"

#include <QAction>
#include <QCheckBox>
#include <QTimer>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBox>

namespace {
int visibleViews(Tmainform &w) {
    int n = 0;
    for (QWidget *v : w.WorkViews())
        n += v->isVisible() ? 1 : 0;
    return n;
}

class AcceptingLoginUi : public LoginUi {
public:
    bool askCredentials(const QString &, QString *name, QString *password) override {
        *name = QStringLiteral("admin");
        password->clear();
        return true;
    }
};

// Saves what the window shows when ZORVA_SCREENSHOT_DIR names a folder.
void screenshot(QWidget &w, const QString &name) {
    const QString dir = qEnvironmentVariable("ZORVA_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    QApplication::processEvents();
    w.grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}
}

class TestMainform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() {
        Session::clear();
        CurrentUserSettings() = UserSettings();
    }

    void exactlyOneViewAtATime() {
        FakePrompt prompt;
        Tmainform w;
        w.show();
        const QStringList names{"MonthPanel", "BrowseAdresarZakladni", "YearPanel", "Poznamky", "Browse_ZB_MJ", "BrowsePanel",
                                "ZadavaniJizd", "MemoPanel", "ZB_Naskladneni", "ZB_VystaveniFaktury", "BrowseUkoly", "MonthPanel"};
        for (const QString &name : names) {
            w.ShowPanel(name);
            QCOMPARE(visibleViews(w), 1);
            QCOMPARE(w.CurrentPanel(), name);
        }
        w.ShowPanel("Browse_ZB_MJ");
        QVERIFY(w.BrowseGrid()->isVisible());
        QVERIFY(!w.Panel2->isVisible());
        w.ShowPanel("YearPanel");
        QVERIFY(w.View(ViewKind::Year)->isVisible());
        QVERIFY(w.Panel2->isVisible());
        QCOMPARE(w.CategoryStrip().kind, CategoryStripState::Kind::Calendar);
        w.ShowPanel("BrowseAdresarZakladni");
        QCOMPARE(w.CategoryStrip().kind, CategoryStripState::Kind::Address);
        QVERIFY(prompt.messages.isEmpty());
    }

    void changeNotificationRefreshesVisibleViewsOnly() {
        Tmainform w;
        w.show();
        w.ShowPanel("Poznamky");
        const int notes = w.View(ViewKind::Notes)->refreshCount();
        const int month = w.View(ViewKind::Month)->refreshCount();
        const int grid = w.BrowseGrid()->refreshCount();
        // Nobody logged in: nothing happens.
        w.DbChanged();
        QCOMPARE(w.View(ViewKind::Notes)->refreshCount(), notes);
        Session::setCurrentUserId(1);
        w.DbChanged();
        QCOMPARE(w.View(ViewKind::Notes)->refreshCount(), notes + 1);
        QCOMPARE(w.View(ViewKind::Month)->refreshCount(), month);
        QCOMPARE(w.BrowseGrid()->refreshCount(), grid);
        w.ShowPanel("Browse_C_MENA");
        const int gridNow = w.BrowseGrid()->refreshCount();
        w.DbChanged();
        QCOMPARE(w.BrowseGrid()->refreshCount(), gridNow + 1);
        QCOMPARE(w.View(ViewKind::Notes)->refreshCount(), notes + 1);
    }

    void ctrlAltMShowsTheMonth() {
        Tmainform w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.ShowPanel("Poznamky");
        QTest::keyClick(&w, Qt::Key_M, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(w.CurrentPanel(), QStringLiteral("MonthPanel"));
        QTest::keyClick(&w, Qt::Key_A, Qt::ControlModifier | Qt::AltModifier);
        QCOMPARE(w.CurrentPanel(), QStringLiteral("BrowseAdresarZakladni"));
        // No key belongs to two actions.
        QSet<QString> keys;
        for (QAction *a : w.findChildren<QAction *>()) {
            if (a->shortcut().isEmpty())
                continue;
            QVERIFY2(!keys.contains(a->shortcut().toString()), qPrintable(a->objectName()));
            keys << a->shortcut().toString();
        }
        QCOMPARE(keys.size(), 8);
    }

    void categoryStripStoresAndRefreshesOnce() {
        Tmainform w;
        w.show();
        w.ShowPanel("MonthPanel");
        CategoryStripState s;
        s.kind = CategoryStripState::Kind::Calendar;
        for (int id : {3, 8, 13}) {
            CategoryBox b;
            b.id = id;
            b.name = QStringLiteral("kategorie %1").arg(id);
            b.colour = 255;
            s.boxes << b;
        }
        w.SetCategoryStrip(s);
        const int before = w.View(ViewKind::Month)->refreshCount();
        w.SetCategoryChecked(2, false);  // category 8
        QCOMPARE(CurrentUserSettings().calendarCategories, QStringLiteral("T,8,"));
        QCOMPARE(w.CategoryStrip().filter(), QStringLiteral("3,13"));
        QCOMPARE(w.View(ViewKind::Month)->refreshCount(), before + 1);
        w.BulkCategoryChange(CategoryStripState::Bulk::Invert);
        QCOMPARE(w.CategoryStrip().filter(), QStringLiteral("8"));
        QCOMPARE(w.View(ViewKind::Month)->refreshCount(), before + 2);
        QCOMPARE(CurrentUserSettings().calendarCategories, QStringLiteral("T,3,13,"));
        w.SetCategoryChecked(0, false);
        QCOMPARE(CurrentUserSettings().calendarCategories, QStringLiteral("F,3,13,"));
    }

    void editorsThatAreNotThereYetSaySo() {
        FakePrompt prompt;
        Tmainform w;
        w.OpenEvent(5);
        w.OpenGenericEditor(1, 104);
        QCOMPARE(prompt.messages.size(), 2);
        QVERIFY(prompt.messages[0].contains(QStringLiteral("není k dispozici")));
    }

    void pageVisibilityFollowsTheConfiguration() {
        Tmainform w;
        Configuration c;
        w.ApplyConfiguration(c);
        auto pages = [&] {
            QStringList names;
            for (int i = 0; i < w.JvLookOut1->count(); ++i)
                names << w.JvLookOut1->widget(i)->objectName();
            return names;
        };
        QVERIFY(!pages().contains("LOP_BookDrive"));
        QVERIFY(!pages().contains("LOP_OBCHOD"));
        QVERIFY(!pages().contains("LOP_Setting"));  // nobody is an administrator
        c.kjVisible = 1;
        c.obchodVisible = 1;
        c.bankVisible = false;
        w.ApplyConfiguration(c);
        QCOMPARE(pages().indexOf("LOP_BookDrive"), 2);
        QVERIFY(pages().contains("LOP_OBCHOD"));
        QVERIFY(!pages().contains("LOP_BANKA"));
        c.lite = 1;
        w.ApplyConfiguration(c);
        for (const char *hidden : {"LOP_BookDrive", "LOP_Revize", "LOP_PRAV_PL", "LOP_JF"})
            QVERIFY(!pages().contains(hidden));
    }

    void optionsSaveOnlyAfterConfirmation() {
        QTemporaryDir dir;
        IniFile ini(dir.filePath("zorva.ini"));
        Configuration config;
        TFormOptions options(&ini, &config);
        options.ShowStoredValues();
        QVERIFY(!options.ChB_Menu[0]->isChecked());  // a missing KJ/visible shows what is in force
        QVERIFY(!options.BT_SaveIni->isEnabled());    // only an administrator
        FakePrompt prompt;
        prompt.answers << false;
        QVERIFY(!options.SaveMenuTab());
        QCOMPARE(prompt.questions, QStringList{LangText(1106)});
        QVERIFY(!ini.valueExists("KJ", "visible"));
        prompt.answers << true << true;
        options.RB_Years->setChecked(true);
        QVERIFY(options.SaveMenuTab());
        QCOMPARE(ini.readString("KJ", "visible"), QStringLiteral("0"));
        QVERIFY(options.SaveRevizeTab());
        QCOMPARE(config.revizePeriodType, QStringLiteral("R"));  // at once, without a restart
        QVERIFY(!options.SaveIniTab());
        Session::setAdministrator(true);
        options.ShowStoredValues();
        QVERIFY(options.BT_SaveIni->isEnabled());
        prompt.answers << true;
        options.RB_Login2->setChecked(true);
        QVERIFY(options.SaveIniTab());
        QCOMPARE(ini.readInteger("MAIN", "login"), 2);
    }

    // The whole start on a real database, the options dialog, and the end.
    void startOnARealDatabase() {
        FakePrompt prompt;
        FakeSystemInfo system;
        TempDatabase tdb;
        QVERIFY2(CreateSchemaDatabase(tdb).isEmpty(), "schema database");
        QTemporaryDir dir;
        const QString program = dir.filePath("zorva");
        {
            IniFile ini(dir.filePath("zorva.ini"));
            ini.writeString("DB-IB", "pathname", tdb.connectionString());
            ini.writeString("DB-IB", "username", tdb.user());
            ini.writeString("DB-IB", "password", tdb.password());
            ini.writeString("OBCHOD", "visible", "1");
        }
        {
            TSQLDATA db;
            QVERIFY(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()));
            db.ExecSQL("insert into ku_c_kat(ku_c_kat_id,ku_c_kat_nazev,ku_c_kat_barva) values (1,\"Práce\",255)");
            db.ExecSQL("insert into ku_c_kat(ku_c_kat_id,ku_c_kat_nazev,ku_c_kat_barva) values (2,\"Rodina\",65280)");
            db.ExecSQL("insert into ku_c_kat(ku_c_kat_id,ku_c_kat_nazev,ku_c_kat_barva) values (3,\"Svátky\",16711680)");
            db.ExecSQL("update uzivatel set nastaveni=\"T,2,;;0;T;1;YearPanel;LOP_ZBOZI;\" where uzivatel_id=1");
        }
        AcceptingLoginUi ui;
        FakeSingleInstance instance;
        Tmainform w;
        QVERIFY(w.Start(program, ParseCommandLine({"/tmp/polozka.zorva"}), ui, &instance));
        QCOMPARE(Session::currentUserId(), 1);
        QCOMPARE(w.CurrentPanel(), QStringLiteral("YearPanel"));
        QCOMPARE(w.CurrentPage(), QStringLiteral("LOP_ZBOZI"));
        QCOMPARE(w.CategoryStrip().filter(), QStringLiteral("1,3"));
        QCOMPARE(instance.file, QStringLiteral("/tmp/polozka.zorva"));
        QVERIFY(w.JvLookOut1->indexOf(w.findChild<QWidget *>("LOP_Setting")) >= 0);  // administrator
        QVERIFY(w.Timer_ZIVOT->isActive());
        w.resize(1200, 760);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        // The item file waits for the first activation; its opener comes later.
        QTRY_VERIFY(prompt.messages.join('\n').contains(QStringLiteral("/tmp/polozka.zorva")));
        screenshot(w, "year");
        w.ShowPanel("MonthPanel");
        screenshot(w, "month");
        w.SelectPageByKey("LOP_ADRESAR");
        w.ShowPanel("BrowseAdresarZakladni");
        screenshot(w, "addresses");
        w.SelectPageByKey("LOP_JF");
        w.ShowPanel("Browse_JF", "DATUM_VYSTAVENI>=\"1.1.2026\"");
        screenshot(w, "invoices");
        w.SelectPageByKey("LOP_PRAV_PL");
        w.ShowPanel("Browse_C_DRUH_PLATBY");
        QVERIFY(w.StringGrid()->isVisible());
        QVERIFY(w.StringGrid()->core().RowCount() >= 5);
        screenshot(w, "payment-kinds");

        auto *options = CreateLocalised<TFormOptions>(nullptr, const_cast<Configuration *>(&w.Config()), &w);
        options->ShowStoredValues();
        QVERIFY(options->RB_NetMode0->isChecked());
        QVERIFY(!options->ChB_Menu[0]->isChecked());
        options->show();
        screenshot(*options, "options");
        delete options;

        w.Shutdown();
        TSQLDATA check;
        QVERIFY(check.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()));
        QCOMPARE(check.SelectInt("select prihlasen from uzivatel where uzivatel_id=1"), 0);
        const QString stored = check.SelectStr("select nastaveni from uzivatel where uzivatel_id=1");
        QVERIFY2(stored.startsWith(QStringLiteral("T,2,;;0;T;1;Browse_C_DRUH_PLATBY;LOP_PRAV_PL;")), qPrintable(stored));
    }
};

QTEST_MAIN(TestMainform)
#include "tst_mainform.moc"
