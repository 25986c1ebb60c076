#include "langtext.h"

// Records: key|Czech|English|Slovak|, separated by "~".
const QString &TextTable() {
    static const QString table = QStringLiteral(
        "1002|Chyba pripojení k databázi:|~"
        "1005|Chyba pripojení k databázi.|~"
        "1058|Převod dat byl dokončen. Program se nyní ukončí.|~"
        "1063|Tato verze programu Zorva vyžaduje data verze %d, současná verze dat je %d.|~"
        "1064|S touto verzí programu nemůžete pracovat s těmito daty.|~"
        "1065|Pokud používáte síťovou verzi, tak zkontrolujte jestli není spuštěn Zorva na žádné jiné stanici !|~"
        "1066|Před zahájením převodu dat důrazně doporučujeme zazálohovat data !!|~"
        "1067|Vzhledem k tomu, že je potřeba převést data o více než jednu verzi bude tento dialog zobrazen vícekrát.|~"
        "1068|Převod dat může trvat i několik minut a může se zdát, že se nic neděje.|~"
        "1069|Na nic neklikejte a čekejte na hlášku, že byl převod dokončen.|~"
        "1070|Chyba na řádku: |~"
        "1118|Záznam blokován jiným uživatelem.|~"
        "1119|Chcete to zkusit znova ?|~");
    return table;
}
