#pragma once

#include <QString>
#include <vector>

namespace reference {

/// One row of the territory tree a_rada, as the classifier gives it.
struct TerritoryUnit {
    int id = 0;       ///< regions 1 to 27 in code order (Kyiv region is 10); below, the code's first 8 digits
    int parentId = 0; ///< 0 for regions
    int level = 0;    ///< 1 region, 2 district or city of regional importance, 3 council
    int code = 0;     ///< this level's part of the code: two digits at level 1, three below
    QString admName;  ///< list text: "Київська область", "Києво-Святошинський район", "м Біла Церква"
    QString name;     ///< own name: "Київська", "Києво-Святошинський", "Софіївсько-Борщагівська"
    QString st;       ///< status word: "обласна", "район", "сільська", "селищна", "міська", "районна"
    QString cap;      ///< the centre: "м. Київ", "с. Софіївська Борщагівка"; empty when there is none
    QString fullCode; ///< the ten-digit code of the unit
};

/// One settlement of a_selo.
struct TerritorySettlement {
    int councilId = 0; ///< the council (or, where the classifier puts it directly under a city, the city)
    int id = 0;        ///< 1 to n in code order
    int code = 0;      ///< the last two digits of the code
    QString name;      ///< "Софіївська Борщагівка"
};

/// The territory tables built from the classifier.
struct Territory {
    std::vector<TerritoryUnit> units;             ///< in code order, parents before children
    std::vector<TerritorySettlement> settlements; ///< in code order
};

/// The spelling a document prints of a name the classifier writes in capitals: each word and each
/// hyphenated part starts with a capital, the rest is lower case ("КИЄВО-СВЯТОШИНСЬКИЙ" gives
/// "Києво-Святошинський", "ЗАБІР'Я" gives "Забір'я"); "на" between hyphens and a bracketed
/// remark stay lower case ("ВАСИЛІВКА-НА-ДНІПРІ" gives "Василівка-на-Дніпрі",
/// "ВЕЛИКА БІЛОЗЕРКА(ЧАСТИНА 1 СЕЛА)" gives "Велика Білозерка (частина 1 села)").
QString KoatuuSpelling(const QString &capitals);

/// Reads the classifier (UTF-8, ";"-separated TE;NP;NU with a header line) and the table of council
/// names (TE;NAME;STATUS) that names the councils of cities, urban-type settlements and city
/// districts, whose classifier rows carry only the place's name. Group headings are left out.
/// Throws zova::Error (with the file and line) on a file that cannot be read, a malformed row, a
/// unit without a parent, or a council that neither file names.
Territory ReadTerritory(const QString &classifierPath, const QString &councilNamesPath);

} // namespace reference
