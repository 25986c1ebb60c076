#include "usergroups.h"

#include "data/prompt.h"
#include "data/sqldata.h"
#include "data/sqltext.h"
#include "localisation/langtext.h"
#include "passwords.h"

namespace {
bool runBatch(TSQLDATA &db, const QStringList &statements) {
    const QString error = db.ExecSQLList(statements);
    if (error.isEmpty())
        return true;
    prompt().message(statements.value(0) + QStringLiteral("\r\n") + error, Prompt::Kind::Error);
    return false;
}
}

QStringList UserSaveStatements(const UserRecord &u, bool isNew) {
    const QString password = u.newPassword ? HashPassword(u.password) : u.password;
    QStringList s;
    if (isNew) {
        s << QStringLiteral("insert into uzivatel(uzivatel_id,login,popis,heslo,administrator,PRAVO_PRIHLASENI,prihlasen) "
                            " values(%1,%2,%3,%4,%5,%6,%7);")
                 .arg(u.id)
                 .arg(QuoteStr(u.login), QuoteStr(u.description), QuoteStr(password), BoolToSQL(u.administrator), BoolToSQL(u.loginRight))
                 .arg(0);
    } else {
        s << QStringLiteral("update uzivatel set login=%1,popis=%2,heslo=%3,administrator=%4,pravo_prihlaseni=%5 where uzivatel_id=%6")
                 .arg(QuoteStr(u.login), QuoteStr(u.description), QuoteStr(password), BoolToSQL(u.administrator), BoolToSQL(u.loginRight))
                 .arg(u.id);
        s << QStringLiteral("delete from spoj_uzivatel_uzivskupina where uzivatel_id=%1;").arg(u.id);
    }
    for (int g : u.groups)
        s << QStringLiteral("insert into spoj_uzivatel_uzivskupina(uzivatel_id,uzivskupina_id) values(%1,%2);").arg(u.id).arg(g);
    return s;
}

QStringList GroupSaveStatements(const GroupRecord &g, bool isNew) {
    QStringList s;
    if (isNew) {
        s << QStringLiteral("insert into uzivskupina(uzivskupina_id,popis) "
                            " values(%1,%2);")
                 .arg(g.id)
                 .arg(QuoteStr(g.description));
    } else {
        s << QStringLiteral("update uzivskupina set popis=%1 where uzivskupina_id=%2").arg(QuoteStr(g.description)).arg(g.id);
        s << QStringLiteral("delete from spoj_uzivatel_uzivskupina where uzivskupina_id=%1;").arg(g.id);
    }
    for (int u : g.users)
        s << QStringLiteral("insert into spoj_uzivatel_uzivskupina(uzivatel_id,uzivskupina_id) values(%1,%2);").arg(u).arg(g.id);
    return s;
}

QStringList UserDeleteStatements(int userId) {
    return {QStringLiteral("delete from uzivatel where uzivatel_id=%1;").arg(userId),
            QStringLiteral("delete from spoj_uzivatel_uzivskupina where uzivatel_id=%1;").arg(userId)};
}

UserRecord LoadUser(TSQLDATA &db, int id) {
    UserRecord u;
    u.id = id;
    if (id == 0)
        return u;
    TMKDATASET ds;
    db.FillDataset(QStringLiteral("Select LOGIN,HESLO,POPIS,ADMINISTRATOR,PRAVO_PRIHLASENI from uzivatel where (uzivatel.uzivatel_id=%1);").arg(id),
                   ds);
    if (ds.RecordCount() < 1)
        return u;
    u.login = ds.Value(1, 1);
    u.password = ds.Value(1, 2);
    u.description = ds.Value(1, 3);
    u.administrator = ds.Value(1, 4).trimmed() == QLatin1String("1");
    u.loginRight = ds.Value(1, 5).trimmed() == QLatin1String("1");
    TMKDATASET groups;
    db.FillDataset(QStringLiteral("Select uzivskupina.uzivskupina_id as ID,POPIS,spoj_uzivatel_uzivskupina.uzivskupina_id as HODNOTA from uzivskupina "
                                  "left join spoj_uzivatel_uzivskupina on"
                                  " (uzivskupina.uzivskupina_id=spoj_uzivatel_uzivskupina.uzivskupina_id) and (spoj_uzivatel_uzivskupina.uzivatel_id=%1) "
                                  "order by popis")
                       .arg(id),
                   groups);
    for (int r = 1; r <= groups.RecordCount(); ++r)
        if (!groups.Value(r, 3).isEmpty())
            u.groups << groups.Value(r, 1).toInt();
    return u;
}

GroupRecord LoadGroup(TSQLDATA &db, int id) {
    GroupRecord g;
    g.id = id;
    if (id == 0)
        return g;
    g.description = db.SelectStr(QStringLiteral("Select popis from uzivskupina where uzivskupina_id=%1").arg(id));
    TMKDATASET users;
    db.FillDataset(QStringLiteral("Select uzivatel.uzivatel_id as ID,POPIS,spoj_uzivatel_uzivskupina.uzivskupina_id as HODNOTA from uzivatel "
                                  "left join spoj_uzivatel_uzivskupina on"
                                  " (uzivatel.uzivatel_id=spoj_uzivatel_uzivskupina.uzivatel_id) and (spoj_uzivatel_uzivskupina.uzivskupina_id=%1) "
                                  "order by popis")
                       .arg(id),
                   users);
    for (int r = 1; r <= users.RecordCount(); ++r)
        if (!users.Value(r, 3).isEmpty())
            g.users << users.Value(r, 1).toInt();
    return g;
}

int SaveUser(TSQLDATA &db, UserRecord user) {
    const bool isNew = user.id == 0;
    if (user.newPassword)
        EnsurePasswordColumnWidth(db);
    if (isNew)
        user.id = db.GenId(QStringLiteral("UZIVATEL_ID"));
    if (!runBatch(db, UserSaveStatements(user, isNew)))
        return 0;
    db.NotifyChange();
    return user.id;
}

int SaveGroup(TSQLDATA &db, GroupRecord group) {
    const bool isNew = group.id == 0;
    if (isNew)
        group.id = db.GenId(QStringLiteral("UZIVSKUPINA_ID"));
    if (!runBatch(db, GroupSaveStatements(group, isNew)))
        return 0;
    db.NotifyChange();
    return group.id;
}

QList<QPair<QString, QStringList>> RightsColumns(TSQLDATA &db) {
    const QStringList rightOrder{QStringLiteral("F_CIST"), QStringLiteral("F_EDITOVAT"), QStringLiteral("F_SMAZAT"), QStringLiteral("F_ALARM"),
                                 QStringLiteral("F_ADMINISTROVAT")};
    TMKDATASET ds;
    db.FillDataset(QStringLiteral("select RDB$RELATION_NAME, RDB$FIELD_NAME from RDB$RELATION_FIELDS where RDB$FIELD_NAME in "
                                  "('F_CIST','F_EDITOVAT','F_SMAZAT','F_ALARM','F_ADMINISTROVAT') and RDB$RELATION_NAME in "
                                  "(select RDB$RELATION_NAME from RDB$RELATIONS where RDB$VIEW_BLR is null) order by RDB$RELATION_NAME"),
                   ds);
    QMap<QString, QStringList> found;
    for (int r = 1; r <= ds.RecordCount(); ++r)
        found[ds.Value(r, 1).trimmed().toUpper()] << ds.Value(r, 2).trimmed().toUpper();
    auto ordered = [&](const QStringList &columns) {
        QStringList out;
        for (const QString &c : rightOrder)
            if (columns.contains(c))
                out << c;
        return out;
    };
    QList<QPair<QString, QStringList>> result;
    for (const QString &t : {QStringLiteral("UKOLY"), QStringLiteral("POZNAMKY"), QStringLiteral("KU"), QStringLiteral("KJ_AUTO"),
                             QStringLiteral("ADRESAR_ZAKL")})
        if (found.contains(t))
            result << qMakePair(t.toLower(), ordered(found.take(t)));
    for (auto it = found.cbegin(); it != found.cend(); ++it)
        result << qMakePair(it.key().toLower(), ordered(it.value()));
    return result;
}

QStringList GroupReplacementStatements(const QList<QPair<QString, QStringList>> &columns, int deletedId, int replacementId) {
    QStringList s;
    for (const auto &table : columns)
        for (const QString &column : table.second)
            s << QStringLiteral("update %1 set %2=%3 where %2=%4;").arg(table.first, column).arg(replacementId).arg(deletedId);
    s << QStringLiteral("delete from spoj_uzivatel_uzivskupina where uzivskupina_id=%1;").arg(deletedId);
    s << QStringLiteral("delete from uzivskupina where uzivskupina_id=%1;").arg(deletedId);
    return s;
}

bool DeleteGroup(TSQLDATA &db, int groupId, const std::function<int()> &chooseReplacement) {
    if (!prompt().ask(LangText(1026)))
        return false;
    if (db.SelectInt(QStringLiteral("select count(*) from uzivskupina;")) < 2) {
        prompt().message(LangText(1033), Prompt::Kind::Error);
        return false;
    }
    const int replacement = chooseReplacement ? chooseReplacement() : 0;
    if (replacement <= 0 || replacement == groupId) {
        prompt().message(LangText(1122), Prompt::Kind::Error);
        return false;
    }
    if (!runBatch(db, GroupReplacementStatements(RightsColumns(db), groupId, replacement)))
        return false;
    db.NotifyChange();
    return true;
}
