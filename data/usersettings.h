#pragma once
#include <QString>

#include <array>

class TSQLDATA;

// The personal settings a user carries from station to station, stored as one text of
// positional values in uzivatel.nastaveni. Loaded once after log-in, changed directly by the
// windows that use them, saved once when the program ends.
struct UserSettings {
    QString calendarCategories;      //  1 category strip of the calendar: "T," or "F," and unchecked ids
    QString addressCategories;       //  2 the same for the address book
    int monthWeekRows = 0;           //  3 week rows of the month view, 0 = the view's own
    bool navigationBarShown = true;  //  4
    int monthViewStart = 1;          //  5 1 = today, 2 = first day of the month
    QString lastView;                //  6 last view of the work area
    QString lastPage;                //  7 key of the last navigation page
    int windowLeft = 0;              //  8 main window geometry, 0 = keep the designed value
    int windowTop = 0;               //  9
    int windowHeight = 0;            // 10
    int windowWidth = 0;             // 11
    // 12-24 calendar colours: text of items without category, line when tasks do not fit, text
    // and background of the first row, of the first column, of today, background and text of an
    // empty day, background and text of a holiday, background of a day in use.
    std::array<int, 13> calendarColours{0, 0, 0, 8421504, 0, 8421504, 255, 8628220, 16777215, 16711680, 8037626, 32768, 16578498};
    int wallpaperInterval = 0;       // 25 minutes
    QString wallpaperFolder;         // 26
    // 27 saved grid layouts: records each ended by ";", the oldest first (stored with "|" for ";")
    QString gridLayouts;
    QString language = QStringLiteral("C");  // 28 "C", "S" or "A"
    int firstDayOfWeek = 0;          // 29 0 Monday, 1 Sunday
    QString holidays = QStringLiteral("CZ"); // 30 "CZ" or "SK"
    // 31-33 year view: text and background of a place that is not a day, text of a weekend day
    std::array<int, 3> yearColours{0, 16777215, 255};
    int latitudeDegrees = 50;        // 34
    int latitudeMinutes = 8;         // 35
    int latitudeSeconds = 0;         // 36
    int longitudeDegrees = 14;       // 37
    int longitudeMinutes = 42;       // 38
    int longitudeSeconds = 0;        // 39
    int oddRowColour = 16777215;     // 40
    int evenRowColour = 16777215;    // 41
    bool overviewTrips = false;      // 42 events overview includes vehicle-log trips
    bool overviewSubNotes = true;    // 43 events overview includes sub-notes
    int alarmActionType = 0;         // 44 offered by new event and task editors
    int listRowHeight = 20;          // 45 pixels
    int overviewDays = 3;            // 46 days of the events overview at start, today included
    int overviewAtStart = 0;         // 47 0 never, 1 within 10 minutes after the system started, 2 always
    bool notesExpanded = true;       // 48
    bool searchCaseSensitive = false;    // 49
    bool searchDiacriticSensitive = true; // 50
    bool searchWholeValue = false;   // 51
    bool searchRegularExpression = false; // 52
    QString dayPeriods;              // 53 day periods of the calendar
    bool narrowWeekend = false;      // 54 narrow Saturday and Sunday in the month view
    QString reminderAddress;         // 55 e-mail reminder service
    QString reminderPassword;        // 56

    bool operator==(const UserSettings &) const = default;
};

// The settings of the logged-in user, read and changed directly by the program.
UserSettings &CurrentUserSettings();

// Width of the column that holds the text.
constexpr int kUserSettingsMaxLength = 5000;
constexpr int kUserSettingsValueCount = 56;

// The stored form: 56 values, each followed by ";". Texts lose every ";" (the grid layouts have
// theirs turned into "|"); booleans are "T" or "F".
QString UserSettingsToText(const UserSettings &settings);
// Parses a stored text over the values already in settings: the values it holds replace them,
// values past its end stay. An older, shorter text therefore leaves the rest as they were.
void UserSettingsFromText(const QString &text, UserSettings &settings);
// Drops the oldest grid layouts until the stored text fits maxLength. Returns the number of
// layouts dropped, or -1 when the text cannot fit even without any layout.
int FitUserSettings(UserSettings &settings, int maxLength = kUserSettingsMaxLength);

// Reads the user's settings: every value starts at its default, then the stored text is
// parsed. The language letter sets LanguageIndex; a letter other than "C", "S", "A" leaves the
// language that was in force.
void LoadUserSettings(TSQLDATA &db, int userId, UserSettings &settings);
// The current user's into CurrentUserSettings(), through SQLDATA.
void LoadUserSettings();

// Writes the settings back. A text longer than the column first loses its oldest grid layouts;
// the server's error text is returned (empty on success), and a text that cannot fit at all is
// not written, so the previously stored settings stay.
QString SaveUserSettings(TSQLDATA &db, int userId, UserSettings &settings);
// The current user's from CurrentUserSettings(), through SQLDATA; a failure is shown to the user.
QString SaveUserSettings();
