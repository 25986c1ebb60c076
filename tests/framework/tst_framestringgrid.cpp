// The grid on screen: a header click sorts, a filter reloads, typing searches, a double-click
// reaches the owner (or says there is no editor), mail goes through the mail interface.
// ZORVA_GRID_SHOT=<file.png> saves a picture of the grid.
#include "framework/widgets/framestringgrid.h"
#include "framework/browsedefinitions.h"
#include "framework/widgets/gridprint.h"

#include "data/session.h"
#include "data/sqldata.h"
#include "data/usersettings.h"
#include "platform/mail.h"
#include "tests/support/fakeprompt.h"
#include "tests/support/schemadatabase.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

class TestFrameStringGrid : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;
    UserSettings settings;

    QStringList column(TFrameStringGrid &g, int c) {
        QStringList out;
        for (int r = 0; r < g.model()->rowCount(); ++r)
            out << g.model()->index(r, c).data().toString();
        return out;
    }
    void clickHeader(TFrameStringGrid &g, int section) {
        QHeaderView *h = g.view()->horizontalHeader();
        const QPoint p(h->sectionViewportPosition(section) + h->sectionSize(section) / 2, h->height() / 2);
        QTest::mouseClick(h->viewport(), Qt::LeftButton, {}, p);
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY(CreateSchemaDatabase(tdb).isEmpty());
        QVERIFY(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()));
        SQLDATA = &db;
        const char *const rows[][4] = {{"Šťastný", "Jan", "jan@example.cz", "Praha"},
                                       {"Kůň", "Petr", "", "Brno"},
                                       {"Adámek", "Eva", "eva@example.cz", "Olomouc"},
                                       {"Zelený", "Ota", "ota@example.cz", "Ostrava"}};
        int id = 1;
        for (const auto &r : rows)
            QVERIFY(db.ExecSQL(QStringLiteral("insert into adresar_zakl(adresar_zakl_id,nazev,jmeno,email1,mesto,f_cist) "
                                              "values(%1,\"%2\",\"%3\",\"%4\",\"%5\",0)")
                                   .arg(id++)
                                   .arg(QString::fromUtf8(r[0]), QString::fromUtf8(r[1]), QString::fromUtf8(r[2]), QString::fromUtf8(r[3])))
                        .isEmpty());
        QVERIFY(db.ExecSQL(QStringLiteral("insert into adresar_c_kat(adresar_c_kat_id,adresar_c_kat_nazev,adresar_c_kat_barva) values(7,\"VIP\",255)")).isEmpty());
        QVERIFY(db.ExecSQL(QStringLiteral("insert into adresar_zakl_kat(adresar_zakl_id,adresar_c_kat_id,hlavni) values(1,7,1)")).isEmpty());
        Session::setCurrentUserId(1);
        Session::setGroups({1});
        settings.oddRowColour = 0xF0F0F0;
    }

    void headerClickSortsAndFilterReloads() {
        FakePrompt fp;
        TFrameStringGrid g;
        g.core().SetSettings(&settings);
        g.resize(900, 300);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QVERIFY(g.OpenDefinition(QStringLiteral("BrowseAdresarZakladni"), {}, BrowseContext{}));
        // The user's odd-row colour bands the rows from the first.
        QCOMPARE(g.model()->index(0, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(0xF0, 0xF0, 0xF0));
        QCOMPARE(g.model()->index(1, 0).data(Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
        QCOMPARE(g.model()->columnCount(), 7);
        clickHeader(g, 3); // "Jméno"
        QCOMPARE(column(g, 3), (QStringList{"Eva", "Jan", "Ota", "Petr"}));
        QCOMPARE(g.core().SortColumn(), 4);
        clickHeader(g, 3);
        QCOMPARE(column(g, 3), (QStringList{"Petr", "Ota", "Jan", "Eva"}));
        QVERIFY(g.model()->headerData(3, Qt::Horizontal, Qt::DisplayRole).toString().startsWith(QStringLiteral("▼")));
        // The main category's colour is the row's text colour.
        const int jan = column(g, 3).indexOf(QStringLiteral("Jan"));
        QCOMPARE(g.model()->index(jan, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));

        QVERIFY(g.SetColumnFilter(1, 7, QStringLiteral("e"), {}, false));
        QCOMPARE(g.model()->rowCount(), 2); // Adámek, Zelený
        QCOMPARE(g.findChild<QLabel *>(QStringLiteral("Label_POCET_ZAZNAMU"))->text(), QStringLiteral("2 záznamů"));
        QVERIFY(g.model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString().startsWith(QStringLiteral("⧩")));
        g.ClearFilters();
        QCOMPARE(g.model()->rowCount(), 4);

        // Typing in the search box and Enter find the row, ignoring diacritics when asked to.
        settings.searchDiacriticSensitive = false;
        auto *box = g.findChild<QComboBox *>(QStringLiteral("JvComboBox_Search"));
        QVERIFY(box->isVisible());
        box->setEditText(QStringLiteral("stastn"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(g.view()->currentIndex().row() + 1, g.core().HitRow());
        QCOMPARE(g.model()->index(g.core().HitRow() - 1, 1).data().toString(), QStringLiteral("Šťastný"));
        QCOMPARE(g.model()->index(g.core().HitRow() - 1, 1).data(Qt::BackgroundRole).value<QColor>(), QColor(0, 0, 0x80));
        box->setEditText(QStringLiteral("nikdo"));
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(fp.messages.last(), QStringLiteral("Nepodařilo se najít hledaný řetezec !"));

        const QString shot = qEnvironmentVariable("ZORVA_GRID_SHOT");
        if (!shot.isEmpty()) {
            box->setEditText(QStringLiteral("stastn"));
            QTest::keyClick(box, Qt::Key_Return);
            g.view()->clearSelection();
            g.grab().save(shot);
        }
        QVERIFY(fp.messages.size() == 1);
    }

    void doubleClickReachesTheOwner() {
        FakePrompt fp;
        TFrameStringGrid g;
        g.core().SetSettings(&settings);
        g.resize(600, 200);
        g.show();
        QVERIFY(QTest::qWaitForWindowExposed(&g));
        QVERIFY(g.OpenDefinition(QStringLiteral("Uzivatel"), {}, BrowseContext{}));
        auto doubleClickRow = [&] {
            const QRect r = g.view()->visualRect(g.model()->index(0, 0));
            QTest::mouseClick(g.view()->viewport(), Qt::LeftButton, {}, r.center());
            QTest::mouseDClick(g.view()->viewport(), Qt::LeftButton, {}, r.center());
        };
        doubleClickRow();
        QCOMPARE(fp.messages, QStringList{QStringLiteral("Editor tohoto záznamu zatím není k dispozici.")});
        QList<QList<int>> calls;
        g.notifyHandler = [&](int m, int a, int b) {
            calls << QList<int>{m, a, b};
            return true;
        };
        doubleClickRow();
        QCOMPARE(calls, (QList<QList<int>>{{1232, 1, 0}}));
        g.NewRecord();
        QCOMPARE(calls.last(), (QList<int>{1232, 0, 0}));
        // "Uzivatel": the logged-in users red, the others blue.
        QCOMPARE(g.model()->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 255));
    }

    void mailGoesToEveryAddress() {
        FakePrompt fp;
        FakeMailClient mail;
        setMailClient(&mail);
        TFrameStringGrid g;
        g.core().SetSettings(&settings);
        QVERIFY(g.OpenDefinition(QStringLiteral("BrowseAdresarZakladni"), {}, BrowseContext{}));
        fp.answers << true;
        g.MailColumn(6, QStringLiteral("Pozvánka"), QStringLiteral("Dobrý den "), true, 10);
        setMailClient(nullptr);
        QCOMPARE(fp.questions.first(), QStringLiteral("Opravdu chcete odeslat mail na 4 adres ?"));
        QCOMPARE(mail.mails.size(), 3);
        QCOMPARE(mail.mails.first().subject, QStringLiteral("Pozvánka"));
        QVERIFY(mail.mails.first().body.startsWith(QStringLiteral("Dobrý den (")));
        QCOMPARE(fp.messages.last(), QStringLiteral("Maily byly odeslány do Vašeho poštovního klienta"));
    }

    void printsToPdf() {
        StringGridCore core;
        core.SetSettings(&settings);
        QVERIFY(OpenBrowseDefinition(core, QStringLiteral("KJPrehledAut"), {}, BrowseContext{}));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.pdf"));
        QVERIFY(PrintHtmlToPdf(core.PrintHtml(), path));
        QVERIFY(QFileInfo(path).size() > 500);
    }

    void cleanupTestCase() {
        Session::clear();
        SQLDATA = nullptr;
        db.Disconnect();
    }
};

QTEST_MAIN(TestFrameStringGrid)
#include "tst_framestringgrid.moc"
