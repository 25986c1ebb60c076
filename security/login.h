#pragma once
#include <QString>

class TSQLDATA;

// Choosing, checking and keeping the log-in of the user of this station. All work goes through
// the data-access object; messages through prompt().
class LoginService {
public:
    explicit LoginService(TSQLDATA &db) : m_db(db) {}

    enum class Choice { ShowDialog, Done, End };
    struct ChooseResult {
        Choice choice = Choice::End;
        QString prefillName; // what the name box of the dialog starts with
        int userId = 0;      // with Done
    };
    // Decides by the log-in mode (MAIN/login) whether a user is taken without asking. The
    // operating-system account name stands for the Windows user name. Done means AfterLogin ran.
    ChooseResult ChooseUser(int mode, const QString &systemUserName, const QString &defaultGroupName);

    enum class CheckResult { Ok, WrongNameOrPassword, NoLoginRight };
    // Checks one account: the name is matched with Czech upper-casing (the last match wins), only
    // that account's password is read. A typed password of an earlier version is accepted once
    // and then stored hashed.
    CheckResult CheckCredentials(const QString &name, const QString &password, int *userId);
    // The dialog's OK: CheckCredentials, AfterLogin on success, text 1036 otherwise.
    bool LoginWithDialog(const QString &name, const QString &password, const QString &defaultGroupName);

    struct UserInfo {
        bool administrator = false;
        QString lastAlarmDate;
        QString lastAlarmTime;
    };
    // Loads the session values of the user: groups, default group, administrator flag.
    UserInfo AfterLogin(int userId, const QString &defaultGroupName);

    // Marks the current user as logged in; false when another station has claimed the same user
    // (only one of two stations claiming at once succeeds).
    bool ClaimLogin(int netWaitMinutes);
    // Refreshes this station's mark (with refreshOwn) and releases the log-ins (and record locks)
    // of stations silent for more than netWaitMinutes.
    void Heartbeat(bool refreshOwn, int netWaitMinutes);
    void Logout();

    const UserInfo &lastUser() const { return m_info; }

private:
    TSQLDATA &m_db;
    UserInfo m_info;
};
