#include "tools/calculator.h"
#include "tools/widgets/mkkalk.h"
#include "tools/widgets/printhistory.h"

#include "tests/support/fakeprompt.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>

class TestCalculator : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void calculate_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("separator");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("history");
        QTest::newRow("default two decimals") << "2+3" << 2 << "." << "5.00" << "2+3=5.00";
        QTest::newRow("old result ignored") << "2+3=9" << 2 << "." << "5.00" << "2+3=5.00";
        QTest::newRow("no decimals") << "10/3" << 0 << "." << "3" << "10/3=3";
        QTest::newRow("two decimals of a third") << "10/3" << 2 << "." << "3.33" << "10/3=3.33";
        QTest::newRow("rounded half up in display") << "2.675+0.001" << 2 << "." << "2.68" << "2.675+0.001=2.68";
        QTest::newRow("negative") << "2-5" << 1 << "." << "-3.0" << "2-5=-3.0";
        QTest::newRow("decimal comma") << "2,5*2" << 2 << "," << "5,00" << "2,5*2=5,00";
        QTest::newRow("command arguments with comma") << "!MOD(7,3)" << 0 << "," << "1" << "!MOD(7,3)=1";
        QTest::newRow("condition with comma, then command") << "IF{1,5>1}!DIV(7,2)" << 0 << "," << "3" << "IF{1,5>1}!DIV(7,2)=3";
        QTest::newRow("VAT factor with comma") << "100*1.19" << 2 << "," << "119,00" << "100*1.19=119,00";
        QTest::newRow("register keeps its =") << "M005=2*3" << 2 << "." << "6.00" << "M005=2*3=6.00";
        QTest::newRow("register, old result") << "M005=2*3=6.00" << 2 << "." << "6.00" << "M005=2*3=6.00";
        QTest::newRow("condition keeps its =") << "IF{1=1}5=9" << 0 << "." << "5" << "IF{1=1}5=5";
    }
    void calculate() {
        QFETCH(QString, line);
        QFETCH(int, decimals);
        QFETCH(QString, separator);
        QFETCH(QString, result);
        QFETCH(QString, history);
        FakePrompt prompt;
        Calculator c;
        c.decimals = decimals;
        c.decimalSeparator = separator.at(0);
        c.line = line;
        const Calculator::Outcome out = c.calculate();
        QVERIFY(out.calculated);
        QCOMPARE(c.result, result);
        QCOMPARE(c.line, result);
        QCOMPARE(c.caret, int(result.size()));
        QCOMPARE(c.history, QStringList{history});
        QVERIFY(prompt.messages.isEmpty());
    }

    void errorLeavesEverything() {
        FakePrompt prompt;
        Calculator c;
        c.line = QStringLiteral("1+1");
        c.calculate();
        c.line = QStringLiteral("2*-3");
        const Calculator::Outcome out = c.calculate(Calculator::Clipboard::Result);
        QVERIFY(!out.calculated);
        QCOMPARE(out.error, 2);
        QVERIFY(out.clipboard.isEmpty());
        QCOMPARE(prompt.messages, QStringList{QStringLiteral("CHYBA V ZADÁNÍ ČÍSLO: 2")});
        QCOMPARE(c.history, QStringList{QStringLiteral("1+1=2.00")});
        QCOMPARE(c.line, QStringLiteral("2*-3"));
        QCOMPARE(c.result, QStringLiteral("2.00"));
        // the faulty line can be corrected: the next key does not empty it
        QVERIFY(!c.keyTyped(QLatin1Char('1')));
    }

    void emptyLineDoesNothing() {
        FakePrompt prompt;
        Calculator c;
        QVERIFY(!c.calculate().calculated);
        QVERIFY(c.history.isEmpty());
        QVERIFY(prompt.messages.isEmpty());
    }

    void continuation_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("line");
        QTest::newRow("operator continues") << "*2" << "5.00*2";
        QTest::newRow("plus continues") << "+1" << "5.00+1";
        QTest::newRow("minus continues") << "-1" << "5.00-1";
        QTest::newRow("divide continues") << "/2" << "5.00/2";
        QTest::newRow("power continues") << "^2" << "5.00^2";
        QTest::newRow("digit starts anew") << "7" << "7";
        QTest::newRow("digits start anew once") << "72" << "72";
        QTest::newRow("parenthesis starts anew") << "(1" << "(1";
        QTest::newRow("function starts anew") << "SIN(30)" << "SIN(30)";
    }
    void continuation() {
        QFETCH(QString, keys);
        QFETCH(QString, line);
        Calculator c;
        c.line = QStringLiteral("2+3");
        c.calculate();
        for (const QChar k : keys) {
            c.keyTyped(k);
            c.line.insert(c.caret, k);
            ++c.caret;
        }
        QCOMPARE(c.line, line);
        c.calculate();
    }

    void firstKeyOnEmptyLine() {
        Calculator c;
        QVERIFY(!c.keyTyped(QLatin1Char('7')));
    }

    void vatAtCaret_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("caret");
        QTest::addColumn<bool>("nineteen");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<int>("caretAfter");
        QTest::newRow("end 19") << "100" << 3 << true << "100*1.19" << 8;
        QTest::newRow("end 5") << "100" << 3 << false << "100*1.05" << 8;
        QTest::newRow("middle") << "100+50" << 3 << true << "100*1.19+50" << 8;
        QTest::newRow("start") << "100" << 0 << false << "*1.05100" << 5;
        QTest::newRow("empty") << "" << 0 << true << "*1.19" << 5;
    }
    void vatAtCaret() {
        QFETCH(QString, line);
        QFETCH(int, caret);
        QFETCH(bool, nineteen);
        QFETCH(QString, expected);
        QFETCH(int, caretAfter);
        Calculator c;
        c.line = line;
        c.caret = caret;
        c.insertAtCaret(nineteen ? Calculator::vat19() : Calculator::vat5());
        QCOMPARE(c.line, expected);
        QCOMPARE(c.caret, caretAfter);
    }

    void vatAfterResultContinues() {
        Calculator c;
        c.line = QStringLiteral("100");
        c.calculate();
        c.insertAtCaret(Calculator::vat19());
        QVERIFY(!c.keyTyped(QLatin1Char('+')));
        QVERIFY(!c.keyTyped(QLatin1Char('1')));
        c.line += QStringLiteral("+1");
        c.calculate();
        QCOMPARE(c.result, QStringLiteral("120.00"));
    }

    void clipboardTexts() {
        Calculator c;
        c.line = QStringLiteral("2+3");
        QCOMPARE(c.calculate(Calculator::Clipboard::Result).clipboard, QStringLiteral("5.00"));
        c.line = QStringLiteral("2+3");
        QCOMPARE(c.calculate(Calculator::Clipboard::HistoryLine).clipboard, QStringLiteral("2+3=5.00"));
        c.line = QStringLiteral("2+3");
        QVERIFY(c.calculate().clipboard.isEmpty());
    }

    void width_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("result");
        QTest::newRow("wide") << 20 << "1234567.891" << "1234567.89";
        QTest::newRow("rounded to width") << 5 << "123.456789" << "123.46";
        QTest::newRow("fewer digits than decimals") << 3 << "1.23456" << "1.23";
        QTest::newRow("wider than width") << 3 << "123456" << "1.23E+05";
    }
    void width() {
        QFETCH(int, width);
        QFETCH(QString, line);
        QFETCH(QString, result);
        Calculator c;
        c.width = width;
        c.line = line;
        QVERIFY(c.calculate().calculated);
        QCOMPARE(c.result, result);
    }

    void withoutResult_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << "2+3=5.00" << "2+3";
        QTest::newRow("no result") << "2+3" << "2+3";
        QTest::newRow("register") << "M005=2*3=6.00" << "M005=2*3";
        QTest::newRow("wildcard register") << "M1??=1=1.00" << "M1??=1";
        QTest::newRow("condition") << "IF{M001=1}5=5.00" << "IF{M001=1}5";
        QTest::newRow("condition and register") << "IFN{1=2}M002=3=3.00" << "IFN{1=2}M002=3";
        QTest::newRow("not a register") << "M20=5" << "M20";
    }
    void withoutResult() {
        QFETCH(QString, line);
        QFETCH(QString, expected);
        QCOMPARE(Calculator::withoutResult(line), expected);
    }

    void clearsRegistersWhenCreated() {
        ExpressionEngine engine;
        engine.setMemory(7, 3.0);
        engine.setMemory(0, 1.0);
        Calculator c(engine);
        QCOMPARE(engine.memory(7), 0.0);
        QCOMPARE(engine.memory(0), 0.0);
    }

    void mayUseFiles() {
        FakePrompt prompt;
        ExpressionEngine engine;
        Calculator c(engine);
        c.decimals = 0;
        c.line = QStringLiteral("!FILE_EXIST(\"%1\")").arg(QCoreApplication::applicationFilePath());
        QVERIFY(c.calculate().calculated);
        QCOMPARE(c.result, QStringLiteral("1"));
    }

    // The window, driven by keys and clicks.
    void window() {
        FakePrompt prompt;
        TForm_MKKALK w;
        w.calculator().decimalSeparator = QLatin1Char('.');
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.windowTitle(), QStringLiteral("Zorva MKCALC 1.03"));
        QCOMPARE(w.JvSpinEdit_POCETMIST->value(), 20);
        QCOMPARE(w.JvSpinEdit_POCETDESMIST->value(), 2);
        w.Edit_PRIKLAD->setFocus();
        QTest::keyClicks(w.Edit_PRIKLAD, QStringLiteral("2+3"));
        QTest::keyClick(w.Edit_PRIKLAD, Qt::Key_Return);
        QCOMPARE(w.Edit_PRIKLAD->text(), QStringLiteral("5.00"));
        QCOMPARE(w.Label_VYSLEDEK->text(), QStringLiteral("5.00"));
        QCOMPARE(w.RichEdit_Historie->toPlainText(), QStringLiteral("2+3=5.00"));

        QTest::keyClicks(w.Edit_PRIKLAD, QStringLiteral("*2"));
        QCOMPARE(w.Edit_PRIKLAD->text(), QStringLiteral("5.00*2"));
        QTest::mouseClick(w.SB_Vypocet, Qt::LeftButton);
        QCOMPARE(w.Edit_PRIKLAD->text(), QStringLiteral("10.00"));

        QTest::keyClicks(w.Edit_PRIKLAD, QStringLiteral("(7"));
        QCOMPARE(w.Edit_PRIKLAD->text(), QStringLiteral("(7"));
        QTest::keyClick(w.Edit_PRIKLAD, Qt::Key_Backspace);
        QTest::keyClick(w.Edit_PRIKLAD, Qt::Key_Backspace);
        QTest::keyClicks(w.Edit_PRIKLAD, QStringLiteral("100"));
        QTest::mouseClick(w.SB_19DPH, Qt::LeftButton);
        QCOMPARE(w.Edit_PRIKLAD->text(), QStringLiteral("100*1.19"));
        QCOMPARE(w.SB_19DPH->toolTip(), QStringLiteral("Vloží na místo kurzoru *1.19"));
        w.JvSpinEdit_POCETDESMIST->setValue(0);
        QTest::mouseClick(w.SB_VYSLEDEKDOCLIP, Qt::LeftButton);
        QCOMPARE(w.Edit_PRIKLAD->text(), QStringLiteral("119"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("119"));

        QTest::keyClicks(w.Edit_PRIKLAD, QStringLiteral("5/0"));
        QTest::keyClick(w.Edit_PRIKLAD, Qt::Key_Return);
        QCOMPARE(prompt.messages, QStringList{QStringLiteral("CHYBA V ZADÁNÍ ČÍSLO: 53")});
        QCOMPARE(w.RichEdit_Historie->toPlainText(), QStringLiteral("2+3=5.00\n5.00*2=10.00\n100*1.19=119"));

        // the history line under the caret back into the calculation line
        QTextCursor cursor(w.RichEdit_Historie->document()->findBlockByNumber(1));
        w.RichEdit_Historie->setTextCursor(cursor);
        QTest::mouseClick(w.SB_DOPRIKLADU, Qt::LeftButton);
        QCOMPARE(w.Edit_PRIKLAD->text(), QStringLiteral("5.00*2"));
        QTest::keyClicks(w.Edit_PRIKLAD, QStringLiteral("0"));
        QCOMPARE(w.Edit_PRIKLAD->text(), QStringLiteral("5.00*20"));
        QTest::mouseClick(w.SB_PRIKLADDOCLIP, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("5.00*20=100"));

        w.RichEdit_Historie->selectAll();
        QTest::mouseClick(w.SB_TOCLIP, Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("2+3=5.00\n5.00*2=10.00\n100*1.19=119\n5.00*20=100"));
        QTest::mouseClick(w.SB_CLEAR, Qt::LeftButton);
        QVERIFY(w.RichEdit_Historie->toPlainText().isEmpty());
        QVERIFY(w.calculator().history.isEmpty());
    }

    void historyPrintsToPdf() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("MKKALK.pdf"));
        QVERIFY(PrintPlainTextToPdf(QStringLiteral("2+3=5.00\n10/3=3.33"), QStringLiteral("MKKALK"), file));
        QFile f(file);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray pdf = f.readAll();
        QVERIFY(pdf.startsWith("%PDF"));
        // the document title, as UTF-16 in the information dictionary
        const QByteArray title = QByteArray("\xfe\xff", 2) + QByteArray("\0M\0K\0K\0A\0L\0K", 12);
        QVERIFY(pdf.contains(title) || pdf.contains("FEFF004D004B004B0041004C004B"));
    }

    void helpFileMissingIsSaid() {
        FakePrompt prompt;
        TForm_MKKALK w;
        w.NapovedaClick();
        QCOMPARE(prompt.messages.size(), 1);
        QVERIFY(prompt.messages.first().startsWith(QStringLiteral("Soubor nápovědy nebyl nalezen")));
    }
};

QTEST_MAIN(TestCalculator)
#include "tst_calculator.moc"
