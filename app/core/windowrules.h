#pragma once
#include <QRect>
#include <QString>

// Pulls a window back onto the screen: screenWidth and screenHeight are the work area's width
// and its height plus the caption. A window beyond the right or bottom edge moves back to it; one
// at or beyond the left or top edge is placed at 1.
QRect KeepOnScreen(const QRect &window, int screenWidth, int screenHeight);

// The events overview at start: mode 2 always, mode 1 only while the machine has been running
// for at most 10 minutes (uptime in milliseconds; unknown = -1 counts as not).
bool OpenOverviewAtStart(int mode, qint64 uptimeMs);

// The window geometry stored in the user settings is applied value by value, 0 keeping the
// designed one.
QRect RestoredGeometry(const QRect &designed, int left, int top, int height, int width);

// The text that follows the product's web addresses: "1.50 cz IB" + schema version + "_" +
// language letter, with every blank turned into "_".
QString VersionText(int schemaVersion, const QString &languageLetter);
constexpr const char *kProgramVersion = "1.50";
// Host of the product's web pages (help on the configuration file, version check).
constexpr const char *kProductWebHost = "https://www.zorva.cz";
