#include "data/inifile.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "framework/widgets/mkcombobox.h"
#include "security/passwords.h"
#include "security/usergroups.h"
#include "security/widgets/edituzivatel.h"
#include "security/widgets/frameprava.h"
#include "security/widgets/passworddlg.h"
#include "security/widgets/passwordtools.h"
#include "tests/support/fakeprompt.h"
#include "tests/support/schemadatabase.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>
#include <QtTest>

// QTest::keyClicks knows ASCII only; Czech letters go in as key events carrying their text.
static void typeText(QWidget *w, const QString &text) {
    for (const QChar c : text) {
        QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

// With ZORVA_SCREENSHOT_DIR set, windows are saved as pictures to be looked at.
static void saveShot(QWidget *w, const char *name) {
    const QString dir = qEnvironmentVariable("ZORVA_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        w->grab().save(dir + "/" + name + ".png");
}

class TestSecurityWidgets : public QObject {
    Q_OBJECT
    TempDatabase tdb;
    TSQLDATA db;
    int accounts = 0, warehouse = 0;

private Q_SLOTS:
    void initTestCase() {
        QVERIFY2(CreateSchemaDatabase(tdb).isEmpty(), "schema");
        QVERIFY(db.ConnectQuiet(tdb.connectionString(), tdb.user(), tdb.password()));
        SQLDATA = &db;
        GroupRecord g;
        g.description = "Účtárna";
        accounts = SaveGroup(db, g);
        g.description = "Sklad";
        warehouse = SaveGroup(db, g);
    }

    void loginDialogMasksPassword() {
        TPasswordDlg dlg;
        QCOMPARE(dlg.windowTitle(), QStringLiteral("Zorva - Přihlášení"));
        QCOMPARE(dlg.EDIT_Password->echoMode(), QLineEdit::Password);
        dlg.setName("admin");
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        typeText(dlg.EDIT_Password, "Šifra");
        QCOMPARE(dlg.name(), QStringLiteral("admin"));
        QCOMPARE(dlg.password(), QStringLiteral("Šifra"));
        saveShot(&dlg, "login-dialog");
        QTest::keyClick(dlg.EDIT_Password, Qt::Key_Return);
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
    }

    void rightsFrame() {
        TFrame_Prava frame;
        frame.ShowRights(accounts, warehouse, 0, 1, 999);
        QCOMPARE(frame.ReadGroup(), accounts);
        QCOMPARE(frame.EditGroup(), warehouse);
        QCOMPARE(frame.AlarmGroup(), 0);
        QCOMPARE(frame.AdminGroup(), 1);
        QCOMPARE(frame.DeleteGroup(), 0); // an unknown id leaves its box empty
        QVERIFY(!frame.Modified());
        frame.ChB_VSE_STEJNE->setChecked(true);
        QVERIFY(frame.CB_EDITOVAT->isHidden());
        QVERIFY(!frame.CB_CIST->isHidden());
        frame.CB_CIST->ZvolIDInteger(warehouse);
        for (int g : {frame.EditGroup(), frame.DeleteGroup(), frame.AdminGroup(), frame.AlarmGroup()})
            QCOMPARE(g, warehouse);
        QVERIFY(frame.Modified());

        frame.ShowRights(accounts, warehouse, 0, 1, 1, false);
        frame.ChB_VSE_STEJNE->setChecked(false);
        QVERIFY(frame.CB_ALARM->isHidden());
        QVERIFY(!frame.CB_EDITOVAT->isHidden());
    }

    void rightsThroughItemFile() {
        QTemporaryDir dir;
        IniFile file(dir.path() + "/x.zorva");
        TFrame_Prava out;
        out.ShowRights(accounts, warehouse, accounts, 1, warehouse);
        out.ChB_VSE_STEJNE->setEnabled(false);
        out.WriteRights(file);
        QCOMPARE(file.readString("RIGHT", "read"), QStringLiteral("Účtárna"));
        QCOMPARE(file.readString("RIGHT", "edit"), QStringLiteral("Sklad"));
        file.writeString("RIGHT", "read", "ÚČTÁRNA");  // found after upper-casing
        file.writeString("RIGHT", "admin", "Neznámá"); // not found: the default group
        Session::setDefaultGroupId(warehouse);
        TFrame_Prava in;
        in.ShowRights(0, 0, 0, 0, 0);
        in.ReadRights(IniFile(dir.path() + "/x.zorva"));
        QCOMPARE(in.ReadGroup(), accounts);
        QCOMPARE(in.EditGroup(), warehouse);
        QCOMPARE(in.AdminGroup(), warehouse);
        QCOMPARE(in.AlarmGroup(), accounts);
        QVERIFY(!in.ChB_VSE_STEJNE->isChecked());
        QVERIFY(!in.ChB_VSE_STEJNE->isEnabled());
    }

    void userEditorKeepsOrHashesPassword() {
        FakePrompt p;
        Tedit_UZIVATEL editor(db);
        editor.Load(0);
        QVERIFY(editor.ChB_PRAVO_PRIHLASENI->isChecked());
        typeText(editor.Edit_LOGIN, "Věra");
        typeText(editor.Edit_HESLO, "Modrá");
        for (int i = 0; i < editor.CL_SKUPINY->count(); ++i)
            if (editor.CL_SKUPINY->item(i)->text() == "Sklad")
                editor.CL_SKUPINY->item(i)->setCheckState(Qt::Checked);
        const int id = editor.Save();
        QVERIFY(id > 0);
        UserRecord u = LoadUser(db, id);
        QVERIFY(IsPasswordHash(u.password));
        QVERIFY(VerifyPassword(u.password, "MODRÁ"));
        QCOMPARE(u.groups, QList<int>{warehouse});

        Tedit_UZIVATEL again(db);
        again.Load(id);
        QVERIFY(again.Edit_HESLO->text().isEmpty()); // the stored form is never shown
        again.show();
        saveShot(&again, "user-editor");
        typeText(again.Edit_POPIS, "Věra Nová");
        QVERIFY(again.Save());
        QCOMPARE(LoadUser(db, id).password, u.password);
        QVERIFY(p.messages.isEmpty());
    }

    void changePassword() {
        FakePrompt p;
        TFormZmenaHesla dlg;
        QVERIFY(dlg.Edit_StareHeslo->isHidden());
        dlg.Edit_NoveHeslo->setText("jedna");
        dlg.Edit_Potvrzeni->setText("dva");
        QVERIFY(!dlg.Confirm());
        QCOMPARE(p.messages, QStringList{"Heslo a potvrzení hesla si neodpovídají.\r\nHeslo nebylo změněno !"});
        QVERIFY(dlg.Result().isEmpty());
        dlg.Edit_Potvrzeni->setText("jedna");
        QVERIFY(dlg.Confirm());
        QVERIFY(VerifyPassword(dlg.Result(), "JEDNA"));
        dlg.Edit_NoveHeslo->clear();
        dlg.Edit_Potvrzeni->clear();
        QVERIFY(dlg.Confirm());
        QCOMPARE(dlg.Result(), QString());
    }

    void generator() {
        TForm_PasswordMD5 dlg;
        dlg.show();
        dlg.Edit_Adresa->setText("https://uzivatel@www.example.cz:8080/prihlaseni?x=1");
        dlg.UpravitAdresu();
        QCOMPARE(dlg.Edit_Adresa->text(), QStringLiteral("www.example.cz"));
        dlg.Edit_HlavniHeslo->setText("tajne");
        dlg.SE_Od->setValue(3);
        dlg.SE_Delka->setValue(5);
        dlg.Vygenerovat();
        const QString full = Md5Hex("www.example.cztajne");
        QCOMPARE(dlg.Edit_Vysledek->text(), full);
        QCOMPARE(dlg.Edit_Zkracene->text(), full.mid(2, 5));
        saveShot(&dlg, "password-generator");
        dlg.ChB_Skryte->setChecked(false);
        QVERIFY(dlg.Edit_HlavniHeslo->text().isEmpty());
        QCOMPARE(dlg.Edit_HlavniHeslo->echoMode(), QLineEdit::Normal);
    }

    void cleanupTestCase() {
        db.Disconnect();
        SQLDATA = nullptr;
    }
};

QTEST_MAIN(TestSecurityWidgets)
#include "tst_securitywidgets.moc"
