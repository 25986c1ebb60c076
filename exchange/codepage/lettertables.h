#pragma once
#include <QString>

// The letter tables behind the code-page converter and the case mappings. Every table is read
// position by position against its partner, so the entries must stay in step.
namespace CodePageLetters {

// The 47 characters exchanged between Windows-1250, Latin 2 and Kamenický; every other byte
// passes a conversion unchanged.
inline const QString &exchanged() {
    static const QString s = QStringLiteral("ČďĎŤčěĚĹÍľÁžŽÓůÚýŠĽÝŘťňŇŮÔšřŕŔ§ĺüéäÄÉôöÖÜáíóú«»");
    return s;
}

// The 31 accented letters of the case mappings and of the forms without diacritics.
inline const QString &accentedLower() {
    static const QString s = QStringLiteral("áäčďěéëíĺľňóöřŕšťúůýžźôśżâăîńőű");
    return s;
}
inline const QString &accentedUpper() {
    static const QString s = QStringLiteral("ÁÄČĎĚÉËÍĹĽŇÓÖŘŔŠŤÚŮÝŽŹÔŚŻÂĂÎŃŐŰ");
    return s;
}
// Base letter of each accented lower-case letter ("B" form).
inline const QString &plainLower() {
    static const QString s = QStringLiteral("aacdeeeillnoorrstuuyzzoszaainou");
    return s;
}
// "I" form: á, é, í and ó keep their accent, the rest lose it.
inline const QString &keptLower() {
    static const QString s = QStringLiteral("áacdeéeíllnóorrstuuyzzoszaainou");
    return s;
}

}
