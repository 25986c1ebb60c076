#pragma once
#include <QString>

#include <array>

class IniFile;

// The three tabs of the options dialog that edit the configuration file, as values. Loading
// shows what is in force: a missing key shows the value the program uses without it.
struct IniOptions {
    // "INI Soubor"
    int login = 0;                   // MAIN/login 0, 1, 2
    bool timeAuto = false;           // TIME/auto
    QString sntpServer;              // TIME/sntpserver
    QString clipboardPath;           // CLIPBOARD/pathname
    bool removableDisk = false;      // MAIN/disk "removable"
    QString defaultGroup;            // MAIN/default_group
    bool displayTitleCategory = false;   // MAIN/display_title_category
    QString categoryBitmapPath;      // MAIN/display_category_bitmap_path
    int netMode = 0;                 // MAIN/net_mode 0, 1, 2
    // "Modul Revize"
    bool periodInYears = false;      // REVIZE/period_type "R" (anything but "M")
    bool nextPeriodEdit = false;     // REVIZE/next_period_edit
    QString revizePathPrint;         // REVIZE/path_print
    bool revizeVisible = true;       // REVIZE/visible
    // "Zobrazovaní v menu", in the order of MenuVisibilitySection()
    std::array<bool, 14> menuVisible{};

    static IniOptions load(const IniFile &ini, int netModeInForce);
    // Each tab writes only its own keys. False when the file cannot be written.
    bool saveIniTab(IniFile &ini) const;
    bool saveRevizeTab(IniFile &ini) const;
    bool saveMenuTab(IniFile &ini) const;
};

constexpr int kMenuVisibilityCount = 14;
// Section and check-box caption of the i-th box of "Zobrazovaní v menu".
const char *MenuVisibilitySection(int i);
QString MenuVisibilityCaption(int i);
