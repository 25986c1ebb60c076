#include "exchange/widgets/filedialogs.h"
#include "tests/support/fakeprompt.h"

#include <QApplication>
#include <QTextBrowser>
#include <QTimer>
#include <QtTest>

class TestFileDialogs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // The overview window shows the valid files and reports the others.
    void gpcPreviewWindow() {
        const QString dir = qEnvironmentVariable("ZORVA_TEST_SOURCE_DIR") + "/tests/fixtures/gpc/";
        FakePrompt p;
        QString shown;
        QTimer::singleShot(0, [&] {
            QWidget *w = QApplication::activeModalWidget();
            QVERIFY(w);
            auto *view = w->findChild<QTextBrowser *>();
            QVERIFY(view);
            shown = view->toPlainText();
            if (qEnvironmentVariableIsSet("ZORVA_SHOT"))
                w->grab().save(qEnvironmentVariable("ZORVA_SHOT"));
            w->close();
        });
        ShowGpcPreviewOf(nullptr, {dir + "statement.gpc", dir + "wrong_type.gpc", dir + "bank0100.gpc"});
        QCOMPARE(p.messages.size(), 1);
        QVERIFY(shown.contains("statement.gpc"));
        QVERIFY(shown.contains("bank0100.gpc"));
        QVERIFY(shown.contains("Platba za zboží"));
        QVERIFY(!shown.contains("wrong_type.gpc"));
    }
};

QTEST_MAIN(TestFileDialogs)
#include "tst_filedialogs.moc"
