#include "data/configuration.h"
#include "data/inifile.h"
#include "data/scramble.h"
#include "exchange/codepage/win1250.h"

#include <QTemporaryDir>
#include <QtTest>

class TestConfiguration : public QObject {
    Q_OBJECT
    QTemporaryDir dir;
    QString program() const { return dir.path() + "/zorva"; }
    void writeIni(const QByteArray &text) {
        QFile f(dir.path() + "/zorva.ini");
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

private Q_SLOTS:
    void defaults() {
        QFile::remove(dir.path() + "/zorva.ini");
        const Configuration c = Configuration::load(IniFile(Configuration::iniPathFor(program())), program());
        QCOMPARE(Configuration::iniPathFor(program()), dir.path() + "/zorva.ini");
        QCOMPARE(c.only1Copy, 1);
        QCOMPARE(c.disk, QStringLiteral("nonremovable"));
        QCOMPARE(c.netWaitTime, 3);
        QCOMPARE(c.dbPathname, dir.path() + "/zorva.gdb");
        QCOMPARE(c.dbUsername, QStringLiteral("sysdba"));
        QCOMPARE(c.dbPassword, QStringLiteral("plumtrees"));
        QCOMPARE(c.kjVisible, 0);
        QCOMPARE(c.obchodVisible, 0);
        QVERIFY(c.revizeVisible && c.calendarVisible && c.orderVisible && c.bankVisible);
        QCOMPARE(c.login, 0);
        QCOMPARE(c.kjTest, QStringLiteral("0"));
        QCOMPARE(c.netMode, 0);
        QCOMPARE(c.revizePeriodType, QStringLiteral("M"));
        QCOMPARE(c.popPort, 110);
        QCOMPARE(c.sendApplicationPathname, QString()); // the default program does not exist here
        QCOMPARE(c.sendApplicationCommand, QStringLiteral("action=upload files=%s"));
        QVERIFY(c.wwwInfoIco.contains("/cgi-bin/ares/darv_rzp.cgi?ICO=%s&odp=html&jazyk=cz&xml=true"));
        QVERIFY(c.wwwInfoDic.contains("/cgi-bin/adis/idph/int_dp_prij.cgi?id=1&pocet=1&fu=&OK=+Search+&ZPRAC=RDPHI1&dic=%s"));
    }

    void oddValues() {
        writeIni("[main]\r\nONLY_1_COPY = 0 \r\nnet_wait_time=abc\r\nlogin=2\r\ndisplay_category_bitmap_path=c:\\obr\r\n"
                 "[DB-IB]\r\npathname=server:c:\\data\\zorva.gdb\r\nusername=Uživatel\r\n"
                 "[REVIZE]\r\nperiod_type=\r\nvisible=0\r\n[calendar]\r\nvisible=x\r\n[WWW_INFO]\r\nico=http://a/b?x=1,2\r\n");
        // Windows-1250 on disk.
        QFile f(dir.path() + "/zorva.ini");
        QVERIFY(f.open(QIODevice::ReadWrite));
        QByteArray bytes = f.readAll();
        bytes.replace("Uživatel", Win1250::encode("Uživatel"));
        f.seek(0);
        f.write(bytes);
        f.resize(bytes.size());
        f.close();
        const Configuration c = Configuration::load(IniFile(dir.path() + "/zorva.ini"), program());
        QCOMPARE(c.only1Copy, 0);
        QCOMPARE(c.netWaitTime, 3);
        QCOMPARE(c.login, 2);
        QCOMPARE(c.displayCategoryBitmapPath, QStringLiteral("c:\\obr\\"));
        QCOMPARE(c.dbPathname, QStringLiteral("server:c:\\data\\zorva.gdb"));
        QCOMPARE(c.dbUsername, QStringLiteral("Uživatel"));
        QCOMPARE(c.revizePeriodType, QStringLiteral("M"));
        QVERIFY(!c.revizeVisible);
        QVERIFY(c.calendarVisible);
        QCOMPARE(c.wwwInfoIco, QStringLiteral("http://a/b?x=1,2"));
    }

    void barePathnameIsBesideProgram() {
        writeIni("[DB-IB]\r\npathname=data.gdb\r\n");
        QCOMPARE(Configuration::load(IniFile(dir.path() + "/zorva.ini"), program()).dbPathname, dir.path() + "/data.gdb");
    }

    void scrambledPassword() {
        writeIni("[DB-IB]\r\npassword=clear\r\npassword#=" + ScrambleText("tajné", "zorva").toLatin1() + "\r\n");
        QCOMPARE(Configuration::load(IniFile(dir.path() + "/zorva.ini"), program()).dbPassword, QStringLiteral("tajné"));
    }

    void iniWriteAndRead() {
        const QString path = dir.path() + "/w.ini";
        QFile::remove(path);
        {
            IniFile ini(path);
            QVERIFY(ini.writeString("MAIN", "default_group", "Účetní, \"vedení\""));
            QVERIFY(ini.writeInteger("main", "net_mode", 2));
            QVERIFY(ini.writeBool("KJ", "visible", true));
            QVERIFY(ini.writeString("MAIN", "NET_MODE", "1"));
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray raw = f.readAll();
        QVERIFY(raw.contains("\r\n"));
        QVERIFY(!raw.contains("\n\n"));
        QVERIFY(raw.contains(Win1250::encode("Účetní")));
        QCOMPARE(raw.count("net_mode"), 1);
        IniFile ini(path);
        QCOMPARE(ini.readString("main", "DEFAULT_GROUP"), QStringLiteral("Účetní, \"vedení\""));
        QCOMPARE(ini.readInteger("MAIN", "net_mode", 0), 1);
        QVERIFY(ini.readBool("kj", "visible", false));
        QVERIFY(ini.valueExists("MAIN", "Net_Mode"));
        QVERIFY(!ini.valueExists("MAIN", "missing"));
        QVERIFY(ini.deleteKey("MAIN", "net_mode"));
        QCOMPARE(IniFile(path).readInteger("MAIN", "net_mode", 7), 7);
    }
};

QTEST_APPLESS_MAIN(TestConfiguration)
#include "tst_configuration.moc"
