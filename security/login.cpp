#include "login.h"

#include "data/prompt.h"
#include "data/session.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "exchange/codepage/czechcase.h"
#include "localisation/langtext.h"
#include "passwords.h"

namespace {
void showWriteError(const QString &statement, const QString &error) {
    prompt().message(statement + QStringLiteral("\r\n") + error, Prompt::Kind::Error);
}
}

LoginService::ChooseResult LoginService::ChooseUser(int mode, const QString &systemUserName, const QString &defaultGroupName) {
    ChooseResult r;
    r.prefillName = systemUserName;
    switch (mode) {
    case 0: {
        r.choice = Choice::ShowDialog;
        if (m_db.SelectInt(QStringLiteral("Select count(*) from uzivatel where pravo_prihlaseni=1")) != 1) {
            prompt().message(LangText(1037).replace(QStringLiteral("%s"), QStringLiteral("\r\n")), Prompt::Kind::Error);
            return r;
        }
        const QString password = m_db.SelectStr(QStringLiteral("Select FIRST 1 heslo from uzivatel where pravo_prihlaseni=1"));
        if (!password.trimmed().isEmpty())
            return r;
        r.userId = m_db.SelectInt(QStringLiteral("Select FIRST 1 uzivatel_id from uzivatel where pravo_prihlaseni=1"));
        break;
    }
    case 1: {
        r.choice = Choice::ShowDialog;
        const QString w = QuoteStr(systemUserName);
        const QString where = QStringLiteral(" from uzivatel where (pravo_prihlaseni=1) and (upper(login)=upper(%1) and (heslo=\"\"));").arg(w);
        if (systemUserName.isEmpty() || m_db.SelectInt(QStringLiteral("Select count(*)") + where) == 0)
            return r;
        r.userId = m_db.SelectInt(QStringLiteral("Select uzivatel_id") + where);
        break;
    }
    case 2:
        r.choice = Choice::ShowDialog;
        return r;
    default:
        r.choice = Choice::End;
        return r;
    }
    if (r.userId <= 0) {
        r.choice = Choice::ShowDialog;
        return r;
    }
    r.choice = Choice::Done;
    AfterLogin(r.userId, defaultGroupName);
    return r;
}

LoginService::CheckResult LoginService::CheckCredentials(const QString &name, const QString &password, int *userId) {
    // Names only: the passwords of the other accounts never leave the database.
    TMKDATASET users;
    m_db.FillDataset(QStringLiteral("Select uzivatel_id,login from uzivatel;"), users);
    const QString wanted = CzechUpperCase(name);
    int id = 0;
    for (int row = 1; row <= users.RecordCount(); ++row)
        if (CzechUpperCase(users.Value(row, 2)) == wanted)
            id = users.Value(row, 1).toInt();
    if (id == 0)
        return CheckResult::WrongNameOrPassword;
    TMKDATASET account;
    m_db.FillDataset(QStringLiteral("Select heslo,pravo_prihlaseni from uzivatel where uzivatel_id=%1;").arg(id), account);
    if (account.RecordCount() < 1)
        return CheckResult::WrongNameOrPassword;
    const QString stored = account.Value(1, 1);
    if (!VerifyPassword(stored, password))
        return CheckResult::WrongNameOrPassword;
    if (account.Value(1, 2).trimmed() != QLatin1String("1"))
        return CheckResult::NoLoginRight;
    if (PasswordNeedsRehash(stored)) {
        EnsurePasswordColumnWidth(m_db);
        const QString sql = QStringLiteral("update uzivatel set heslo=%1 where uzivatel_id=%2").arg(QuoteStr(HashPassword(password))).arg(id);
        const QString error = m_db.ExecSQL(sql);
        if (!error.isEmpty())
            showWriteError(sql, error);
    }
    if (userId)
        *userId = id;
    return CheckResult::Ok;
}

bool LoginService::LoginWithDialog(const QString &name, const QString &password, const QString &defaultGroupName) {
    int id = 0;
    if (CheckCredentials(name, password, &id) != CheckResult::Ok) {
        prompt().message(LangText(1036), Prompt::Kind::Error);
        return false;
    }
    AfterLogin(id, defaultGroupName);
    return true;
}

LoginService::UserInfo LoginService::AfterLogin(int userId, const QString &defaultGroupName) {
    Session::clear();
    Session::setCurrentUserId(userId);
    QList<int> groups;
    const QString list = m_db.SelectColumn(
        QStringLiteral("Select uzivskupina_id from spoj_uzivatel_uzivskupina where uzivatel_id=%1").arg(userId), QStringLiteral(","));
    for (const QString &g : list.split(QLatin1Char(','), Qt::SkipEmptyParts))
        groups << g.trimmed().toInt();
    Session::setGroups(groups);

    int group = 0;
    if (!defaultGroupName.trimmed().isEmpty())
        group = m_db.SelectInt(QStringLiteral("Select uzivskupina_id from uzivskupina where popis=%1;").arg(QuoteStr(defaultGroupName)));
    if (group == 0)
        group = m_db.SelectInt(QStringLiteral("Select uzivskupina_id from uzivatel,uzivskupina where"
                                              "(uzivatel.uzivatel_id=%1) and (upper(uzivatel.popis)=upper(uzivskupina.popis))")
                                   .arg(userId));
    if (group == 0 && !groups.isEmpty())
        group = groups.first();
    Session::setDefaultGroupId(group);

    TMKDATASET user;
    m_db.FillDataset(QStringLiteral("Select * from uzivatel where uzivatel_id=%1").arg(userId), user);
    m_info = UserInfo{};
    if (user.RecordCount() >= 1) {
        m_info.administrator = user.ValueByName(1, QStringLiteral("ADMINISTRATOR")).trimmed() == QLatin1String("1");
        m_info.lastAlarmDate = user.ValueByName(1, QStringLiteral("ALARM_POSL_DATUM"));
        m_info.lastAlarmTime = user.ValueByName(1, QStringLiteral("ALARM_POSL_CAS"));
    }
    Session::setAdministrator(m_info.administrator);
    return m_info;
}

bool LoginService::ClaimLogin(int netWaitMinutes) {
    const int user = Session::currentUserId();
    Heartbeat(false, netWaitMinutes);
    if (m_db.SelectInt(QStringLiteral("select prihlasen from uzivatel where uzivatel_id=%1").arg(user)) != 0)
        return false;
    // The condition makes the claim atomic: of two stations claiming at once, the row count
    // tells the loser that the other one was first.
    const QString sql = QStringLiteral("update uzivatel set prihlasen=1 where uzivatel_id=%1 and (prihlasen=0 or prihlasen is null)").arg(user);
    int rows = 0;
    const QString error = m_db.ExecSQLCount(sql, &rows);
    if (!error.isEmpty()) {
        showWriteError(sql, error);
        return false;
    }
    if (rows != 1)
        return false;
    Heartbeat(true, netWaitMinutes);
    m_db.NotifyChange();
    return true;
}

void LoginService::Heartbeat(bool refreshOwn, int netWaitMinutes) {
    if (refreshOwn) {
        const QString sql = QStringLiteral("update uzivatel set prihlasen=1, zivot_timestamp=%1 where uzivatel_id=%2")
                                .arg(QStringLiteral("CURRENT_TIMESTAMP"))
                                .arg(Session::currentUserId());
        const QString error = m_db.ExecSQL(sql);
        if (!error.isEmpty())
            showWriteError(sql, error);
    }
    const QString cutoff = m_db.ServerTimeText(-(double(netWaitMinutes) / 1440.0));
    const QString find = QStringLiteral("Select FIRST 1 uzivatel_id from uzivatel where (prihlasen<>0) and (zivot_timestamp<\"%1\") ;").arg(cutoff);
    // Each pass releases one user; the bound only guards against a write that changes nothing.
    const int limit = m_db.SelectInt(QStringLiteral("Select count(*) from uzivatel")) + 1;
    for (int pass = 0; pass < limit; ++pass) {
        const int dead = m_db.SelectInt(find);
        if (dead == 0)
            break;
        const QString sql = QStringLiteral("update uzivatel set prihlasen=0 where (uzivatel_id=%1)").arg(dead);
        const QString error = m_db.ExecSQL(sql);
        if (!error.isEmpty()) {
            showWriteError(sql, error);
            break;
        }
        m_db.ExecSQL(QStringLiteral("DELETE FROM MISTA where UZIVATEL_ID=") + QuoteSingle(QString::number(dead)));
    }
}

void LoginService::Logout() {
    const QString sql = QStringLiteral("update uzivatel set prihlasen=%1 where uzivatel_id=%2").arg(0).arg(Session::currentUserId());
    const QString error = m_db.ExecSQL(sql);
    if (!error.isEmpty())
        showWriteError(sql, error);
    m_db.NotifyChange();
}
