#pragma once
#include <QString>

class IniFile;

// The machine-wide configuration read at start from the INI file beside the program. Missing or
// unreadable keys take their defaults silently.
struct Configuration {
    // MAIN
    int only1Copy = 1;
    QString disk = QStringLiteral("nonremovable");
    int netWaitTime = 3;
    int login = 0;
    int netMode = 0;
    int displayTitleCategory = 0;
    QString displayCategoryBitmapPath;
    QString defaultGroup;
    int lite = 0;
    // DB-IB
    QString dbPathname;
    QString dbUsername = QStringLiteral("sysdba");
    QString dbPassword = QStringLiteral("plumtrees");
    // MIRTEK-SOFT
    int superadmin = 0;
    // visibility of the navigation pages
    int kjVisible = 0;
    int obchodVisible = 0;
    bool revizeVisible = true, calendarVisible = true, alarmVisible = true, addressVisible = true,
         settingVisible = true, scheduleVisible = true, notesVisible = true, juVisible = true,
         jfVisible = true, pravPlVisible = true, goodsVisible = true, bankVisible = true,
         orderVisible = true;
    // KJ
    QString kjTest = QStringLiteral("0");
    // TIME
    QString sntpServer;
    int timeAuto = 0;
    // CLIPBOARD
    QString clipboardPathname;
    // REVIZE
    int revizeNextPeriodEdit = 0;
    QString revizePeriodType = QStringLiteral("M");
    QString revizePathPrint;
    // FILE_POP_GET
    QString popIp;
    int popPort = 110;
    QString popUser, popPassword, popPath;
    // SEND_APPLICATION
    QString sendApplicationPathname;
    QString sendApplicationCommand = QStringLiteral("action=upload files=%s");
    // IRDA
    QString irdaPathname;
    // PHONE
    QString phoneProgram, phoneParameter, phoneSkype;
    // OBCHOD
    QString obchodPhotoMaskname, obchodXmlExport;
    // WWW_INFO
    QString wwwInfoIco, wwwInfoDic;

    // Reads every key. programPath is the program's own file path: the database default is that
    // path with ".gdb", and a pathname without "/" or "\" is taken as a file in its folder.
    static Configuration load(const IniFile &ini, const QString &programPath);
    // The configuration file of a program: its path with the extension replaced by ".ini".
    static QString iniPathFor(const QString &programPath);
    static QString defaultWwwInfoIco();
    static QString defaultWwwInfoDic();
};
