#include "platform/autostart.h"
#include "platform/clockwatch.h"
#include "platform/fileassociation.h"
#include "platform/privatefolder.h"
#include "platform/singleinstance.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <sys/stat.h>

namespace {
QString readAll(const QString &path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}
int modeOf(const QString &path) {
    struct stat st {};
    ::stat(QFile::encodeName(path).constData(), &st);
    return st.st_mode & 0777;
}

class FakeClock : public ClockSource {
public:
    qint64 wall = 1'700'000'000'000, mono = 5000;
    qint64 wallMs() override { return wall; }
    qint64 monotonicMs() override { return mono; }
};
}

class TestPlatform : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void privateFolderIsTheUsersAlone() {
        QTemporaryDir base;
        const QString folder = PrivateFolder(base.path());
        QVERIFY(!folder.isEmpty());
        QCOMPARE(modeOf(folder), 0700);
        // A folder opened up by someone is closed again.
        ::chmod(QFile::encodeName(folder).constData(), 0777);
        QCOMPARE(PrivateFolder(base.path()), folder);
        QCOMPARE(modeOf(folder), 0700);
        // A file in its place is not taken for the folder.
        QTemporaryDir other;
        QFile blocker(QDir(other.path()).filePath(QStringLiteral("zorva")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(PrivateFolder(other.path()).isEmpty());
    }

    void handOverFileIsReplacedWhole() {
        QTemporaryDir base;
        LocalSingleInstance instance(PrivateFolder(base.path()));
        QVERIFY(instance.writeHandOverFile(QStringLiteral("/home/jana/dlouhá cesta/položka.zorva")));
        QVERIFY(instance.writeHandOverFile(QStringLiteral("/tmp/b.zorva")));
        bool ok = false;
        QCOMPARE(instance.readHandOverFile(&ok), QStringLiteral("/tmp/b.zorva"));
        QVERIFY(ok);
        QCOMPARE(readAll(instance.handOverPath()), QStringLiteral("/tmp/b.zorva\n"));
        QCOMPARE(modeOf(instance.handOverPath()), 0600);
        QCOMPARE(QFileInfo(instance.handOverPath()).fileName(), QStringLiteral("mirtek-soft_zorva_param.$$$"));
        // Nothing else is left in the folder (no temporary files of the writes).
        QCOMPARE(QDir(QFileInfo(instance.handOverPath()).path()).entryList(QDir::Files).size(), 1);

        LocalSingleInstance nowhere(QStringLiteral("/nonexistent/zorva"));
        QVERIFY(!nowhere.writeHandOverFile(QStringLiteral("x")));
        nowhere.readHandOverFile(&ok);
        QVERIFY(!ok);
    }

    // The first copy answers from a thread of its own, as another process would.
    void secondCopyFindsTheFirst() {
        QTemporaryDir base;
        const QString folder = PrivateFolder(base.path());
        LocalSingleInstance second(folder, 5000);
        QVERIFY(!second.otherCopyRunning());
        QVERIFY(!second.activateRunning());

        QThread thread;
        thread.start();
        auto *first = new LocalSingleInstance(folder, 5000);
        first->moveToThread(&thread);
        bool listening = false;
        QMetaObject::invokeMethod(first, [&] { listening = first->listen(); }, Qt::BlockingQueuedConnection);
        QVERIFY(listening);
        QSignalSpy activated(first, &SingleInstance::activationRequested);
        QSignalSpy handed(first, &SingleInstance::handedOver);

        QVERIFY(second.otherCopyRunning());
        QVERIFY(second.activateRunning());
        QTRY_COMPARE(activated.size(), 1);
        QCOMPARE(handed.size(), 0);

        QVERIFY(second.handOver(QStringLiteral("/data/faktura 12.zorva")));
        QTRY_COMPARE(handed.size(), 1);
        QCOMPARE(handed.first().at(0).toString(), QStringLiteral("/data/faktura 12.zorva"));
        QVERIFY(handed.first().at(1).toBool());

        QMetaObject::invokeMethod(first, [first] { delete first; }, Qt::BlockingQueuedConnection);
        thread.quit();
        thread.wait();
        QVERIFY(!second.otherCopyRunning());
        // A socket file left behind by a copy that died does not keep the next one from starting.
        LocalSingleInstance next(folder, 2000);
        QVERIFY(next.listen());
    }

    void autostartEntry() {
        QTemporaryDir home;
        XdgAutostart autostart(home.path());
        QVERIFY(!autostart.isEnabled());
        QVERIFY(autostart.enable(QStringLiteral("/opt/my apps/zorva")));
        QVERIFY(autostart.isEnabled());
        const QString text = readAll(autostart.entryPath());
        QVERIFY(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
        QVERIFY(text.contains(QStringLiteral("\nExec=\"/opt/my apps/zorva\"\n")));
        QVERIFY(autostart.disable());
        QVERIFY(!autostart.isEnabled());
        QVERIFY(autostart.disable());
    }

    void execArgument_data() {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("quoted");
        QTest::newRow("plain") << "/usr/bin/zorva" << "/usr/bin/zorva";
        QTest::newRow("blank") << "/a b/zorva" << "\"/a b/zorva\"";
        QTest::newRow("dollar and quote") << "/x$y\"z" << "\"/x\\$y\\\"z\"";
        QTest::newRow("backslash") << "/a\\b" << "\"/a\\\\b\"";
    }
    void execArgument() {
        QFETCH(QString, argument);
        QFETCH(QString, quoted);
        QCOMPARE(DesktopExecArgument(argument), quoted);
    }

    void fileAssociation() {
        QTemporaryDir data, config;
        QFile existing(config.path() + QStringLiteral("/mimeapps.list"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("[Default Applications]\ntext/plain=editor.desktop\n\n[Added Associations]\nimage/png=viewer.desktop\n");
        existing.close();
        XdgFileAssociation association(data.path(), config.path());
        QVERIFY(association.associate(QStringLiteral("/opt/zorva/zorva")));
        const QString mime = readAll(association.mimePackagePath());
        QVERIFY(mime.contains(QStringLiteral("type=\"application/x-zorva\"")));
        QVERIFY(mime.contains(QStringLiteral("<glob pattern=\"*.zorva\"/>")));
        const QString entry = readAll(association.desktopEntryPath());
        QVERIFY(entry.contains(QStringLiteral("Exec=/opt/zorva/zorva %f\n")));
        QVERIFY(entry.contains(QStringLiteral("MimeType=application/x-zorva;\n")));
        const QString apps = readAll(association.mimeAppsPath());
        QCOMPARE(apps, QStringLiteral("[Default Applications]\ntext/plain=editor.desktop\napplication/x-zorva=zorva.desktop\n\n"
                                      "[Added Associations]\nimage/png=viewer.desktop\n"));
        // Again: the line is replaced, not repeated.
        QVERIFY(association.associate(QStringLiteral("/opt/zorva/zorva")));
        QCOMPARE(readAll(association.mimeAppsPath()), apps);
    }

    void clockChange_data() {
        QTest::addColumn<qint64>("wallStep");
        QTest::addColumn<qint64>("monoStep");
        QTest::addColumn<bool>("changed");
        QTest::newRow("steady tick") << qint64(2000) << qint64(2000) << false;
        QTest::newRow("late tick") << qint64(9000) << qint64(9000) << false;
        QTest::newRow("jitter") << qint64(3500) << qint64(2000) << false;
        QTest::newRow("set forward an hour") << qint64(3602000) << qint64(2000) << true;
        QTest::newRow("set back five minutes") << qint64(-298000) << qint64(2000) << true;
    }
    void clockChange() {
        QFETCH(qint64, wallStep);
        QFETCH(qint64, monoStep);
        QFETCH(bool, changed);
        FakeClock clock;
        ClockWatch watch(clock);
        QVERIFY(!watch.check());
        clock.wall += wallStep;
        clock.mono += monoStep;
        QCOMPARE(watch.check(), changed);
        clock.wall += 2000;
        clock.mono += 2000;
        QVERIFY(!watch.check());
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "tst_platform.moc"
