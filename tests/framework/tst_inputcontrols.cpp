#include "data/sqldata.h"
#include "framework/widgets/formchecklist.h"
#include "framework/widgets/formmkeditdat.h"
#include "framework/widgets/framecheckbox.h"
#include "framework/widgets/framestrom.h"
#include "framework/widgets/mkcombobox.h"
#include "framework/widgets/mkeditdc.h"
#include "framework/widgets/mklistbox.h"
#include "framework/widgets/onefielddialogs.h"
#include "tests/support/fakeprompt.h"
#include "tests/support/tempdatabase.h"

#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QtTest>
#include <functional>

// QFETCH as an expression, for using a fetched value in place.
#define FETCH(Type, name) (*static_cast<Type *>(QTest::qData(#name, ::qMetaTypeId<Type>())))

namespace {
// Runs fn once on the next modal dialog of type T when it is shown (inside its own exec then);
// stops looking when it goes out of scope.
template <typename T> class OnModal {
public:
    explicit OnModal(std::function<void(T *)> fn) {
        m_timer.setInterval(10);
        QObject::connect(&m_timer, &QTimer::timeout, [this, fn] {
            if (auto *w = qobject_cast<T *>(QApplication::activeModalWidget()); w && w->isVisible()) {
                m_timer.stop();
                m_ran = true;
                fn(w);
            }
        });
        m_timer.start();
    }
    bool ran() const { return m_ran; }

private:
    QTimer m_timer;
    bool m_ran = false;
};

QPushButton *buttonByText(QWidget *parent, const QString &text) {
    for (QPushButton *b : parent->findChildren<QPushButton *>())
        if (b->text() == text)
            return b;
    return nullptr;
}
}

class TestInputControls : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;

    void exec(const QString &sql) {
        const QString e = db.ExecSQL(sql);
        QVERIFY2(e.isEmpty(), qPrintable(sql + "\n" + e));
    }

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(tdb.create(), qPrintable(tdb.error()));
        QVERIFY2(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()), qPrintable(db.LastConnectError()));
        SQLDATA = &db;
        exec("CREATE TABLE OSOBY (ID INTEGER NOT NULL PRIMARY KEY, JMENO VARCHAR(60))");
        exec("CREATE GENERATOR GEN_OSOBY");
        exec("SET GENERATOR GEN_OSOBY TO 100");
        exec("CREATE TABLE PRAVA (ID INTEGER, POPIS VARCHAR(40), HODNOTA VARCHAR(5), PORADI INTEGER)");
        exec("CREATE TABLE RODICE (R_ID INTEGER, NAZEV VARCHAR(40), AKTIVNI INTEGER)");
        exec("CREATE TABLE DETI (D_ID INTEGER, NAZEV VARCHAR(40))");
        exec("INSERT INTO PRAVA VALUES (3, \"Čtení\", \"1\", 1)");
        exec("INSERT INTO PRAVA VALUES (9, \"Zápis\", \"0\", 2)");
        exec("INSERT INTO PRAVA VALUES (2, \"Mazání\", NULL, 3)");
        exec("INSERT INTO PRAVA VALUES (5, \"Správa\", \"x\", 4)");
        exec("INSERT INTO RODICE VALUES (10, \"Škoda\", 1)");
        exec("INSERT INTO RODICE VALUES (13, \"Tatra\", 1)");
        exec("INSERT INTO RODICE VALUES (20, \"Praga\", 0)");
        exec("INSERT INTO DETI VALUES (1, \"Octavia\")");
        exec("INSERT INTO DETI VALUES (2, \"Fabia\")");
        exec("INSERT INTO DETI VALUES (12, \"Superb\")");
    }
    void cleanupTestCase() {
        SQLDATA = nullptr;
        db.Disconnect();
    }
    void init() {
        exec("DELETE FROM OSOBY");
        exec("INSERT INTO OSOBY VALUES (4, \"Jan Novák\")");
        exec("INSERT INTO OSOBY VALUES (5, \"Jan\")");
        exec("INSERT INTO OSOBY VALUES (7, \"Eva Malá\")");
    }

    // ---- TMKEDITDC ----

    void editTypes_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("display");
        QTest::addColumn<int>("maxLength");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("left");
        const double d = QDate(1899, 12, 30).daysTo(QDate(2004, 3, 5));
        const double t = (8 * 60 + 7) / 1440.0;
        const double ts = (8 * 3600 + 7 * 60 + 9) / 86400.0;
        QTest::newRow("1 short forms") << 1 << "5.3.2004 8:07:09" << "5.3.2004 8:07:09" << "5_.3_.2004 8_:07:09" << 19 << true << d + ts << "05.03.2004 08:07:09";
        QTest::newRow("2 short forms") << 2 << "5.3.2004 8:07" << "5.3.2004 8:07" << "5_.3_.2004 8_:07" << 16 << true << d + t << "05.03.2004 08:07";
        QTest::newRow("2 full digits") << 2 << "050320040807" << "05.03.2004 08:07" << "05.03.2004 08:07" << 16 << true << d + t << "05.03.2004 08:07";
        QTest::newRow("2 date only") << 2 << "5.3.2004" << "5.3.2004 :" << "5_.3_.2004 __:__" << 16 << true << d << "05.03.2004 __:__";
        QTest::newRow("2 nothing") << 2 << "" << ".. :" << "__.__.____ __:__" << 16 << true << 0.0 << "__.__.____ __:__";
        QTest::newRow("3 short date") << 3 << "5.3.2004" << "5.3.2004" << "5_.3_.2004" << 10 << true << d << "05.03.2004";
        QTest::newRow("3 letters refused") << 3 << "ab5.3.2004" << "5.3.2004" << "5_.3_.2004" << 10 << true << d << "05.03.2004";
        QTest::newRow("3 invalid day") << 3 << "32.3.2004" << "32.3.2004" << "32.3_.2004" << 10 << false << 0.0 << "32.3_.2004";
        QTest::newRow("3 unfinished year") << 3 << "5.3.20" << "5.3.20" << "5_.3_.20__" << 10 << false << 0.0 << "5_.3_.20__";
        QTest::newRow("4 time") << 4 << "8:7:9" << "8:7:9" << "8_:7_:9_" << 8 << true << ts << "08:07:09";
        QTest::newRow("5 time") << 5 << "8:07" << "8:07" << "8_:07" << 5 << true << t << "08:07";
        QTest::newRow("5 invalid") << 5 << "25:00" << "25:00" << "25:00" << 5 << false << 0.0 << "25:00";
        QTest::newRow("5 nothing") << 5 << "" << ":" << "__:__" << 5 << true << 0.0 << "__:__";
    }
    void editTypes() {
        QFETCH(int, typ);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QString, display);
        QFETCH(int, maxLength);
        QFETCH(bool, valid);
        QFETCH(double, value);
        TMKEDITDC e(typ);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        QTest::keyClick(&e, Qt::Key_Home);
        QTest::keyClicks(&e, typed);
        QCOMPARE(e.maxLength(), maxLength);
        QCOMPARE(e.text(), text);
        QCOMPARE(e.displayText(), display);
        QCOMPARE(e.IsValid(), valid);
        QVERIFY(qAbs(e.Value() - value) < 1e-9);
        QCOMPARE(e.IsEmptyValue(), typed.isEmpty());
        QVERIFY(e.button()->isVisible());
        QCOMPARE(e.button()->size(), QSize(15, 17));
        // The button sits inside the right edge; the text stops before it.
        QVERIFY(e.rect().contains(e.button()->geometry()));
        QCOMPARE(e.textMargins().right(), 16);
        // Leaving the input (Enter or focus out) shows the full form; the value stays.
        QTest::keyClick(&e, Qt::Key_Return);
        QCOMPARE(e.displayText(), FETCH(QString, left));
        QVERIFY(qAbs(e.Value() - value) < 1e-9);
    }

    void clickIntoEmptyMaskTypesFromStart() {
        TMKEDITDC e(3);
        e.resize(200, e.sizeHint().height());
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        QTest::mouseClick(&e, Qt::LeftButton, {}, QPoint(e.width() - 30, e.height() / 2));
        QCOMPARE(e.cursorPosition(), 0);
        QTest::keyClicks(&e, "5.3.2004");
        QCOMPARE(e.text(), QStringLiteral("5.3.2004"));
        // With a value the click places the cursor as usual.
        QTest::mouseClick(&e, Qt::LeftButton, {}, QPoint(e.width() - 30, e.height() / 2));
        QVERIFY(e.cursorPosition() > 0);
    }

    void plainTypeAndTypChange() {
        TMKEDITDC e;
        e.setMaxLength(30);
        e.setTyp(0);
        QVERIFY(e.inputMask().isEmpty());
        QCOMPARE(e.maxLength(), 30);
        QVERIFY(e.button()->isHidden());
        e.setTyp(3);
        QCOMPARE(e.maxLength(), 10);
        QVERIFY(!e.button()->isHidden());
        e.setTyp(2);
        QCOMPARE(e.maxLength(), 16);
        e.setProperty("Typ", 5);
        QCOMPARE(e.Typ(), 5);
        QCOMPARE(e.maxLength(), 5);
        QVERIFY(e.minimumSizeHint().height() >= e.fontMetrics().height() + 6);
    }

    void invalidTextBlocksPicker() {
        FakePrompt p;
        TMKEDITDC e(3);
        e.setText("31.2.2004");
        bool opened = false;
        OnModal<TFORMMKEDITDAT> modal1([&](TFORMMKEDITDAT *d) {
            opened = true;
            d->reject();
        });
        e.button()->click();
        QCOMPARE(p.messages, QStringList{"Zadaný údaj není platný !"});
        QCOMPARE(e.text(), QStringLiteral("31.2.2004"));
        QVERIFY(!opened);
    }

    // A date typed and confirmed with the keyboard only: the picker opens with F4 on the typed
    // date, a new day is typed into "Den", Enter confirms.
    void keyboardOnly_data() {
        QTest::addColumn<int>("typ");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("inPicker");
        QTest::addColumn<QString>("result");
        QTest::newRow("confirm widened date") << 3 << "5.3.2004" << "" << "05.03.2004";
        QTest::newRow("new day typed") << 3 << "5.3.2004" << "9" << "09.03.2004";
        QTest::newRow("date and time") << 2 << "5.3.2004 8:07" << "" << "05.03.2004 08:07";
        QTest::newRow("time, hour typed") << 5 << "8:07" << "14" << "14:07";
        QTest::newRow("empty time") << 5 << "" << "" << "00:00";
    }
    void keyboardOnly() {
        QFETCH(int, typ);
        QFETCH(QString, typed);
        QFETCH(QString, inPicker);
        QFETCH(QString, result);
        QWidget window;
        auto *e = new TMKEDITDC(typ, &window);
        new QLineEdit(&window);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        e->setFocus();
        QTest::keyClicks(e, typed);
        QString seenInPicker;
        bool focusOnFirstEdit = false;
        OnModal<TFORMMKEDITDAT> modal2([&](TFORMMKEDITDAT *d) {
            seenInPicker = d->previewLabel()->text();
            QWidget *focus = d->focusWidget();
            focusOnFirstEdit = focus == (d->model().showsDate() ? d->denEdit() : d->hodinyEdit());
            if (!focus)
                focus = d;
            if (!inPicker.isEmpty())
                QTest::keyClicks(focus, inPicker);
            QTest::keyClick(focus, Qt::Key_Return);
        });
        QTest::keyClick(e, Qt::Key_F4);
        QVERIFY(focusOnFirstEdit);
        if (inPicker.isEmpty())
            QCOMPARE(seenInPicker, result);
        QCOMPARE(e->text(), result);
        // The input takes the focus back (the window's focus child, whether or not the offscreen
        // platform has reactivated the window yet).
        QCOMPARE(window.focusWidget(), static_cast<QWidget *>(e));
    }

    void altDownOpensPickerEscapeCancels() {
        TMKEDITDC e(3);
        e.show();
        QVERIFY(QTest::qWaitForWindowExposed(&e));
        QTest::keyClicks(&e, "5.3.2004");
        bool opened = false;
        OnModal<TFORMMKEDITDAT> modal3([&](TFORMMKEDITDAT *d) {
            opened = true;
            QTest::keyClick(d, Qt::Key_Escape);
        });
        QTest::keyClick(&e, Qt::Key_Down, Qt::AltModifier);
        QVERIFY(opened);
        QCOMPARE(e.text(), QStringLiteral("5.3.2004"));
    }

    // "Storno" leaves the input as it was, even after a double-click chose another date.
    void stornoLeavesInputUnchanged() {
        TMKEDITDC e(2);
        e.setText("5.3.2004 8:07");
        OnModal<TFORMMKEDITDAT> modal4([](TFORMMKEDITDAT *d) {
            Q_EMIT d->calendar()->activated(QDate(2010, 1, 2));
            QCOMPARE(d->previewLabel()->text(), QStringLiteral("02.01.2010 08:07"));
            buttonByText(d, "&Storno")->click();
        });
        e.button()->click();
        QCOMPARE(e.text(), QStringLiteral("5.3.2004 8:07"));
        // The same double-click then "&OK" takes the new date.
        OnModal<TFORMMKEDITDAT> modal5([](TFORMMKEDITDAT *d) {
            Q_EMIT d->calendar()->activated(QDate(2010, 1, 2));
            buttonByText(d, "&OK")->click();
        });
        e.button()->click();
        QCOMPARE(e.text(), QStringLiteral("02.01.2010 08:07"));
    }

    // Every hour, minute and second button writes its caption into its edit.
    void everyTimeButtonWorks() {
        TFORMMKEDITDAT d(1, "5.3.2004 8:07:09");
        struct Group {
            QString name;
            int count, step;
            QSpinBox *edit;
            int resultPos;
        };
        const Group groups[] = {{"Hodiny", 24, 1, d.hodinyEdit(), 11}, {"Minuty", 60, 1, d.minutyEdit(), 14},
                                {"Sekundy", 12, 5, d.sekundyEdit(), 17}};
        for (const Group &g : groups) {
            for (int i = g.count - 1; i >= 0; --i) {
                const QString caption = QStringLiteral("%1").arg(i * g.step, 2, 10, QLatin1Char('0'));
                auto *b = d.findChild<QPushButton *>(g.name + "_" + caption);
                QVERIFY2(b, qPrintable(g.name + " " + caption));
                QCOMPARE(b->text(), caption);
                b->click();
                QCOMPARE(g.edit->value(), i * g.step);
                QCOMPARE(d.model().VRAT_VYSLEDEK().mid(g.resultPos, 2), caption);
            }
        }
        QCOMPARE(d.model().VRAT_VYSLEDEK(), QStringLiteral("05.03.2004 00:00:00"));
    }

    void pickerRefusesImpossibleDate() {
        FakePrompt p;
        TFORMMKEDITDAT d(3, "5.2.2004");
        d.denEdit()->setValue(31);
        buttonByText(&d, "&OK")->click();
        QCOMPARE(p.messages, QStringList{"Zadaný údaj není platný !"});
        QVERIFY(d.Vysledek().isEmpty());
        d.denEdit()->setValue(29);
        buttonByText(&d, "&OK")->click();
        QCOMPARE(d.Vysledek(), QStringLiteral("29.02.2004"));
        QCOMPARE(d.hodinyEdit()->maximum(), 23);
        QCOMPARE(d.minutyEdit()->maximum(), 59);
    }

    void pickerCalendarAndGroups() {
        TFORMMKEDITDAT d3(3, "5.3.2004");
        QCOMPARE(d3.calendar()->selectedDate(), QDate(2004, 3, 5));
        QCOMPARE(d3.denEdit()->text(), QStringLiteral("05"));
        QCOMPARE(d3.mesicEdit()->text(), QStringLiteral("03"));
        QCOMPARE(d3.rokEdit()->text(), QStringLiteral("2004"));
        QVERIFY(!d3.groupDatum()->isHidden() && d3.groupHodiny()->isHidden() && d3.groupMinuty()->isHidden());
        // A click in the calendar moves the date edits; the edits move the calendar.
        Q_EMIT d3.calendar()->clicked(QDate(2004, 4, 1));
        QCOMPARE(d3.previewLabel()->text(), QStringLiteral("01.04.2004"));
        d3.rokEdit()->setValue(2005);
        QCOMPARE(d3.calendar()->selectedDate(), QDate(2005, 4, 1));

        TFORMMKEDITDAT empty(3, "");
        QCOMPARE(empty.calendar()->selectedDate(), QDate::currentDate());
        QCOMPARE(empty.previewLabel()->text(), QDate::currentDate().toString("dd.MM.yyyy"));

        TFORMMKEDITDAT d5(5, "");
        QVERIFY(d5.groupDatum()->isHidden() && !d5.groupHodiny()->isHidden() && d5.groupSekundy()->isHidden());
        QCOMPARE(d5.windowTitle(), QStringLiteral("Zadávání"));
        buttonByText(&d5, "&OK")->click();
        QCOMPARE(d5.Vysledek(), QStringLiteral("00:00"));
    }

    // ---- TMKComboBox, TMKListBox ----

    void comboBoxIds() {
        TMKComboBox c;
        QCOMPARE(c.VratZvoleneID(), -1);
        QCOMPARE(c.VratZvolenyItems(), QString());
        c.Pridej(10, "Praha");
        c.Pridej(7, "Brno");
        c.Pridej(33, "Ostrava");
        c.Pridej(4, "praha");
        QCOMPARE(c.VratZvoleneID(), 10);
        c.ZvolItem(3);
        QCOMPARE(c.VratZvolenyItems(), QStringLiteral("praha"));
        c.Pridej(5, "Plzeň");
        QCOMPARE(c.currentIndex(), 0);
        QCOMPARE(c.VratID(4), 5);
        QCOMPARE(c.VratID(5), -1);
        c.ZvolID("33");
        QCOMPARE(c.VratZvoleneID(), 33);
        c.ZvolID("033");
        QCOMPARE(c.VratZvoleneID(), 33);
        c.ZvolIDInteger(7);
        QCOMPARE(c.VratZvolenyItems(), QStringLiteral("Brno"));
        c.ZvolItemDleTextu("praha");
        QCOMPARE(c.VratZvoleneID(), 4);
        c.ZvolItemDleTextu("PRAHA");
        QCOMPARE(c.VratZvoleneID(), 4);
        c.ZvolItem(5);
        QCOMPARE(c.currentIndex(), -1);
        QCOMPARE(c.VratZvoleneID(), -1);
        QCOMPARE(c.VratZvolenyItems(), QString());
        c.MKCLEAR();
        QCOMPARE(c.count(), 0);
        QVERIFY(c.ids().isEmpty());
    }

    void listBoxIds() {
        TMKListBox l;
        QCOMPARE(l.VratZvoleneID(), -1);
        QCOMPARE(l.VratOznaceneID(), QString());
        l.setSelectionMode(QAbstractItemView::MultiSelection);
        l.Pridej(3, "Čtení");
        l.Pridej(9, "Zápis");
        l.Pridej(2, "Mazání");
        QVERIFY(l.selectedItems().isEmpty());
        QCOMPARE(l.VratZvoleneID(), 3);
        QCOMPARE(l.VratZvolenyItems(), QString());
        l.item(2)->setSelected(true);
        l.item(0)->setSelected(true);
        QCOMPARE(l.VratOznaceneID(), QStringLiteral("3,2"));
        l.setCurrentRow(2, QItemSelectionModel::NoUpdate);
        QCOMPARE(l.VratZvoleneID(), 2);
        QCOMPARE(l.VratZvolenyItems(), QStringLiteral("Mazání"));
        QCOMPARE(l.VratID(1), 9);
        l.MKCLEAR();
        QCOMPARE(l.VratZvoleneID(), -1);
    }

    // ---- check lists and the tree, on the database ----

    void frameCheckBox() {
        TFrameCheckBox f;
        QVERIFY(f.Load("select ID, POPIS, HODNOTA from PRAVA order by PORADI"));
        QCOMPARE(f.count(), 4);
        QCOMPARE(f.text(0), QStringLiteral("Čtení"));
        QCOMPARE(f.CheckedIds(), (QList<int>{3, 5}));
        QVERIFY(!f.Changed());
        QCOMPARE(f.buttonOznacVse()->toolTip(), QStringLiteral("Označ vše"));
        QCOMPARE(f.buttonOdoznacVse()->toolTip(), QStringLiteral("Odoznač vše"));
        QCOMPARE(f.buttonObratOznaceni()->toolTip(), QStringLiteral("Obrať označení"));
        f.buttonObratOznaceni()->click();
        QCOMPARE(f.CheckedIds(), (QList<int>{9, 2}));
        QVERIFY(f.Changed());
        f.buttonOznacVse()->click();
        QCOMPARE(f.CheckedIds(), (QList<int>{3, 9, 2, 5}));
        f.buttonOdoznacVse()->click();
        QVERIFY(f.CheckedIds().isEmpty());
        QVERIFY(f.Load("select ID, POPIS, HODNOTA from PRAVA order by PORADI"));
        QVERIFY(!f.Changed());
        f.setChecked(1, true);
        QVERIFY(f.Changed());
        QCOMPARE(f.id(1), 9);
    }

    void frameCheckBoxBadSql() {
        FakePrompt p;
        TFrameCheckBox f;
        QVERIFY(!f.Load("select ID, POPIS, HODNOTA from NEEXISTUJE"));
        QCOMPARE(f.count(), 0);
        QCOMPARE(p.messages.size(), 1);
        QVERIFY(p.messages.first().startsWith("select ID, POPIS, HODNOTA from NEEXISTUJE\n"));
    }

    void checkListSelection_data() {
        QTest::addColumn<QString>("selected");
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<QString>("checkedIds");
        QTest::addColumn<QString>("checkedTexts");
        QTest::newRow("enclosed") << ";4;7;" << false << "4;7;" << "Jan Novák,Eva Malá,";
        QTest::newRow("inverted") << ";4;7;" << true << "5;" << "Jan,";
        QTest::newRow("stored form") << "4;7;" << false << "4;7;" << "Jan Novák,Eva Malá,";
        QTest::newRow("nothing") << "" << false << "" << "";
        QTest::newRow("nothing inverted") << "" << true << "4;5;7;" << "Jan Novák,Jan,Eva Malá,";
    }
    void checkListSelection() {
        QFETCH(QString, selected);
        QFETCH(bool, inverted);
        TFormCheckList f;
        f.SQL = "select ID, JMENO as TEXT from OSOBY order by ID";
        f.SelectedIds = selected;
        f.searchEdit()->setText("old");
        QVERIFY(f.Load(inverted, "Osoby"));
        QCOMPARE(f.windowTitle(), QStringLiteral("Osoby"));
        QVERIFY(f.searchEdit()->text().isEmpty());
        QVERIFY(!f.AddingAllowed());
        QCOMPARE(f.CheckedIds(), FETCH(QString, checkedIds));
        QCOMPARE(f.CheckedTexts(), FETCH(QString, checkedTexts));
    }

    void checkListOkStoresSelection() {
        TFormCheckList f;
        f.SQL = "select ID, JMENO as TEXT from OSOBY order by ID";
        f.SelectedIds = ";4;";
        OnModal<TFormCheckList> modal6([](TFormCheckList *d) {
            d->setChecked(2, true);
            buttonByText(d, "OK")->click();
        });
        QVERIFY(f.Open(false, "Osoby"));
        QCOMPARE(f.SelectedIds, QStringLiteral("4;7;"));
        OnModal<TFormCheckList> modal7([](TFormCheckList *d) {
            buttonByText(d, "Označ vše")->click();
            buttonByText(d, "Cancel")->click();
        });
        QVERIFY(!f.Open(false, "Osoby"));
        QCOMPARE(f.SelectedIds, QStringLiteral("4;7;"));
    }

    void checkListSearch_data() {
        QTest::addColumn<QString>("search");
        QTest::addColumn<QString>("checkedIds");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("swapped name") << "Novák Jan" << "4;" << QStringList{};
        QTest::newRow("two names") << " Eva Malá ,Novák Jan" << "4;7;" << QStringList{};
        QTest::newRow("missing, adding not allowed") << "Petr" << ""
                                                     << QStringList{"Petr\nTato položka není v seznamu !!"};
    }
    void checkListSearch() {
        FakePrompt p;
        TFormCheckList f;
        f.SQL = "select ID, JMENO as TEXT from OSOBY order by ID";
        f.Load(false, "Osoby");
        f.searchEdit()->setText(FETCH(QString, search));
        QTest::keyClick(f.searchEdit(), Qt::Key_Return);
        QCOMPARE(f.CheckedIds(), FETCH(QString, checkedIds));
        QCOMPARE(p.messages, FETCH(QStringList, messages));
        QVERIFY(p.questions.isEmpty());
    }

    void checkListSearchSeveralMatches() {
        FakePrompt p;
        exec("INSERT INTO OSOBY VALUES (8, \"Jan\")");
        TFormCheckList f;
        f.SQL = "select ID, JMENO as TEXT from OSOBY order by ID";
        f.Load(false, "Osoby");
        f.searchEdit()->setText("Jan");
        f.Hledej();
        QCOMPARE(p.messages, QStringList{"Jan Odpovídá více položkám nelze označit !"});
        QCOMPARE(f.CheckedIds(), QString());
    }

    // A missing name is added on Yes (quoted, so any text is safe), the list reloaded, the new
    // line checked and the checks already made kept; No adds nothing.
    void checkListAdd_data() {
        QTest::addColumn<bool>("inverted");
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("checkedTexts");
        QTest::addColumn<int>("rows");
        QTest::newRow("yes") << false << true << "Petr Dlouhý" << "Jan Novák,Petr Dlouhý," << 4;
        QTest::newRow("yes, quotes in the name") << false << true << "Petr \"Pepa\" Dlouhý" << "Jan Novák,Petr \"Pepa\" Dlouhý," << 4;
        QTest::newRow("yes, inverted mode keeps checks") << true << true << "Petr Dlouhý" << "Jan Novák,Petr Dlouhý," << 4;
        QTest::newRow("no") << false << false << "Petr Dlouhý" << "Jan Novák," << 3;
    }
    void checkListAdd() {
        QFETCH(bool, inverted);
        QFETCH(QString, name);
        FakePrompt p;
        p.answers << FETCH(bool, answer);
        TFormCheckList f;
        f.SQL = "select ID, JMENO as TEXT from OSOBY order by ID";
        f.InsertSQL = "insert into OSOBY (ID, JMENO) values (gen_id(GEN_OSOBY, 1), %s)";
        f.SelectedIds = inverted ? ";5;7;" : ";4;";
        f.Load(inverted, "Osoby");
        QVERIFY(f.AddingAllowed());
        QCOMPARE(f.CheckedTexts(), QStringLiteral("Jan Novák,"));
        f.searchEdit()->setText(name);
        f.Hledej();
        QCOMPARE(p.questions, QStringList{name + "\nTato položka není v seznamu,\n chcete ji přidat ?"});
        QVERIFY(p.messages.isEmpty());
        QCOMPARE(f.CheckedTexts(), FETCH(QString, checkedTexts));
        QCOMPARE(f.count(), FETCH(int, rows));
        QCOMPARE(db.SelectInt("select count(*) from OSOBY"), f.count());
    }

    void checkListAddFailureChangesNothing() {
        FakePrompt p;
        p.answers << true;
        TFormCheckList f;
        f.SQL = "select ID, JMENO as TEXT from OSOBY order by ID";
        f.InsertSQL = "insert into NEEXISTUJE (JMENO) values (%s)";
        f.SelectedIds = ";7;";
        f.Load(false, "Osoby");
        f.searchEdit()->setText("Petr");
        f.Hledej();
        QCOMPARE(p.messages.size(), 1);
        QVERIFY(p.messages.first().startsWith("insert into NEEXISTUJE (JMENO) values (\"Petr\")\n"));
        QCOMPARE(f.CheckedIds(), QStringLiteral("7;"));
        QCOMPARE(f.count(), 3);
    }

    void tree_data() {
        QTest::addColumn<QString>("selection");
        QTest::addColumn<QString>("pairs");
        QTest::addColumn<QString>("texts");
        QTest::newRow("nothing") << "" << "" << "";
        QTest::newRow("stored pairs") << "13,12;10,1;" << "10,1;13,12;" << "Škoda Octavia,Tatra Superb,";
        QTest::newRow("no match inside longer ids") << "113,12;10,12;" << "10,12;" << "Škoda Superb,";
    }
    void tree() {
        TFrameStrom f;
        f.ParentTable = "RODICE";
        f.ParentIdColumn = "R_ID";
        f.ParentTextColumn = "NAZEV";
        f.ParentCondition = "where AKTIVNI=1 order by R_ID";
        f.ChildTable = "DETI";
        f.ChildIdColumn = "D_ID";
        f.ChildTextColumn = "NAZEV";
        f.ChildCondition = "order by D_ID";
        f.Selection = FETCH(QString, selection);
        QCOMPARE(TFrameStrom::ParentSQL(f), QStringLiteral("Select R_ID,NAZEV from RODICE where AKTIVNI=1 order by R_ID;"));
        QCOMPARE(TFrameStrom::ChildSQL(f), QStringLiteral("Select D_ID,NAZEV from DETI order by D_ID;"));
        QVERIFY(f.Load());
        QTreeWidget *t = f.tree();
        QCOMPARE(t->topLevelItemCount(), 2);
        for (int p = 0; p < 2; ++p)
            QCOMPARE(t->topLevelItem(p)->childCount(), 3);
        QCOMPARE(TFrameStrom::NodeId(t->topLevelItem(1)), QStringLiteral("13"));
        QCOMPARE(TFrameStrom::NodeParentId(t->topLevelItem(1)), QStringLiteral("0"));
        QCOMPARE(TFrameStrom::NodeParentId(t->topLevelItem(1)->child(2)), QStringLiteral("13"));
        QCOMPARE(f.CheckedPairs(), FETCH(QString, pairs));
        QCOMPARE(f.CheckedTexts(), FETCH(QString, texts));
    }

    void treeCheckingChild() {
        TFormStrom dlg;
        TFrameStrom &f = *dlg.frame();
        f.ParentTable = "RODICE";
        f.ParentIdColumn = "R_ID";
        f.ParentTextColumn = "NAZEV";
        f.ParentCondition = "where AKTIVNI=1 order by R_ID";
        f.ChildTable = "DETI";
        f.ChildIdColumn = "D_ID";
        f.ChildTextColumn = "NAZEV";
        f.ChildCondition = "order by D_ID";
        QVERIFY(f.Load());
        f.tree()->topLevelItem(0)->child(1)->setCheckState(0, Qt::Checked);
        QCOMPARE(f.CheckedPairs(), QStringLiteral("10,2;"));
        QCOMPARE(f.CheckedTexts(), QStringLiteral("Škoda Fabia,"));
        // Checking a parent checks all its children.
        f.tree()->topLevelItem(1)->setCheckState(0, Qt::Checked);
        QCOMPARE(f.CheckedPairs(), QStringLiteral("10,2;13,1;13,2;13,12;"));
    }

    // ---- one-field dialogs ----

    void comboBox2EnterClosesWithOk() {
        TFormComboBox2 d;
        QVERIFY(d.Fill("select ID, JMENO from OSOBY order by JMENO"));
        QCOMPARE(d.comboBox()->count(), 3);
        OnModal<TFormComboBox2> modal8([](TFormComboBox2 *w) {
            QCOMPARE(QApplication::focusWidget(), w->comboBox());
            QTest::keyClick(w->comboBox(), Qt::Key_Down);
            QTest::keyClick(w->comboBox(), Qt::Key_Return);
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(d.ChosenId(), 5);
        QCOMPARE(d.ChosenText(), QStringLiteral("Jan"));
    }

    void mkListBoxEnterClosesWithOk() {
        TFormMKListBox d;
        QVERIFY(d.Fill("select ID, JMENO from OSOBY order by ID"));
        QCOMPARE(d.listBox()->count(), 3);
        QVERIFY(d.listBox()->selectedItems().isEmpty());
        OnModal<TFormMKListBox> modal9([](TFormMKListBox *w) {
            QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(w->listBox()));
            w->listBox()->setCurrentRow(2);
            QTest::keyClick(w->listBox(), Qt::Key_Return);
        });
        QCOMPARE(d.exec(), int(QDialog::Accepted));
        QCOMPARE(d.ChosenId(), 7);
        QCOMPARE(d.ChosenText(), QStringLiteral("Eva Malá"));
    }

    void comboBox1AndListBox() {
        TFormComboBox1 c;
        c.comboBox()->addItems({"a", "b"});
        OnModal<TFormComboBox1> modal10([](TFormComboBox1 *w) {
            w->comboBox()->setFocus();
            w->comboBox()->lineEdit()->selectAll();
            QTest::keyClicks(w->comboBox()->lineEdit(), "Vlastni text");
            QTest::keyClick(w->comboBox()->lineEdit(), Qt::Key_Return);
        });
        QCOMPARE(c.exec(), int(QDialog::Accepted));
        QCOMPARE(c.Text(), QStringLiteral("Vlastni text"));

        TForm_ListBox l;
        l.listBox()->addItems({"jedna", "dvě"});
        QCOMPARE(l.ChosenIndex(), -1);
        OnModal<TForm_ListBox> modal11([](TForm_ListBox *w) {
            QListWidget *list = w->listBox();
            // A double-click with nothing selected does not close.
            Q_EMIT list->itemDoubleClicked(list->item(0));
            QVERIFY(w->isVisible());
            list->setCurrentRow(1);
            Q_EMIT list->itemDoubleClicked(list->item(1));
        });
        QCOMPARE(l.exec(), int(QDialog::Accepted));
        QCOMPARE(l.ChosenText(), QStringLiteral("dvě"));
    }

    void fillFromBadSqlShowsError() {
        FakePrompt p;
        TFormComboBox2 d;
        d.comboBox()->Pridej(1, "stará");
        QVERIFY(!d.Fill("select ID, JMENO from NEEXISTUJE"));
        QCOMPARE(d.comboBox()->count(), 0);
        QCOMPARE(p.messages.size(), 1);
    }
};

QTEST_MAIN(TestInputControls)
#include "tst_inputcontrols.moc"
