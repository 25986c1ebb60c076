#include "inioptions.h"

#include "data/inifile.h"

namespace {
const char *const kSections[kMenuVisibilityCount] = {"KJ", "REVIZE", "CALENDAR", "ALARM", "ADDRESS", "SETTING", "SCHEDULE",
                                                     "NOTES", "JU", "JF", "PRAV_PL", "GOODS", "BANK", "ORDER"};
const char *const kCaptions[kMenuVisibilityCount] = {"Kniha jízd", "Revize", "Kalendář", "Alarmy", "Adresář", "Číselníky", "Úkoly",
                                                     "Poznámky", "JU", "JF", "Pravidelné platby", "Zboží", "Banka", "Zakázky"};
const QString MAIN = QStringLiteral("MAIN");
const QString VISIBLE = QStringLiteral("visible");
const QString REVIZE = QStringLiteral("REVIZE");
}

const char *MenuVisibilitySection(int i) { return kSections[i]; }
QString MenuVisibilityCaption(int i) { return QString::fromUtf8(kCaptions[i]); }

IniOptions IniOptions::load(const IniFile &ini, int netModeInForce) {
    IniOptions o;
    o.login = ini.readInteger(MAIN, QStringLiteral("login"), 0);
    o.timeAuto = ini.readInteger(QStringLiteral("TIME"), QStringLiteral("auto"), 0) == 1;
    o.sntpServer = ini.readString(QStringLiteral("TIME"), QStringLiteral("sntpserver"));
    o.clipboardPath = ini.readString(QStringLiteral("CLIPBOARD"), QStringLiteral("pathname"));
    o.removableDisk = ini.readString(MAIN, QStringLiteral("disk"), QStringLiteral("nonremovable")) == QLatin1String("removable");
    o.defaultGroup = ini.readString(MAIN, QStringLiteral("default_group"));
    o.displayTitleCategory = ini.readInteger(MAIN, QStringLiteral("display_title_category"), 0) == 1;
    o.categoryBitmapPath = ini.readString(MAIN, QStringLiteral("display_category_bitmap_path"));
    o.netMode = ini.readInteger(MAIN, QStringLiteral("net_mode"), netModeInForce);
    const QString period = ini.readString(REVIZE, QStringLiteral("period_type"), QStringLiteral("M"));
    o.periodInYears = !period.isEmpty() && !period.startsWith(QLatin1Char('M'));
    o.nextPeriodEdit = ini.readInteger(REVIZE, QStringLiteral("next_period_edit"), 0) == 1;
    o.revizePathPrint = ini.readString(REVIZE, QStringLiteral("path_print"));
    o.revizeVisible = ini.readBool(REVIZE, VISIBLE, true);
    for (int i = 0; i < kMenuVisibilityCount; ++i) {
        // The vehicle log is hidden unless switched on; every other page is shown unless
        // switched off. The box shows what the program does, so saving does not switch a page.
        const bool inForce = i != 0;
        o.menuVisible[i] = ini.readBool(QLatin1String(kSections[i]), VISIBLE, inForce);
    }
    return o;
}

bool IniOptions::saveIniTab(IniFile &ini) const {
    bool ok = ini.writeInteger(MAIN, QStringLiteral("login"), login);
    ok &= ini.writeInteger(QStringLiteral("TIME"), QStringLiteral("auto"), timeAuto ? 1 : 0);
    ok &= ini.writeString(QStringLiteral("TIME"), QStringLiteral("sntpserver"), sntpServer);
    ok &= ini.writeString(QStringLiteral("CLIPBOARD"), QStringLiteral("pathname"), clipboardPath);
    ok &= ini.writeString(MAIN, QStringLiteral("disk"), removableDisk ? QStringLiteral("removable") : QString());
    ok &= ini.writeString(MAIN, QStringLiteral("default_group"), defaultGroup);
    ok &= ini.writeInteger(MAIN, QStringLiteral("display_title_category"), displayTitleCategory ? 1 : 0);
    ok &= ini.writeString(MAIN, QStringLiteral("display_category_bitmap_path"), categoryBitmapPath);
    ok &= ini.writeInteger(MAIN, QStringLiteral("net_mode"), netMode);
    return ok;
}

bool IniOptions::saveRevizeTab(IniFile &ini) const {
    bool ok = ini.writeString(REVIZE, QStringLiteral("period_type"), periodInYears ? QStringLiteral("R") : QStringLiteral("M"));
    ok &= ini.writeInteger(REVIZE, QStringLiteral("next_period_edit"), nextPeriodEdit ? 1 : 0);
    ok &= ini.writeString(REVIZE, QStringLiteral("path_print"), revizePathPrint);
    ok &= ini.writeString(REVIZE, VISIBLE, revizeVisible ? QStringLiteral("1") : QStringLiteral("0"));
    return ok;
}

bool IniOptions::saveMenuTab(IniFile &ini) const {
    bool ok = true;
    for (int i = 0; i < kMenuVisibilityCount; ++i)
        ok &= ini.writeString(QLatin1String(kSections[i]), VISIBLE, menuVisible[i] ? QStringLiteral("1") : QStringLiteral("0"));
    return ok;
}
