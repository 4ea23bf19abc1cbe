#include "reference/koatuu.h"

#include "common/error.h"

#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

namespace reference {

namespace {

struct Row {
    QString te, np, nu;
    int line = 0;
};

struct CouncilName {
    QString name, status;
};

QStringList readLines(const QString &path, const QString &header)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw zova::Error(QStringLiteral("Не вдалося прочитати файл: %1").arg(f.errorString()), path);
    QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    for (QString &l : lines)
        if (l.endsWith(QLatin1Char('\r')))
            l.chop(1);
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    if (lines.isEmpty() || lines.first() != header)
        throw zova::Error(QStringLiteral("Перший рядок файлу має бути \"%1\"").arg(header), path, 1);
    return lines;
}

// Every row of a ";"-separated file with three columns; the first a ten-digit code.
bool isCode(const QString &text)
{
    if (text.size() != 10)
        return false;
    for (QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

std::vector<Row> readRows(const QString &path, const QString &header)
{
    const QStringList lines = readLines(path, header);
    std::vector<Row> rows;
    rows.reserve(static_cast<size_t>(lines.size()));
    for (int i = 1; i < lines.size(); ++i) {
        const QStringList f = lines[i].split(QLatin1Char(';'));
        if (f.size() != 3 || !isCode(f[0]))
            throw zova::Error(QStringLiteral("Рядок не має вигляду \"код;ознака;назва\""), path, i + 1);
        rows.push_back({f[0], f[1].trimmed(), f[2].trimmed(), i + 1});
    }
    return rows;
}

bool isZero(QStringView digits)
{
    for (QChar c : digits)
        if (c != QLatin1Char('0'))
            return false;
    return true;
}

// A region's two digits, a district's or council's three, a settlement's two.
int regionPart(const QString &te) { return te.left(2).toInt(); }
int districtPart(const QString &te) { return te.mid(2, 3).toInt(); }
int councilPart(const QString &te) { return te.mid(5, 3).toInt(); }

// The first eight digits identify a district or a council; regions keep small numbers.
int unitId(const QString &te) { return te.left(8).toInt(); }

// "М.КИЇВ" -> "м. Київ", "СМТ КІРОВСЬКЕ" -> "смт Кіровське", "С-ЩЕ ЗОРЯ" -> "с-ще Зоря".
QString centreSpelling(const QString &centre, const QString &path, int line)
{
    static const std::pair<const char16_t *, const char16_t *> prefixes[] = {
        {u"С-ЩЕ ", u"с-ще "}, {u"СМТ.", u"смт "}, {u"СМТ ", u"смт "}, {u"М.", u"м. "},
        {u"М ", u"м. "},      {u"С.", u"с. "},    {u"С ", u"с. "},
    };
    for (const auto &[capitals, spelling] : prefixes) {
        const QString prefix = QString::fromUtf16(capitals);
        if (centre.startsWith(prefix))
            return QString::fromUtf16(spelling) + KoatuuSpelling(centre.mid(prefix.size()));
    }
    throw zova::Error(QStringLiteral("Невідомий вид центру \"%1\"").arg(centre), path, line);
}

bool isHeading(const Row &r)
{
    return r.np.isEmpty() && !r.nu.contains(QLatin1Char('/'));
}

} // namespace

QString KoatuuSpelling(const QString &capitals)
{
    QString text = capitals.simplified();
    QString remark;
    const qsizetype open = text.indexOf(QLatin1Char('('));
    if (open >= 0) {
        remark = text.mid(open).toLower();
        text = text.left(open).trimmed();
    }
    text = text.toLower();
    // A capital at the start of every word and hyphenated part, but for a particle between hyphens.
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != QLatin1Char(' ') && text[end] != QLatin1Char('-'))
            ++end;
        const bool betweenHyphens = start > 0 && text[start - 1] == QLatin1Char('-') && end < text.size()
                                    && text[end] == QLatin1Char('-');
        const QStringView part = QStringView(text).mid(start, end - start);
        const bool particle = betweenHyphens
                              && (part == u"на" || part == u"над" || part == u"під");
        if (!particle && end > start)
            text[start] = text[start].toUpper();
        start = end + 1;
    }
    if (!remark.isEmpty())
        text += QLatin1Char(' ') + remark;
    return text;
}

Territory ReadTerritory(const QString &classifierPath, const QString &councilNamesPath)
{
    const std::vector<Row> rows = readRows(classifierPath, QStringLiteral("TE;NP;NU"));
    QHash<QString, CouncilName> councilNames;
    for (const Row &r : readRows(councilNamesPath, QStringLiteral("TE;NAME;STATUS")))
        councilNames.insert(r.te, {KoatuuSpelling(r.np), r.nu});

    // Councils that settlements hang under: a group heading can be one (the city council's
    // settlements listed under "НАСЕЛЕНІ ПУНКТИ, ПІДПОРЯДКОВАНІ ... МІСЬКРАДІ").
    QSet<QString> settlementCouncils;
    for (const Row &r : rows)
        if (!isZero(QStringView(r.te).mid(8)))
            settlementCouncils.insert(r.te.left(8) + QStringLiteral("00"));

    Territory t;
    t.units.reserve(rows.size() / 3);
    t.settlements.reserve(rows.size());
    QHash<QString, int> ids; // ten-digit code -> a_rada_id
    ids.reserve(static_cast<qsizetype>(rows.size() / 3));
    int regions = 0;
    auto named = [&](const Row &r) -> CouncilName {
        const auto it = councilNames.constFind(r.te);
        if (it == councilNames.constEnd())
            throw zova::Error(QStringLiteral("Немає назви ради для коду %1 (%2)").arg(r.te, r.nu), classifierPath, r.line);
        return *it;
    };
    auto parentOf = [&](const QString &parentCode, const Row &r) {
        const auto it = ids.constFind(parentCode);
        if (it == ids.constEnd())
            throw zova::Error(QStringLiteral("Немає вищої одиниці %1 для коду %2").arg(parentCode, r.te), classifierPath,
                              r.line);
        return *it;
    };
    auto add = [&](TerritoryUnit u) {
        ids.insert(u.fullCode, u.id);
        t.units.push_back(std::move(u));
    };
    auto addCouncil = [&](const Row &r, const CouncilName &n, const QString &cap) {
        TerritoryUnit u;
        u.id = unitId(r.te);
        u.parentId = parentOf(r.te.left(5) + QStringLiteral("00000"), r);
        u.level = 3;
        u.code = councilPart(r.te);
        u.name = n.name;
        u.st = n.status;
        u.admName = n.name + QLatin1Char(' ') + n.status + QStringLiteral(" рада");
        u.cap = cap;
        u.fullCode = r.te;
        add(std::move(u));
    };

    static const QRegularExpression regionName(QStringLiteral("^(.+) ОБЛАСТЬ/(.+)$"));
    static const QRegularExpression districtName(QStringLiteral("^(.+) РАЙОН/(.+)$"));
    static const QRegularExpression villageCouncil(QStringLiteral("^([^/]+)/(.+)$"));

    for (const Row &r : rows) {
        const QString &te = r.te;
        if (isZero(QStringView(te).mid(2))) { // a region, or a city with special status
            TerritoryUnit u;
            u.id = ++regions;
            u.level = 1;
            u.code = regionPart(te);
            u.fullCode = te;
            if (const auto m = regionName.match(r.nu); m.hasMatch()) {
                u.name = KoatuuSpelling(m.captured(1));
                u.admName = u.name + QStringLiteral(" область");
                u.st = QStringLiteral("обласна");
                u.cap = centreSpelling(m.captured(2), classifierPath, r.line);
            } else if (r.nu.startsWith(QStringLiteral("М."))) {
                const CouncilName n = named(r);
                u.admName = centreSpelling(r.nu, classifierPath, r.line);
                u.name = n.name;
                u.st = n.status;
            } else { // the autonomous republic
                const QStringList parts = r.nu.split(QLatin1Char('/'));
                u.admName = u.name = KoatuuSpelling(parts.first());
                if (parts.size() > 1)
                    u.cap = centreSpelling(parts.at(1), classifierPath, r.line);
            }
            add(std::move(u));
        } else if (isZero(QStringView(te).mid(5))) { // level 2, or a heading of a region's cities or districts
            if (isZero(QStringView(te).mid(3, 2)))
                continue;
            TerritoryUnit u;
            u.id = unitId(te);
            u.parentId = parentOf(te.left(2) + QStringLiteral("00000000"), r);
            u.level = 2;
            u.code = districtPart(te);
            u.fullCode = te;
            const QChar kind = te.at(2);
            if (kind == QLatin1Char('1')) { // city of regional importance: the list text starts "м "
                const CouncilName n = named(r);
                u.name = n.name;
                u.st = n.status;
                u.admName = QStringLiteral("м ") + KoatuuSpelling(r.nu);
                u.cap = QStringLiteral("м. ") + KoatuuSpelling(r.nu);
            } else if (const auto m = districtName.match(r.nu); m.hasMatch()) {
                u.name = KoatuuSpelling(m.captured(1));
                u.st = QStringLiteral("район");
                u.admName = u.name + QStringLiteral(" район");
                u.cap = centreSpelling(m.captured(2), classifierPath, r.line);
            } else if (kind == QLatin1Char('3')) { // a district of Kyiv or Sevastopol
                u.name = KoatuuSpelling(r.nu);
                u.st = QStringLiteral("район");
                u.admName = u.name + QStringLiteral(" район");
            } else {
                throw zova::Error(QStringLiteral("Невідомий вид району \"%1\"").arg(r.nu), classifierPath, r.line);
            }
            add(std::move(u));
        } else if (isZero(QStringView(te).mid(8))) { // level 3: a council, or a heading of a district's councils
            const bool heading = isZero(QStringView(te).mid(6, 2)) || isHeading(r);
            if (heading) {
                if (settlementCouncils.contains(te))
                    addCouncil(r, named(r), QString());
                continue;
            }
            if (const auto m = villageCouncil.match(r.nu); m.hasMatch()) {
                addCouncil(r, {KoatuuSpelling(m.captured(1)), QStringLiteral("сільська")},
                           centreSpelling(m.captured(2), classifierPath, r.line));
            } else {
                const QString place = KoatuuSpelling(r.nu);
                QString cap;
                if (r.np == QStringLiteral("М"))
                    cap = QStringLiteral("м. ") + place;
                else if (r.np == QStringLiteral("Т"))
                    cap = QStringLiteral("смт ") + place;
                else if (r.np == QStringLiteral("Р"))
                    cap = place + QStringLiteral(" район");
                addCouncil(r, named(r), cap);
            }
        } else { // a settlement
            const QString councilCode = te.left(8) + QStringLiteral("00");
            if (!ids.contains(councilCode)) {
                // The council's row is missing from the classifier: the names table gives it.
                if (councilNames.contains(councilCode) && !isZero(QStringView(te).mid(5, 3)))
                    addCouncil({councilCode, QString(), QString(), r.line}, named({councilCode, {}, r.nu, r.line}),
                               QString());
            }
            // A settlement directly under a city of regional importance belongs to its council.
            const int council = parentOf(isZero(QStringView(te).mid(5, 3)) ? te.left(5) + QStringLiteral("00000") : councilCode, r);
            t.settlements.push_back({council, static_cast<int>(t.settlements.size()) + 1, te.mid(8).toInt(),
                                     KoatuuSpelling(r.nu)});
        }
    }
    return t;
}

} // namespace reference
