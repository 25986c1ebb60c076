#include "data/session.h"
#include "data/sqldata.h"
#include "data/usersettings.h"
#include "localisation/langtext.h"
#include "tests/support/fakeprompt.h"
#include "tests/support/schemadatabase.h"
#include "tests/support/tempdatabase.h"

#include <QTest>

namespace {
const QString kDefaultsText = QStringLiteral(
    ";;0;T;1;;;0;0;0;0;"
    "0;0;0;8421504;0;8421504;255;8628220;16777215;16711680;8037626;32768;16578498;"
    "0;;;C;0;CZ;0;16777215;255;50;8;0;14;42;0;16777215;16777215;F;T;0;20;3;0;T;F;T;F;F;;F;;;");

UserSettings changedEverywhere() {
    UserSettings s;
    s.calendarCategories = QStringLiteral("F,3,7,");
    s.addressCategories = QStringLiteral("T,");
    s.monthWeekRows = 6;
    s.navigationBarShown = false;
    s.monthViewStart = 2;
    s.lastView = QStringLiteral("Month");
    s.lastPage = QStringLiteral("LOP_ADRESAR");
    s.windowLeft = -8;
    s.windowTop = 12;
    s.windowHeight = 700;
    s.windowWidth = 1024;
    for (int i = 0; i < 13; ++i)
        s.calendarColours[i] = 1000 + i;
    s.wallpaperInterval = 15;
    s.wallpaperFolder = QStringLiteral("/home/jana/Obrázky \"léto\"");
    s.gridLayouts = QStringLiteral("ZSL_Browse_BU,2,0,1,;Browse_BU,60,120,80,;");
    s.language = QStringLiteral("S");
    s.firstDayOfWeek = 1;
    s.holidays = QStringLiteral("SK");
    s.yearColours = {1, 2, 3};
    s.latitudeDegrees = 49;
    s.latitudeMinutes = 12;
    s.latitudeSeconds = 30;
    s.longitudeDegrees = 16;
    s.longitudeMinutes = 36;
    s.longitudeSeconds = 5;
    s.oddRowColour = 15790320;
    s.evenRowColour = 16777200;
    s.overviewTrips = true;
    s.overviewSubNotes = false;
    s.alarmActionType = 2;
    s.listRowHeight = 24;
    s.overviewDays = 7;
    s.overviewAtStart = 2;
    s.notesExpanded = false;
    s.searchCaseSensitive = true;
    s.searchDiacriticSensitive = false;
    s.searchWholeValue = true;
    s.searchRegularExpression = true;
    s.dayPeriods = QStringLiteral("Ráno,6:00,9:00,");
    s.narrowWeekend = true;
    s.reminderAddress = QStringLiteral("https://upozorneni.example/?u=");
    s.reminderPassword = QStringLiteral("tajné'heslo");
    return s;
}
}

class TestUserSettings : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;

    void exec(const QString &sql) {
        const QString error = db.ExecSQL(sql);
        QVERIFY2(error.isEmpty(), qPrintable(sql + "\n" + error));
    }
    void store(int user, const QString &text) {
        exec(QStringLiteral("update uzivatel set nastaveni=\"") + QString(text).replace(QLatin1String("\""), QLatin1String("\"\""))
             + QStringLiteral("\" where uzivatel_id=") + QString::number(user));
        db.RestartTransaction();
    }
    QString stored(int user) {
        db.RestartTransaction();
        return db.SelectStr(QStringLiteral("Select nastaveni from uzivatel where uzivatel_id=") + QString::number(user));
    }

private Q_SLOTS:
    void initTestCase() {
        const QString schemaError = CreateSchemaDatabase(tdb);
        QVERIFY2(schemaError.isEmpty(), qPrintable(schemaError));
        QVERIFY2(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()), qPrintable(db.LastConnectError()));
        SQLDATA = &db;
        // User 1 is the administrator of a new database, without stored settings.
        for (int id = 2; id <= 5; ++id)
            exec(QStringLiteral("insert into uzivatel (uzivatel_id, login, popis) values (%1, \"u%1\", \"U%1\")").arg(id));
    }
    void init() {
        SetLanguageIndex(0);
        Session::setCurrentUserId(0);
    }
    void cleanupTestCase() { SQLDATA = nullptr; }

    void storedForm() {
        QCOMPARE(UserSettingsToText(UserSettings()), kDefaultsText);
        QCOMPARE(kDefaultsText.count(QLatin1Char(';')), kUserSettingsValueCount);
        UserSettings fromDefaults = changedEverywhere();
        UserSettingsFromText(kDefaultsText, fromDefaults);
        QVERIFY(fromDefaults == UserSettings());
    }

    void userWithoutSettingsGetsDefaults() {
        SetLanguageIndex(0);
        UserSettings s = changedEverywhere(); // a previous user's values must not survive
        LoadUserSettings(db, 1, s);
        QVERIFY(s == UserSettings());
        QVERIFY(s.navigationBarShown);
        QCOMPARE(s.language, QStringLiteral("C"));
        QCOMPARE(s.latitudeDegrees, 50);
        QCOMPARE(s.latitudeMinutes, 8);
        QCOMPARE(s.longitudeDegrees, 14);
        QCOMPARE(s.longitudeMinutes, 42);
        QCOMPARE(s.overviewDays, 3);
        QCOMPARE(s.overviewAtStart, 0);
        QVERIFY(!s.overviewTrips);
        LoadUserSettings(db, 99, s); // no such user
        QVERIFY(s == UserSettings());
    }

    void roundTripThroughTheDatabase() {
        UserSettings saved = changedEverywhere();
        QCOMPARE(SaveUserSettings(db, 2, saved), QString());
        QCOMPARE(stored(2).count(QLatin1Char(';')), kUserSettingsValueCount);
        QVERIFY(stored(2).contains(QLatin1String("ZSL_Browse_BU,2,0,1,|Browse_BU,60,120,80,|;")));
        UserSettings loaded;
        LoadUserSettings(db, 2, loaded);
        QVERIFY(loaded == saved);
        QCOMPARE(LanguageIndex(), 3);

        // And again, through the program's own settings and user.
        Session::setCurrentUserId(2);
        LoadUserSettings();
        QVERIFY(CurrentUserSettings() == saved);
        CurrentUserSettings().listRowHeight = 31;
        QCOMPARE(SaveUserSettings(), QString());
        LoadUserSettings();
        QCOMPARE(CurrentUserSettings().listRowHeight, 31);
    }

    void semicolonsAreDropped() {
        UserSettings s;
        s.wallpaperFolder = QStringLiteral("C:\\Obrázky;D:\\Fotky");
        s.reminderAddress = QStringLiteral("http://a;b");
        s.dayPeriods = QStringLiteral(";x;");
        QCOMPARE(SaveUserSettings(db, 3, s), QString());
        UserSettings loaded;
        LoadUserSettings(db, 3, loaded);
        QCOMPARE(loaded.wallpaperFolder, QStringLiteral("C:\\ObrázkyD:\\Fotky"));
        QCOMPARE(loaded.reminderAddress, QStringLiteral("http://ab"));
        QCOMPARE(loaded.dayPeriods, QStringLiteral("x"));
        QCOMPARE(loaded.reminderPassword, QString()); // the values after them stay in place
        QVERIFY(!loaded.narrowWeekend);
    }

    void olderShorterText() {
        store(4, QStringLiteral("F,2,;T,;5;F;2;Year;LOP_UKOLY;10;20;600;800;1;2;3;"));
        UserSettings s;
        LoadUserSettings(db, 4, s);
        QCOMPARE(s.calendarCategories, QStringLiteral("F,2,"));
        QCOMPARE(s.monthWeekRows, 5);
        QVERIFY(!s.navigationBarShown);
        QCOMPARE(s.lastPage, QStringLiteral("LOP_UKOLY"));
        QCOMPARE(s.windowWidth, 800);
        QCOMPARE(s.calendarColours[2], 3);
        QCOMPARE(s.calendarColours[3], 8421504); // not stored: default
        QCOMPARE(s.holidays, QStringLiteral("CZ"));
        QCOMPARE(s.listRowHeight, 20);
        QVERIFY(s.notesExpanded);
        QVERIFY(!s.overviewTrips);
        QVERIFY(s.searchDiacriticSensitive);
        // without the final ";" the last value is still read
        UserSettingsFromText(QStringLiteral(";;7"), s);
        QCOMPARE(s.monthWeekRows, 7);
    }

    void valueRules_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("expected"); // of UserSettingsToText at that position
        QTest::newRow("number") << 45 << "25" << "25";
        QTest::newRow("number with blanks") << 45 << " 25 " << "25";
        QTest::newRow("negative") << 8 << "-4" << "-4";
        QTest::newRow("empty number keeps") << 45 << "" << "20";
        QTest::newRow("not a number keeps") << 45 << "20px" << "20";
        QTest::newRow("decimal keeps") << 34 << "49.5" << "50";
        QTest::newRow("not F: F") << 4 << "F" << "F";
        QTest::newRow("not F: T") << 4 << "T" << "T";
        QTest::newRow("not F: empty") << 43 << "" << "T";
        QTest::newRow("not F: other") << 42 << "x" << "T";
        QTest::newRow("not F: lower f") << 48 << "f" << "T";
        QTest::newRow("T: T") << 49 << "T" << "T";
        QTest::newRow("T: empty") << 49 << "" << "F";
        QTest::newRow("T: other") << 52 << "1" << "F";
        QTest::newRow("text empty") << 6 << "" << "";
        QTest::newRow("holidays empty keeps") << 30 << "" << "CZ";
        QTest::newRow("holidays SK") << 30 << "SK" << "SK";
        QTest::newRow("language A") << 28 << "A" << "A";
        QTest::newRow("language X keeps") << 28 << "X" << "C";
        QTest::newRow("language a keeps") << 28 << "a" << "C";
        QTest::newRow("layouts") << 27 << "K,1,|L,2,|" << "K,1,|L,2,|";
    }
    void valueRules() {
        QFETCH(int, position);
        QFETCH(QString, value);
        QFETCH(QString, expected);
        QStringList values = kDefaultsText.split(QLatin1Char(';'));
        values[position - 1] = value;
        UserSettings s;
        UserSettingsFromText(values.join(QLatin1Char(';')), s);
        QCOMPARE(UserSettingsToText(s).split(QLatin1Char(';')).at(position - 1), expected);
    }

    void languageLetter() {
        SetLanguageIndex(2);
        store(5, QStringLiteral(";;0;T;1;;;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;;;X;"));
        UserSettings s;
        LoadUserSettings(db, 5, s);
        QCOMPARE(LanguageIndex(), 2);
        QCOMPARE(s.language, QStringLiteral("A")); // the language in force, saved back as such
        store(5, QStringLiteral(";;0;T;1;;;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;;;S;"));
        LoadUserSettings(db, 5, s);
        QCOMPARE(LanguageIndex(), 3);
        QCOMPARE(s.language, QStringLiteral("S"));
    }

    // Grid layouts grow with every list a user arranges; past the column's width the update
    // would be refused and the whole session's settings lost.
    void tooLongDropsTheOldestLayouts() {
        UserSettings s = changedEverywhere();
        s.gridLayouts.clear();
        for (int i = 0; i < 80; ++i)
            s.gridLayouts += QStringLiteral("Browse_%1").arg(i, 3, 10, QLatin1Char('0')) + QStringLiteral(",60").repeated(20)
                             + QStringLiteral(",;");
        QVERIFY(UserSettingsToText(s).size() > kUserSettingsMaxLength);
        QCOMPARE(SaveUserSettings(db, 2, s), QString());
        const QString text = stored(2);
        QVERIFY(text.size() <= kUserSettingsMaxLength);
        QVERIFY(text.size() > kUserSettingsMaxLength - 100);
        UserSettings loaded;
        LoadUserSettings(db, 2, loaded);
        QVERIFY(loaded == s); // what was kept in memory is what was stored
        QVERIFY(loaded.gridLayouts.endsWith(QLatin1String("Browse_079,60,") + QStringLiteral("60,").repeated(19) + QLatin1Char(';')));
        QVERIFY(!loaded.gridLayouts.contains(QLatin1String("Browse_000,")));
        QVERIFY(loaded.gridLayouts.startsWith(QLatin1String("Browse_")));
        QCOMPARE(loaded.wallpaperFolder, changedEverywhere().wallpaperFolder);

        // Exactly at the limit nothing is dropped.
        UserSettings exact;
        exact.dayPeriods = QString(kUserSettingsMaxLength - UserSettingsToText(exact).size(), QLatin1Char('p'));
        exact.gridLayouts = QStringLiteral("A,1,;");
        exact.dayPeriods.chop(5);
        QCOMPARE(FitUserSettings(exact), 0);
        QCOMPARE(SaveUserSettings(db, 2, exact), QString());
        QCOMPARE(stored(2).size(), kUserSettingsMaxLength);
    }

    void tooLongEvenWithoutLayoutsIsReported() {
        UserSettings before = changedEverywhere();
        QCOMPARE(SaveUserSettings(db, 3, before), QString());
        const QString previous = stored(3);

        Session::setCurrentUserId(3);
        CurrentUserSettings() = before;
        CurrentUserSettings().wallpaperFolder = QString(kUserSettingsMaxLength, QLatin1Char('x'));
        FakePrompt fake;
        QVERIFY(!SaveUserSettings().isEmpty());
        QCOMPARE(fake.messages.size(), 1);
        QCOMPARE(stored(3), previous);
        QCOMPARE(CurrentUserSettings().gridLayouts, before.gridLayouts); // nothing dropped for nothing
    }
};

QTEST_GUILESS_MAIN(TestUserSettings)
#include "tst_usersettings.moc"
