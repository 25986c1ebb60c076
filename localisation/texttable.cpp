#include "langtext.h"

// Records: key|Czech|English|Slovak|, separated by "~".
const QString &TextTable() {
    static const QString table = QStringLiteral(
        "1002|Chyba pripojení k databázi:|~"
        "1005|Chyba pripojení k databázi.|~"
        "1070|Chyba na řádku: |~"
        "1118|Záznam blokován jiným uživatelem.|~"
        "1119|Chcete to zkusit znova ?|~");
    return table;
}
