#include "configuration.h"

#include "inifile.h"
#include "scramble.h"

#include <QFileInfo>

namespace {
QString withExtension(const QString &programPath, const QString &ext) {
    const QFileInfo fi(programPath);
    return fi.path() + QLatin1Char('/') + fi.completeBaseName() + ext;
}
}

QString Configuration::iniPathFor(const QString &programPath) {
    return withExtension(programPath, QStringLiteral(".ini"));
}

// The register hosts are ours to choose; the paths and queries are the registers' own.
QString Configuration::defaultWwwInfoIco() {
    return QStringLiteral("https://wwwinfo.mfcr.cz/cgi-bin/ares/darv_rzp.cgi?ICO=%s&odp=html&jazyk=cz&xml=true");
}

QString Configuration::defaultWwwInfoDic() {
    return QStringLiteral("https://adisreg.mfcr.cz/cgi-bin/adis/idph/int_dp_prij.cgi?id=1&pocet=1&fu=&OK=+Search+&ZPRAC=RDPHI1&dic=%s");
}

Configuration Configuration::load(const IniFile &ini, const QString &programPath) {
    Configuration c;
    const QString MAIN = QStringLiteral("MAIN");
    c.only1Copy = ini.readInteger(MAIN, QStringLiteral("only_1_copy"), 1);
    c.disk = ini.readString(MAIN, QStringLiteral("disk"), QStringLiteral("nonremovable"));
    c.netWaitTime = ini.readInteger(MAIN, QStringLiteral("net_wait_time"), 3);

    const QString DB = QStringLiteral("DB-IB");
    c.dbPathname = ini.readString(DB, QStringLiteral("pathname"), withExtension(programPath, QStringLiteral(".gdb")));
    if (!c.dbPathname.contains(QLatin1Char('/')) && !c.dbPathname.contains(QLatin1Char('\\')))
        c.dbPathname = QFileInfo(programPath).path() + QLatin1Char('/') + c.dbPathname;
    c.dbUsername = ini.readString(DB, QStringLiteral("username"), QStringLiteral("sysdba"));
    c.dbPassword = ini.readString(DB, QStringLiteral("password"), QStringLiteral("plumtrees"));
    const QString scrambled = ini.readString(DB, QStringLiteral("password#"));
    if (!scrambled.isEmpty())
        c.dbPassword = UnscrambleText(scrambled, QStringLiteral("zorva"));

    c.superadmin = ini.readInteger(QStringLiteral("MIRTEK-SOFT"), QStringLiteral("superadmin"), 0);
    const QString VIS = QStringLiteral("visible");
    c.kjVisible = ini.readInteger(QStringLiteral("KJ"), VIS, 0);
    c.obchodVisible = ini.readInteger(QStringLiteral("OBCHOD"), VIS, 0);
    c.revizeVisible = ini.readBool(QStringLiteral("REVIZE"), VIS, true);
    c.calendarVisible = ini.readBool(QStringLiteral("CALENDAR"), VIS, true);
    c.alarmVisible = ini.readBool(QStringLiteral("ALARM"), VIS, true);
    c.addressVisible = ini.readBool(QStringLiteral("ADDRESS"), VIS, true);
    c.settingVisible = ini.readBool(QStringLiteral("SETTING"), VIS, true);
    c.scheduleVisible = ini.readBool(QStringLiteral("SCHEDULE"), VIS, true);
    c.notesVisible = ini.readBool(QStringLiteral("NOTES"), VIS, true);
    c.juVisible = ini.readBool(QStringLiteral("JU"), VIS, true);
    c.jfVisible = ini.readBool(QStringLiteral("JF"), VIS, true);
    c.pravPlVisible = ini.readBool(QStringLiteral("PRAV_PL"), VIS, true);
    c.goodsVisible = ini.readBool(QStringLiteral("GOODS"), VIS, true);
    c.bankVisible = ini.readBool(QStringLiteral("BANK"), VIS, true);
    c.orderVisible = ini.readBool(QStringLiteral("ORDER"), VIS, true);

    c.login = ini.readInteger(MAIN, QStringLiteral("login"), 0);
    c.kjTest = ini.readString(QStringLiteral("KJ"), QStringLiteral("test"), QStringLiteral("0"));
    c.netMode = ini.readInteger(MAIN, QStringLiteral("net_mode"), 0);
    c.sntpServer = ini.readString(QStringLiteral("TIME"), QStringLiteral("sntpserver"));
    c.timeAuto = ini.readInteger(QStringLiteral("TIME"), QStringLiteral("auto"), 0);
    c.displayTitleCategory = ini.readInteger(MAIN, QStringLiteral("display_title_category"), 0);
    c.displayCategoryBitmapPath = ini.readString(MAIN, QStringLiteral("display_category_bitmap_path"));
    if (!c.displayCategoryBitmapPath.isEmpty() && !c.displayCategoryBitmapPath.endsWith(QLatin1Char('\\'))
        && !c.displayCategoryBitmapPath.endsWith(QLatin1Char('/')))
        c.displayCategoryBitmapPath += QLatin1Char('\\');
    c.defaultGroup = ini.readString(MAIN, QStringLiteral("default_group"));
    c.clipboardPathname = ini.readString(QStringLiteral("CLIPBOARD"), QStringLiteral("pathname"));

    const QString REV = QStringLiteral("REVIZE");
    c.revizeNextPeriodEdit = ini.readInteger(REV, QStringLiteral("next_period_edit"), 0);
    const QString period = ini.readString(REV, QStringLiteral("period_type"), QStringLiteral("M"));
    c.revizePeriodType = period.isEmpty() ? QStringLiteral("M") : period.left(1);
    c.revizePathPrint = ini.readString(REV, QStringLiteral("path_print"));

    const QString POP = QStringLiteral("FILE_POP_GET");
    c.popIp = ini.readString(POP, QStringLiteral("POP_IP"));
    c.popPort = ini.readInteger(POP, QStringLiteral("POP_PORT"), 110);
    c.popUser = ini.readString(POP, QStringLiteral("POP_USER"));
    c.popPassword = ini.readString(POP, QStringLiteral("POP_PASSWORD"));
    c.popPath = ini.readString(POP, QStringLiteral("PATH"));

    c.lite = ini.readInteger(MAIN, QStringLiteral("LITE"), 0);

    const QString SEND = QStringLiteral("SEND_APPLICATION");
    c.sendApplicationPathname = ini.readString(SEND, QStringLiteral("pathname"),
                                               QStringLiteral("c:\\Program Files\\MyPhoneExplorer\\MyPhoneExplorer.exe"));
    if (!QFileInfo::exists(c.sendApplicationPathname))
        c.sendApplicationPathname.clear();
    c.sendApplicationCommand = ini.readString(SEND, QStringLiteral("command"), QStringLiteral("action=upload files=%s"));
    c.irdaPathname = ini.readString(QStringLiteral("IRDA"), QStringLiteral("pathname"));
    if (!c.irdaPathname.isEmpty() && !QFileInfo::exists(c.irdaPathname))
        c.irdaPathname.clear();

    const QString PHONE = QStringLiteral("PHONE");
    c.phoneProgram = ini.readString(PHONE, QStringLiteral("program"));
    c.phoneParameter = ini.readString(PHONE, QStringLiteral("parameter"));
    c.phoneSkype = ini.readString(PHONE, QStringLiteral("skype"));
    c.obchodPhotoMaskname = ini.readString(QStringLiteral("OBCHOD"), QStringLiteral("photo_maskname"));
    c.obchodXmlExport = ini.readString(QStringLiteral("OBCHOD"), QStringLiteral("xml_export"));
    c.wwwInfoIco = ini.readString(QStringLiteral("WWW_INFO"), QStringLiteral("ico"), defaultWwwInfoIco());
    c.wwwInfoDic = ini.readString(QStringLiteral("WWW_INFO"), QStringLiteral("dic"), defaultWwwInfoDic());
    return c;
}
