#include "app/core/categorystrip.h"
#include "app/core/editorpool.h"
#include "app/core/inioptions.h"
#include "app/core/mainmessages.h"
#include "app/core/panels.h"
#include "app/core/windowrules.h"
#include "data/inifile.h"
#include "localisation/langtext.h"
#include "tests/support/fakeprompt.h"

#include <QTemporaryDir>
#include <QTest>

namespace {
class FakeEditor : public PooledEditor {
public:
    bool used = false;
    EditorRequest last;
    bool inUse() const override { return used; }
    void release() override { used = false; }
    void open(const EditorRequest &r) override {
        used = true;
        last = r;
    }
};

class RecordingBoard : public EditorSwitchboard {
public:
    QStringList calls;
    void ShowBrowseRange(const QDate &f, const QDate &t) override { calls << "range " + f.toString(Qt::ISODate) + " " + t.toString(Qt::ISODate); }
    void OpenNewEvent(const QDate &d, const QTime &t) override { calls << "new event " + d.toString(Qt::ISODate) + " " + t.toString("HH:mm"); }
    void OpenEvent(int k) override { calls << QStringLiteral("event %1").arg(k); }
    void OpenAddressSpec(int k) override { calls << QStringLiteral("special address %1").arg(k); }
    void OpenCar(int k) override { calls << QStringLiteral("car %1").arg(k); }
    void OpenUser(int k) override { calls << QStringLiteral("user %1").arg(k); }
    void OpenUserGroup(int k) override { calls << QStringLiteral("group %1").arg(k); }
    void OpenAddressCategory(int k) override { calls << QStringLiteral("address category %1").arg(k); }
    void OpenAddress(int k) override { calls << QStringLiteral("address %1").arg(k); }
    void OpenTask(int k) override { calls << QStringLiteral("task %1").arg(k); }
    void OpenJu(int k) override { calls << QStringLiteral("ju %1").arg(k); }
    void OpenCalendarCategory(int k) override { calls << QStringLiteral("calendar category %1").arg(k); }
    void OpenGenericEditor(int k, int d) override { calls << QStringLiteral("generic %1 %2").arg(k).arg(d); }
};

CategoryStripState strip(std::initializer_list<int> ids) {
    CategoryStripState s;
    for (int id : ids) {
        CategoryBox b;
        b.id = id;
        s.boxes << b;
    }
    return s;
}
}

class TestShellRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void keepOnScreen_data() {
        QTest::addColumn<QRect>("window");
        QTest::addColumn<QRect>("placed");
        // Screen 1280 wide, 800 + caption high.
        QTest::newRow("inside") << QRect(100, 50, 800, 600) << QRect(100, 50, 800, 600);
        QTest::newRow("beyond the right edge") << QRect(900, 50, 800, 600) << QRect(480, 50, 800, 600);
        QTest::newRow("beyond the bottom") << QRect(100, 500, 800, 600) << QRect(100, 220, 800, 600);
        QTest::newRow("at the left and top edge") << QRect(0, 0, 800, 600) << QRect(1, 1, 800, 600);
        QTest::newRow("left of the screen") << QRect(-300, -20, 800, 600) << QRect(1, 1, 800, 600);
        QTest::newRow("wider than the screen") << QRect(10, 10, 1500, 600) << QRect(1, 10, 1500, 600);
    }
    void keepOnScreen() {
        QFETCH(QRect, window);
        QFETCH(QRect, placed);
        QCOMPARE(KeepOnScreen(window, 1280, 820), placed);
    }

    void restoredGeometry() {
        const QRect designed(10, 20, 1024, 700);
        QCOMPARE(RestoredGeometry(designed, 0, 0, 0, 0), designed);
        QCOMPARE(RestoredGeometry(designed, 50, 0, 500, 0), QRect(50, 20, 1024, 500));
    }

    void overviewAtStart_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<qint64>("uptimeMs");
        QTest::addColumn<bool>("open");
        QTest::newRow("never") << 0 << qint64(60000) << false;
        QTest::newRow("always") << 2 << qint64(99999999) << true;
        QTest::newRow("just started") << 1 << qint64(5 * 60000) << true;
        QTest::newRow("ten minutes and a bit") << 1 << qint64(10 * 60000 + 59999) << true;
        QTest::newRow("eleven minutes") << 1 << qint64(11 * 60000) << false;
        QTest::newRow("up time unknown") << 1 << qint64(-1) << false;
        QTest::newRow("other mode") << 3 << qint64(0) << false;
    }
    void overviewAtStart() {
        QFETCH(int, mode);
        QFETCH(qint64, uptimeMs);
        QFETCH(bool, open);
        QCOMPARE(OpenOverviewAtStart(mode, uptimeMs), open);
    }

    void versionText() { QCOMPARE(VersionText(12, "C"), QStringLiteral("1.50_cz_IB12_C")); }

    void categorySelection() {
        CategoryStripState s = strip({5, 15, 1});
        s.applySelection(QStringLiteral("F,15,"));
        QVERIFY(!s.box0);
        QVERIFY(s.boxes[0].checked);   // 5 is not a whole item of "15"
        QVERIFY(!s.boxes[1].checked);
        QVERIFY(s.boxes[2].checked);   // 1 is not either
        QCOMPARE(s.filter(), QStringLiteral("5,1"));
        QCOMPARE(s.selectionText(), QStringLiteral("F,15,"));

        s.applySelection(QString());
        QVERIFY(!s.box0);  // no letter leaves box 0 as it was
        QCOMPARE(s.filter(), QStringLiteral("5,15,1"));

        s.applyBulk(CategoryStripState::Bulk::UncheckAll);
        QCOMPARE(s.filter(), QStringLiteral("0"));
        QVERIFY(!s.box0);
        s.applyBulk(CategoryStripState::Bulk::Invert);
        QCOMPARE(s.filter(), QStringLiteral("5,15,1"));
        s.box0 = true;
        s.boxes[0].checked = false;
        CategoryStripState again = strip({5, 15, 1});
        again.box0 = false;
        again.applySelection(s.selectionText());
        QCOMPARE(again.selectionText(), QStringLiteral("T,5,"));
        QVERIFY(again.box0);
    }

    void panelTable_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("view");
        QTest::addColumn<int>("strip");
        QTest::addColumn<bool>("condition");
        QTest::newRow("month") << "MonthPanel" << int(ViewKind::Month) << int(StripMode::Calendar) << false;
        QTest::newRow("year") << "YearPanel" << int(ViewKind::Year) << int(StripMode::Calendar) << false;
        QTest::newRow("range") << "BrowsePanel" << int(ViewKind::BrowsePanel) << int(StripMode::Unchanged) << false;
        QTest::newRow("trips") << "ZadavaniJizd" << int(ViewKind::TripEntry) << int(StripMode::Address) << false;
        QTest::newRow("notes") << "Poznamky" << int(ViewKind::Notes) << int(StripMode::Hidden) << false;
        QTest::newRow("addresses") << "BrowseAdresarZakladni" << int(ViewKind::List) << int(StripMode::Address) << false;
        QTest::newRow("tasks") << "BrowseUkoly" << int(ViewKind::List) << int(StripMode::Calendar) << false;
        QTest::newRow("inspections") << "BrowseElektroRevize" << int(ViewKind::List) << int(StripMode::Hidden) << true;
        QTest::newRow("invoices") << "Browse_JF_MESIC" << int(ViewKind::List) << int(StripMode::Hidden) << true;
        QTest::newRow("other list") << "Browse_ZB_MJ" << int(ViewKind::List) << int(StripMode::Hidden) << false;
    }
    void panelTable() {
        QFETCH(QString, name);
        QFETCH(int, view);
        QFETCH(int, strip);
        QFETCH(bool, condition);
        const PanelSpec panel = DescribePanel(name);
        QCOMPARE(int(panel.view), view);
        QCOMPARE(int(panel.strip), strip);
        QCOMPARE(panel.passCondition, condition);
    }

    void pageKeys() {
        QCOMPARE(PageForKey("LOP_KNIHA_JIZD"), QStringLiteral("LOP_BookDrive"));
        QCOMPARE(KeyForPage("LOP_Setting"), QStringLiteral("LOP_CISELNIKY"));
        QVERIFY(PageForKey("LOP_NEZNAMA").isEmpty());
    }

    void fullPoolRefusesWith1022() {
        FakePrompt prompt;
        int made = 0;
        EditorPool pool([&](int) {
            ++made;
            return std::make_unique<FakeEditor>();
        });
        QList<FakeEditor *> open;
        for (int i = 1; i <= kEditorPoolSize; ++i) {
            int slot = 0;
            auto *e = static_cast<FakeEditor *>(pool.acquire(&slot));
            QVERIFY(e);
            QCOMPARE(slot, i);
            e->open(EditorRequest{});
            open << e;
        }
        QVERIFY(prompt.messages.isEmpty());
        QVERIFY(!pool.acquire());
        QCOMPARE(prompt.messages, QStringList{LangText(1022)});
        // A closed editor is taken again; nothing new is made.
        open[41]->release();
        int slot = 0;
        QCOMPARE(pool.acquire(&slot), open[41]);
        QCOMPARE(slot, 42);
        QCOMPARE(made, kEditorPoolSize);
    }

    void recordLockInNetworkMode() {
        FakePrompt prompt;
        EditorPool pool([](int) { return std::make_unique<FakeEditor>(); });
        QStringList locks;
        bool grant = true;
        auto lock = [&](const QString &table, int key, int mode) {
            locks << QStringLiteral("%1 %2 %3").arg(table).arg(key).arg(mode);
            return grant;
        };
        QVERIFY(pool.acquireForRecord("KU", 5, 0, lock));
        QVERIFY(locks.isEmpty());
        auto *e = static_cast<FakeEditor *>(pool.acquireForRecord("KU", 5, 2, lock));
        QVERIFY(e);
        QCOMPARE(locks, QStringList{"KU 5 2"});
        e->open(EditorRequest{});
        grant = false;
        QVERIFY(!pool.acquireForRecord("UKOLY", 9, 1, lock));
        QCOMPARE(locks.last(), QStringLiteral("UKOLY 9 1"));
        // The refused window is free for the next request.
        QCOMPARE(pool.created(), 2);
        grant = true;
        QVERIFY(pool.acquireForRecord("UKOLY", 9, 1, lock));
        QCOMPARE(pool.created(), 2);
    }

    void editorMessages() {
        RecordingBoard board;
        QVERIFY(DispatchEditorMessage(board, 1225, 20261201, 20261231));
        QVERIFY(DispatchEditorMessage(board, 1228, 20261224, kNewEventWithoutTime));
        QVERIFY(DispatchEditorMessage(board, 1228, 4711, kExistingEvent));
        QVERIFY(DispatchEditorMessage(board, 1228, 20261224, 9 * 3600 + 30 * 60));
        QVERIFY(DispatchEditorMessage(board, 1235, 12, 0));
        QVERIFY(DispatchEditorMessage(board, 1525, 3, 104));
        QVERIFY(!DispatchEditorMessage(board, 1231, 1, 0));
        QCOMPARE(board.calls, (QStringList{"range 2026-12-01 2026-12-31", "new event 2026-12-24 ", "event 4711",
                                           "new event 2026-12-24 09:30", "address 12", "generic 3 104"}));
    }

    // The options show what is in force, so saving a tab does not switch anything by itself.
    void optionsShowWhatIsInForce() {
        QTemporaryDir dir;
        IniFile ini(dir.filePath("zorva.ini"));
        ini.writeString("REVIZE", "period_type", "");
        ini.writeString("CALENDAR", "visible", "0");
        IniOptions o = IniOptions::load(ini, 2);
        QVERIFY(!o.menuVisible[0]);     // KJ missing: the vehicle log is off
        QVERIFY(o.menuVisible[1]);      // REVIZE missing: on
        QVERIFY(!o.menuVisible[2]);     // CALENDAR 0
        QCOMPARE(o.netMode, 2);         // missing: the mode in force
        QVERIFY(!o.periodInYears);      // empty means months
        QVERIFY(o.saveMenuTab(ini));
        QVERIFY(o.saveRevizeTab(ini));
        QCOMPARE(ini.readString("KJ", "visible"), QStringLiteral("0"));
        QCOMPARE(ini.readString("ALARM", "visible"), QStringLiteral("1"));
        QCOMPARE(ini.readString("REVIZE", "period_type"), QStringLiteral("M"));

        ini.writeString("REVIZE", "period_type", "X");
        ini.writeString("MAIN", "disk", "removable");
        ini.writeString("MAIN", "net_mode", "1");
        o = IniOptions::load(ini, 2);
        QVERIFY(o.periodInYears);
        QVERIFY(o.removableDisk);
        QCOMPARE(o.netMode, 1);
        o.removableDisk = false;
        o.login = 2;
        QVERIFY(o.saveIniTab(ini));
        QCOMPARE(ini.readString("MAIN", "disk", "unset"), QString());
        QCOMPARE(ini.readInteger("MAIN", "login"), 2);
    }
};

QTEST_GUILESS_MAIN(TestShellRules)
#include "tst_shellrules.moc"
