#include "localisation/langtext.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

class TestLangText : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup() { SetLanguageIndex(0); }

    void lookups_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("cz 1001") << 0 << "1001" << "Toto pole nelze sečíst !";
        QTest::newRow("cz index 1") << 1 << "1001" << "Toto pole nelze sečíst !";
        QTest::newRow("en 1001") << 2 << "1001" << "Toto pole nelze sečíst EN!";
        QTest::newRow("sk 1001 never English") << 3 << "1001" << "Toto pole nelze sečíst !";
        QTest::newRow("en 1014 falls back") << 2 << "1014"
                                            << "Tento uživatel je již přihlášen ! %s Zkuste program spustit za 3 minuty.";
        QTest::newRow("sk Název") << 3 << "Název" << "Názov";
        QTest::newRow("en Název") << 2 << "Název" << "Name";
        QTest::newRow("sk Přihlášen") << 3 << "Přihlášen" << "Přihlášen";
        QTest::newRow("en Přihlášen") << 2 << "Přihlášen" << "Log In";
        QTest::newRow("en Od Název") << 2 << "Od Název" << "From Name";
        QTest::newRow("en Do Příjmení") << 2 << "Do Příjmení" << "Do Surname";
        QTest::newRow("en Od") << 2 << "Od" << "Od";
        QTest::newRow("unknown number") << 2 << "1999" << "1999";
        QTest::newRow("unknown word") << 3 << "Neznámé" << "Neznámé";
        QTest::newRow("empty key") << 2 << "" << "";
        QTest::newRow("1070 keeps blank") << 2 << "1070" << "Chyba na řádku: ";
        QTest::newRow("1028 line break") << 0 << "1028"
            << "Soubor této verze nelze zpracovat, zřejmě máte zastaralou verzi programu nebo soubor není správného typu!\r\n"
               "Chcete více informací o souboru ?";
        QTest::newRow("1150 last") << 3 << "1150" << "Data byla odeslána.";
        // Keys that only end a field of another record, or start a longer key, are not keys.
        QTest::newRow("English word Name") << 2 << "Name" << "Name";
        QTest::newRow("Slovak word Názov") << 3 << "Názov" << "Názov";
        QTest::newRow("number inside text") << 2 << "3 minuty." << "3 minuty.";
    }
    void lookups() {
        QFETCH(int, index);
        QFETCH(QString, key);
        QFETCH(QString, expected);
        SetLanguageIndex(index);
        QCOMPARE(LangText(key), expected);
    }

    void languageLetters() {
        QVERIFY(SetLanguageLetter(QStringLiteral("A")));
        QCOMPARE(LanguageIndex(), 2);
        QVERIFY(!SetLanguageLetter(QStringLiteral("X")));
        QVERIFY(!SetLanguageLetter(QStringLiteral("a")));
        QVERIFY(!SetLanguageLetter(QString()));
        QCOMPARE(LanguageIndex(), 2);
        QVERIFY(SetLanguageLetter(QStringLiteral("S")));
        QCOMPARE(LanguageIndex(), 3);
        QCOMPARE(LangText(1001), QStringLiteral("Toto pole nelze sečíst !"));
        QVERIFY(SetLanguageLetter(QStringLiteral("C")));
        QCOMPARE(LanguageIndex(), 0);
    }

    // The shape of both tables: every record ends with "|", keys are unique, and the text table
    // holds the 30 words and the numbered messages.
    void tableShape() {
        const QStringList texts = TextTable().split(QLatin1Char('~'), Qt::SkipEmptyParts);
        QSet<QString> keys;
        int words = 0, numbers = 0;
        const QRegularExpression number(QStringLiteral("^1[01]\\d\\d$"));
        for (const QString &r : texts) {
            QVERIFY2(r.endsWith(QLatin1Char('|')), qPrintable(r));
            const QStringList f = r.split(QLatin1Char('|'));
            QVERIFY2(!keys.contains(f.first()), qPrintable(f.first()));
            keys.insert(f.first());
            if (number.match(f.first()).hasMatch()) {
                ++numbers;
                QVERIFY(!f.at(1).isEmpty());
            } else {
                ++words;
                QCOMPARE(f.at(1), f.first());
                QCOMPARE(f.size(), 5);
            }
        }
        QCOMPARE(words, 30);
        QCOMPARE(numbers, 133);
        for (const char *k : {"1001", "1029", "1032", "1038", "1040", "1081", "1091", "1095", "1097", "1124", "1127", "1133", "1136", "1150"})
            QVERIFY2(keys.contains(QLatin1String(k)), k);
        for (const char *k : {"1030", "1031", "1039", "1082", "1090", "1096", "1125", "1126", "1134", "1135"})
            QVERIFY2(!keys.contains(QLatin1String(k)), k);

        const QStringList windows = WindowTable().split(QLatin1Char('~'), Qt::SkipEmptyParts);
        QCOMPARE(windows.size(), 103);
        QSet<QString> windowKeys;
        for (const QString &r : windows) {
            QVERIFY2(r.endsWith(QLatin1Char('|')), qPrintable(r));
            const QString key = r.section(QLatin1Char('|'), 0, 0);
            QCOMPARE(key.count(QLatin1Char('.')), 2);
            QVERIFY2(!windowKeys.contains(key), qPrintable(key));
            windowKeys.insert(key);
            QVERIFY(r.count(QLatin1Char('|')) <= 7);
        }
    }

    void captions_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("key"); // owner.class.name
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("hint");
        // The caller passes "design"/"tip"; what the table has no field for stays.
        QTest::newRow("cz tools") << 0 << "mainform.TMenuItem.Menu_Tools" << "Ná&stroje" << "Nástroje";
        QTest::newRow("en tools") << 2 << "mainform.TMenuItem.Menu_Tools" << "&Tools" << "Tools";
        QTest::newRow("sk tools") << 3 << "mainform.TMenuItem.Menu_Tools" << "Ná&stroje" << "Nástroje";
        QTest::newRow("en czech only") << 2 << "mainform.TMenuItem.Menu_ZobrazovatKnihuJizd" << "design" << "tip";
        QTest::newRow("cz czech only") << 1 << "mainform.TMenuItem.Menu_ZobrazovatKnihuJizd"
                                       << "&Zobrazovat/Nezobrazovat knihu jízd v levém panelu"
                                       << "Zobrazovat/Nezobrazovat knihu jízd v levém panelu";
        QTest::newRow("en hint only") << 2 << "mainform.TAction.Month" << "design" << "Calendar - Month";
        QTest::newRow("sk trailing blank") << 3 << "mainform.TAction.CalendarNewItem" << "design" << "Nova udalosť ";
        QTest::newRow("en small k") << 2 << "mainform.TMenuItem.Menu_FromFileTypeCSVkamenicky3"
                                    << "From File Type CSV In Code Kamenicky" << "tip";
        QTest::newRow("capital K is another item") << 2 << "mainform.TMenuItem.Menu_FromFileTypeCSVKamenicky3" << "design" << "tip";
        QTest::newRow("sk export") << 3 << "mainform.TMenuItem.Menu_ToFileTypeCSVLatin2"
                                   << "do súbora typu CSV v kódováni Latin2" << "tip";
        QTest::newRow("cz DBF") << 0 << "mainform.TMenuItem.Menu_FromFileTypeDBFKamenicky1"
                                << "ze souboru typu DBF v kódování Kamenický" << "tip";
        QTest::newRow("en time hint") << 2 << "mainform.TMenuItem.Menu_SetTimeFromInternet" << "&Set Time From Internet" << "tip";
        QTest::newRow("sk time hint") << 3 << "mainform.TMenuItem.Menu_SetTimeFromInternet" << "&Nastavení času z internetu"
                                      << "Nastaví datum a čas z přesného serveru na internetu";
        QTest::newRow("nav hint = caption") << 3 << "mainform.TJvLookOutButton.LOB_ListScheduleAlarm"
                                            << "Úlohy prehľad alarmu" << "Úlohy prehľad alarmu";
        QTest::newRow("frame label") << 2 << "Frame_Prava1.TLabel.Label_CIST" << "Read" << "tip";
        QTest::newRow("window") << 3 << "mainform.TForm.mainform" << "ZORVA" << "tip";
        QTest::newRow("wrong class key") << 2 << "mainform.TButton.Menu_Tools" << "design" << "tip";
        QTest::newRow("case matters") << 2 << "mainform.TMenuItem.menu_tools" << "design" << "tip";
        QTest::newRow("prefix of a name") << 2 << "mainform.TMenuItem.Menu_Help" << "&Help" << "tip";
        QTest::newRow("unknown owner") << 2 << "Form_X.TMenuItem.Menu_Tools" << "design" << "tip";
    }
    void captions() {
        QFETCH(int, index);
        QFETCH(QString, key);
        QFETCH(QString, caption);
        QFETCH(QString, hint);
        const QStringList parts = key.split(QLatin1Char('.'));
        QString c = QStringLiteral("design"), h = QStringLiteral("tip");
        LangCaption(index, parts.at(0), parts.at(1), parts.at(2), c, h);
        QCOMPARE(c, caption);
        QCOMPARE(h, hint);
    }
};

QTEST_APPLESS_MAIN(TestLangText)
#include "tst_langtext.moc"
