#include "data/sqldata.h"
#include "framework/widgets/formchecklist.h"
#include "framework/widgets/formmkeditdat.h"
#include "framework/widgets/framecheckbox.h"
#include "framework/widgets/framestrom.h"
#include "framework/widgets/mkcombobox.h"
#include "framework/widgets/mkeditdc.h"
#include "framework/widgets/mklistbox.h"
#include "framework/widgets/onefielddialogs.h"
#include "tests/support/tempdatabase.h"

#include <QDir>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <QtTest>

// A window with every input control, filled as an editor would fill it. With ZORVA_DEMO_SHOT set
// to a folder, every window is also saved there as a PNG to be looked at.
class TestControlsDemo : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;

    void exec(const QString &sql) {
        const QString e = db.ExecSQL(sql);
        QVERIFY2(e.isEmpty(), qPrintable(sql + "\n" + e));
    }
    void shoot(QWidget *w, const QString &name) {
        const QString folder = qEnvironmentVariable("ZORVA_DEMO_SHOT");
        QVERIFY(w->isVisible());
        if (folder.isEmpty())
            return;
        QDir().mkpath(folder);
        QVERIFY(w->grab().save(folder + "/" + name + ".png"));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(tdb.create(), qPrintable(tdb.error()));
        QVERIFY2(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()), qPrintable(db.LastConnectError()));
        SQLDATA = &db;
        exec("CREATE TABLE SKUPINY (ID INTEGER, POPIS VARCHAR(40), HODNOTA VARCHAR(5))");
        exec("INSERT INTO SKUPINY VALUES (1, \"Administrátoři\", \"1\")");
        exec("INSERT INTO SKUPINY VALUES (2, \"Účetní\", \"0\")");
        exec("INSERT INTO SKUPINY VALUES (3, \"Obchodníci\", \"1\")");
        exec("INSERT INTO SKUPINY VALUES (4, \"Řidiči\", NULL)");
        exec("CREATE TABLE ZNACKY (ID INTEGER, NAZEV VARCHAR(40))");
        exec("INSERT INTO ZNACKY VALUES (10, \"Škoda\")");
        exec("INSERT INTO ZNACKY VALUES (13, \"Tatra\")");
        exec("CREATE TABLE MODELY (ID INTEGER, NAZEV VARCHAR(40))");
        exec("INSERT INTO MODELY VALUES (1, \"Octavia\")");
        exec("INSERT INTO MODELY VALUES (2, \"Fabia\")");
        exec("INSERT INTO MODELY VALUES (3, \"Superb\")");
        exec("CREATE TABLE OSOBY (ID INTEGER, JMENO VARCHAR(60))");
        exec("INSERT INTO OSOBY VALUES (4, \"Jan Novák\")");
        exec("INSERT INTO OSOBY VALUES (5, \"Marie Svobodová\")");
        exec("INSERT INTO OSOBY VALUES (7, \"Eva Malá\")");
        exec("INSERT INTO OSOBY VALUES (8, \"Petr Dvořák\")");
    }
    void cleanupTestCase() {
        SQLDATA = nullptr;
        db.Disconnect();
    }

    void controlsWindow() {
        QWidget window;
        window.setWindowTitle("Vstupní prvky");
        auto *form = new QFormLayout;
        const QString values[] = {"volný text", "5.3.2004 8:07:09", "05.03.2004 08:07", "5.3.2004", "8:07:09", ""};
        QList<TMKEDITDC *> edits;
        for (int typ = 0; typ <= 5; ++typ) {
            auto *e = new TMKEDITDC(typ, &window);
            e->setText(values[typ]);
            form->addRow(QStringLiteral("TMKEDITDC Typ %1").arg(typ), e);
            edits << e;
        }
        auto *combo = new TMKComboBox(&window);
        QVERIFY(combo->NaplnSQL("select ID, JMENO from OSOBY order by JMENO"));
        combo->ZvolIDInteger(7);
        form->addRow("TMKComboBox", combo);

        auto *list = new TMKListBox(&window);
        list->setSelectionMode(QAbstractItemView::MultiSelection);
        QVERIFY(list->NaplnSQL("select ID, JMENO from OSOBY order by ID"));
        list->item(1)->setSelected(true);
        list->item(3)->setSelected(true);
        list->setMaximumHeight(90);
        form->addRow("TMKListBox", list);

        auto *checks = new TFrameCheckBox(&window);
        QVERIFY(checks->Load("select ID, POPIS, HODNOTA from SKUPINY order by ID"));
        auto *checksBox = new QGroupBox("TFrameCheckBox", &window);
        (new QVBoxLayout(checksBox))->addWidget(checks);

        auto *tree = new TFrameStrom(&window);
        tree->ParentTable = "ZNACKY";
        tree->ParentIdColumn = "ID";
        tree->ParentTextColumn = "NAZEV";
        tree->ParentCondition = "order by ID";
        tree->ChildTable = "MODELY";
        tree->ChildIdColumn = "ID";
        tree->ChildTextColumn = "NAZEV";
        tree->ChildCondition = "order by ID";
        tree->Selection = "10,2;13,3;";
        QVERIFY(tree->Load());
        auto *treeBox = new QGroupBox("TFrameStrom", &window);
        (new QVBoxLayout(treeBox))->addWidget(tree);

        auto *right = new QHBoxLayout;
        right->addWidget(checksBox);
        right->addWidget(treeBox);
        auto *layout = new QVBoxLayout(&window);
        layout->addLayout(form);
        layout->addLayout(right);
        window.resize(560, 620);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        QCOMPARE(tree->CheckedPairs(), QStringLiteral("10,2;13,3;"));
        QCOMPARE(combo->VratZvolenyItems(), QStringLiteral("Eva Malá"));
        QCOMPARE(list->VratOznaceneID(), QStringLiteral("5,8"));
        QCOMPARE(checks->CheckedIds(), (QList<int>{1, 3}));
        for (TMKEDITDC *e : edits) {
            QVERIFY(e->height() >= e->minimumSizeHint().height());
            if (e->Typ() > 0) {
                // The "*" button lies inside the edit, clear of the text of a full value.
                QVERIFY(e->rect().contains(e->button()->geometry()));
                QVERIFY(e->button()->isVisible());
                QVERIFY(e->fontMetrics().horizontalAdvance(e->displayText()) + 4 < e->button()->x());
            }
        }
        shoot(&window, "controls");
    }

    void pickers_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("text");
        QTest::newRow("typ1") << 1 << "5.3.2004 8:07:09";
        QTest::newRow("typ3") << 3 << "5.3.2004";
        QTest::newRow("typ5") << 5 << "";
    }
    void pickers() {
        QFETCH(int, typ);
        QFETCH(QString, text);
        TFORMMKEDITDAT d(typ, text);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        shoot(&d, QStringLiteral("picker_typ%1").arg(typ));
    }

    void dialogs() {
        TFormCheckList c;
        c.SQL = "select ID, JMENO as TEXT from OSOBY order by JMENO";
        c.SelectedIds = ";4;7;";
        c.Load(false, "Osoby");
        c.show();
        QVERIFY(QTest::qWaitForWindowExposed(&c));
        shoot(&c, "checklist");

        TFormComboBox2 combo;
        combo.setWindowTitle("Vyberte osobu");
        QVERIFY(combo.Fill("select ID, JMENO from OSOBY order by JMENO"));
        combo.show();
        QVERIFY(QTest::qWaitForWindowExposed(&combo));
        shoot(&combo, "combobox2");
    }
};

QTEST_MAIN(TestControlsDemo)
#include "tst_controlsdemo.moc"
