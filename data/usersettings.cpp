#include "usersettings.h"

#include "data/prompt.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "localisation/langtext.h"

#include <QStringList>

#include <vector>

namespace {

enum class Kind {
    Text,      // taken as stored; ";" removed when written
    Number,    // empty or not a number keeps the value
    TrueUnlessF, // anything but "F" is true
    TrueIfT,   // only "T" is true
    Layouts,   // text with "|" standing for ";"
    Language,  // "C", "S" or "A"; another letter keeps the value
    Holidays,  // text, but an empty value keeps the value
};

struct Slot {
    Kind kind;
    void *value;
};

// The positions of the stored text, in order.
std::vector<Slot> positions(UserSettings &s) {
    std::vector<Slot> p{
        {Kind::Text, &s.calendarCategories},
        {Kind::Text, &s.addressCategories},
        {Kind::Number, &s.monthWeekRows},
        {Kind::TrueUnlessF, &s.navigationBarShown},
        {Kind::Number, &s.monthViewStart},
        {Kind::Text, &s.lastView},
        {Kind::Text, &s.lastPage},
        {Kind::Number, &s.windowLeft},
        {Kind::Number, &s.windowTop},
        {Kind::Number, &s.windowHeight},
        {Kind::Number, &s.windowWidth},
    };
    for (int &colour : s.calendarColours)
        p.push_back({Kind::Number, &colour});
    p.insert(p.end(), {
        {Kind::Number, &s.wallpaperInterval},
        {Kind::Text, &s.wallpaperFolder},
        {Kind::Layouts, &s.gridLayouts},
        {Kind::Language, &s.language},
        {Kind::Number, &s.firstDayOfWeek},
        {Kind::Holidays, &s.holidays},
    });
    for (int &colour : s.yearColours)
        p.push_back({Kind::Number, &colour});
    p.insert(p.end(), {
        {Kind::Number, &s.latitudeDegrees},
        {Kind::Number, &s.latitudeMinutes},
        {Kind::Number, &s.latitudeSeconds},
        {Kind::Number, &s.longitudeDegrees},
        {Kind::Number, &s.longitudeMinutes},
        {Kind::Number, &s.longitudeSeconds},
        {Kind::Number, &s.oddRowColour},
        {Kind::Number, &s.evenRowColour},
        {Kind::TrueUnlessF, &s.overviewTrips},
        {Kind::TrueUnlessF, &s.overviewSubNotes},
        {Kind::Number, &s.alarmActionType},
        {Kind::Number, &s.listRowHeight},
        {Kind::Number, &s.overviewDays},
        {Kind::Number, &s.overviewAtStart},
        {Kind::TrueUnlessF, &s.notesExpanded},
        {Kind::TrueIfT, &s.searchCaseSensitive},
        {Kind::TrueUnlessF, &s.searchDiacriticSensitive},
        {Kind::TrueIfT, &s.searchWholeValue},
        {Kind::TrueIfT, &s.searchRegularExpression},
        {Kind::Text, &s.dayPeriods},
        {Kind::TrueIfT, &s.narrowWeekend},
        {Kind::Text, &s.reminderAddress},
        {Kind::Text, &s.reminderPassword},
    });
    Q_ASSERT(p.size() == kUserSettingsValueCount);
    return p;
}

QString &text(const Slot &s) { return *static_cast<QString *>(s.value); }
int &number(const Slot &s) { return *static_cast<int *>(s.value); }
bool &flag(const Slot &s) { return *static_cast<bool *>(s.value); }

QString letterOfLanguage(int index) {
    switch (index) {
    case 2:
        return QStringLiteral("A");
    case 3:
        return QStringLiteral("S");
    default:
        return QStringLiteral("C");
    }
}

// Removes the oldest record (the text up to and including the first ";").
bool dropOldestLayout(QString &layouts) {
    if (layouts.isEmpty())
        return false;
    const qsizetype end = layouts.indexOf(QLatin1Char(';'));
    layouts = end < 0 ? QString() : layouts.mid(end + 1);
    return true;
}

}

UserSettings &CurrentUserSettings() {
    static UserSettings settings;
    return settings;
}

QString UserSettingsToText(const UserSettings &settings) {
    UserSettings copy = settings;
    QString out;
    out.reserve(512 + settings.gridLayouts.size());
    for (const Slot &slot : positions(copy)) {
        switch (slot.kind) {
        case Kind::Text:
        case Kind::Language:
        case Kind::Holidays:
            out += QString(text(slot)).remove(QLatin1Char(';'));
            break;
        case Kind::Layouts:
            out += QString(text(slot)).replace(QLatin1Char(';'), QLatin1Char('|'));
            break;
        case Kind::Number:
            out += QString::number(number(slot));
            break;
        case Kind::TrueUnlessF:
        case Kind::TrueIfT:
            out += flag(slot) ? QLatin1Char('T') : QLatin1Char('F');
            break;
        }
        out += QLatin1Char(';');
    }
    return out;
}

void UserSettingsFromText(const QString &stored, UserSettings &settings) {
    if (stored.isEmpty())
        return;
    QStringList values = stored.split(QLatin1Char(';'));
    // Every value is followed by ";": the empty piece after the last one is no value.
    if (stored.endsWith(QLatin1Char(';')))
        values.removeLast();
    const std::vector<Slot> slots = positions(settings);
    const qsizetype count = qMin<qsizetype>(values.size(), slots.size());
    for (qsizetype i = 0; i < count; ++i) {
        const QString &v = values.at(i);
        const Slot &slot = slots[i];
        switch (slot.kind) {
        case Kind::Text:
            text(slot) = v;
            break;
        case Kind::Layouts:
            text(slot) = QString(v).replace(QLatin1Char('|'), QLatin1Char(';'));
            break;
        case Kind::Language:
            if (v == QLatin1String("C") || v == QLatin1String("S") || v == QLatin1String("A"))
                text(slot) = v;
            break;
        case Kind::Holidays:
            if (!v.isEmpty())
                text(slot) = v;
            break;
        case Kind::Number: {
            bool ok = false;
            const int n = v.trimmed().toInt(&ok);
            if (ok)
                number(slot) = n;
            break;
        }
        case Kind::TrueUnlessF:
            flag(slot) = v != QLatin1String("F");
            break;
        case Kind::TrueIfT:
            flag(slot) = v == QLatin1String("T");
            break;
        }
    }
}

int FitUserSettings(UserSettings &settings, int maxLength) {
    UserSettings trial = settings;
    int dropped = 0;
    while (UserSettingsToText(trial).size() > maxLength) {
        if (!dropOldestLayout(trial.gridLayouts))
            return -1;
        ++dropped;
    }
    settings.gridLayouts = trial.gridLayouts;
    return dropped;
}

void LoadUserSettings(TSQLDATA &db, int userId, UserSettings &settings) {
    settings = UserSettings();
    settings.language = letterOfLanguage(LanguageIndex());
    QString stored;
    try {
        stored = db.SelectColumn(QStringLiteral("Select nastaveni from uzivatel where uzivatel_id=") + QString::number(userId),
                                 QStringLiteral(";"));
    } catch (const SqlReadError &) {
        // A database without the column, or none at all: the defaults stand.
    }
    UserSettingsFromText(stored, settings);
    SetLanguageLetter(settings.language);
}

void LoadUserSettings() {
    if (SQLDATA)
        LoadUserSettings(*SQLDATA, Session::currentUserId(), CurrentUserSettings());
}

QString SaveUserSettings(TSQLDATA &db, int userId, UserSettings &settings) {
    // The column holds 5,000 characters: a longer text would be refused and every setting of the
    // session lost, so the oldest grid layouts go first.
    if (FitUserSettings(settings) < 0)
        return QStringLiteral("Nastavení je delší než %1 znaků ani bez uložených rozložení sloupců.").arg(kUserSettingsMaxLength);
    return db.ExecSQL(QStringLiteral("update uzivatel set nastaveni=") + QuoteStr(UserSettingsToText(settings))
                      + QStringLiteral(" where (uzivatel_id=") + QString::number(userId) + QStringLiteral(");"));
}

QString SaveUserSettings() {
    if (!SQLDATA || Session::currentUserId() == 0)
        return {};
    const QString error = SaveUserSettings(*SQLDATA, Session::currentUserId(), CurrentUserSettings());
    if (!error.isEmpty())
        prompt().message(QStringLiteral("Nastavení uživatele se nepodařilo uložit.\r\n") + error, Prompt::Kind::Error);
    return error;
}
