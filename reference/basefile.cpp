#include "reference/basefile.h"

#include "common/error.h"
#include "reference/sqlcause.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <atomic>
#include <map>

namespace reference {

namespace {

// A connection of its own to one database file, for the build and the upgrade; the program's
// connection (BaseConn) is not involved.
class FileDb {
public:
    explicit FileDb(const QString &path) : m_path(path)
    {
        static std::atomic<int> counter{0};
        m_name = QStringLiteral("zova_basefile_%1").arg(++counter);
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        db.setDatabaseName(path);
        if (!db.open())
            fail(SqlCause(db.lastError()));
    }
    ~FileDb()
    {
        {
            QSqlDatabase db = QSqlDatabase::database(m_name, false);
            if (db.isValid())
                db.close();
        }
        QSqlDatabase::removeDatabase(m_name);
    }
    FileDb(const FileDb &) = delete;
    FileDb &operator=(const FileDb &) = delete;

    QSqlQuery prepare(const QString &sql)
    {
        QSqlQuery q(QSqlDatabase::database(m_name, false));
        q.setForwardOnly(true);
        if (!q.prepare(sql))
            fail(SqlCause(q.lastError()));
        return q;
    }
    QSqlQuery exec(const QString &sql, const QVariantList &values = {})
    {
        QSqlQuery q = prepare(sql);
        run(q, values);
        return q;
    }
    void run(QSqlQuery &q, const QVariantList &values)
    {
        for (int i = 0; i < values.size(); ++i)
            q.bindValue(i, values[i]);
        if (!q.exec())
            fail(SqlCause(q.lastError()));
    }
    // Inserts the rows (each a list of the columns' values) through one prepared statement.
    void insertRows(const QString &table, const QString &columns, const std::vector<QVariantList> &rows)
    {
        if (rows.empty())
            return;
        const qsizetype width = rows.front().size();
        QSqlQuery q = prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                  .arg(table, columns, QStringLiteral("?,").repeated(width).chopped(1)));
        for (qsizetype c = 0; c < width; ++c) {
            QVariantList column;
            column.reserve(static_cast<qsizetype>(rows.size()));
            for (const QVariantList &row : rows)
                column << row[c];
            q.bindValue(static_cast<int>(c), column);
        }
        if (!q.execBatch())
            fail(SqlCause(q.lastError()));
    }
    // Statements such as PRAGMA and ATTACH outside a prepared form.
    void direct(const QString &sql)
    {
        QSqlQuery q(QSqlDatabase::database(m_name, false));
        if (!q.exec(sql))
            fail(SqlCause(q.lastError()));
    }
    int intValue(const QString &sql)
    {
        QSqlQuery q = exec(sql);
        return q.next() ? q.value(0).toInt() : 0;
    }

    [[noreturn]] void fail(const QString &what) const
    {
        throw zova::Error(QStringLiteral("Помилка бази даних %1: %2").arg(QDir::toNativeSeparators(m_path), what));
    }

private:
    QString m_path;
    QString m_name;
};

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
}

const QString kUnitColumns = QStringLiteral(
    "a_rada_id, a_rada_papa_id, a_rada_level, a_rada_adm_name, a_rada_name, a_rada_st, a_rada_cap, a_rada_code, "
    "a_rada_t, a_zem, a_golova, a_arhit, a_goladm");
const QString kSettlementColumns = QStringLiteral("a_rada_id, a_selo_id, a_selo_name, a_selo_code");
const QString kRow6ZemColumns = QStringLiteral("id, rowcode, name, rownum");
const char *const kOfficials[] = {"a_zem", "a_golova", "a_arhit", "a_goladm"};

// One a_rada row as stored, keyed by the code its parts make ("32", "32224", "32224862").
struct StoredUnit {
    QVariantList values; // in the order of kUnitColumns
    int id() const { return values[0].toInt(); }
    int parentId() const { return values[1].toInt(); }
    int level() const { return values[2].toInt(); }
    int code() const { return values[7].toInt(); }
    QString official(int i) const { return values[9 + i].toString(); }
    bool holdsOfficial() const
    {
        for (int i = 0; i < 4; ++i)
            if (!official(i).trimmed().isEmpty())
                return true;
        return false;
    }
};

std::vector<StoredUnit> readUnits(FileDb &db, const QString &schema)
{
    std::vector<StoredUnit> units;
    QSqlQuery q = db.exec(QStringLiteral("SELECT %1 FROM %2.a_rada ORDER BY a_rada_level, a_rada_id").arg(kUnitColumns, schema));
    while (q.next()) {
        StoredUnit u;
        for (int i = 0; i < 13; ++i)
            u.values << q.value(i);
        units.push_back(std::move(u));
    }
    return units;
}

// The code key of every unit whose parents chain up to a region; units off the tree get none.
QHash<int, QString> codeKeys(const std::vector<StoredUnit> &units)
{
    QHash<int, QString> keys;
    QHash<int, int> levels;
    for (const StoredUnit &u : units) { // ordered by level: parents come first
        QString key;
        if (u.level() == 1 && u.parentId() == 0)
            key = QStringLiteral("%1").arg(u.code(), 2, 10, QLatin1Char('0'));
        else if (u.level() > 1 && keys.contains(u.parentId()) && levels.value(u.parentId()) == u.level() - 1)
            key = keys.value(u.parentId()) + QStringLiteral("%1").arg(u.code(), 3, 10, QLatin1Char('0'));
        if (!key.isEmpty()) {
            keys.insert(u.id(), key);
            levels.insert(u.id(), u.level());
        }
    }
    return keys;
}

QString backupPathFor(const QString &workingPath, int version)
{
    const QString base = QStringLiteral("%1.v%2.bak").arg(workingPath).arg(version);
    QString path = base;
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = QStringLiteral("%1.%2").arg(base).arg(n);
    return path;
}

bool hasTerritoryTable(FileDb &db)
{
    return db.intValue(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name='a_rada'")) > 0;
}

} // namespace

QStringList SqlStatements(const QString &script)
{
    QStringList statements;
    QString current;
    const qsizetype n = script.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = script[i];
        if (c == QLatin1Char('-') && i + 1 < n && script[i + 1] == QLatin1Char('-')) {
            while (i < n && script[i] != QLatin1Char('\n'))
                ++i;
            current += QLatin1Char('\n');
        } else if (c == QLatin1Char('/') && i + 1 < n && script[i + 1] == QLatin1Char('*')) {
            const qsizetype end = script.indexOf(QStringLiteral("*/"), i + 2);
            i = end < 0 ? n : end + 1;
            current += QLatin1Char(' ');
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            // A quoted text runs to its closing quote; a doubled quote stands for one.
            current += c;
            while (++i < n) {
                current += script[i];
                if (script[i] == c) {
                    if (i + 1 < n && script[i + 1] == c)
                        current += script[++i];
                    else
                        break;
                }
            }
        } else if (c == QLatin1Char(';')) {
            if (!current.trimmed().isEmpty())
                statements << current.trimmed();
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.trimmed().isEmpty())
        statements << current.trimmed();
    return statements;
}

void BuildBase(const QString &path, const QString &schemaSql, const QString &seedSql, const Territory &territory,
               int dataVersion)
{
    if (QFileInfo::exists(path))
        throw zova::Error(QStringLiteral("Файл %1 уже існує").arg(QDir::toNativeSeparators(path)));
    try {
        FileDb db(path);
        // A new file that is renamed into place only when complete needs no journal of its own.
        db.direct(QStringLiteral("PRAGMA journal_mode = OFF"));
        db.direct(QStringLiteral("PRAGMA synchronous = OFF"));
        for (const QString &s : SqlStatements(schemaSql))
            db.direct(s);
        db.direct(QStringLiteral("BEGIN"));
        for (const QString &s : SqlStatements(seedSql))
            db.exec(s);

        std::vector<QVariantList> units;
        units.reserve(territory.units.size());
        const QVariant null(QMetaType(QMetaType::QString));
        for (const TerritoryUnit &u : territory.units)
            units.push_back({u.id, u.parentId, u.level, textOrNull(u.admName), textOrNull(u.name), textOrNull(u.st),
                             textOrNull(u.cap), u.code, u.fullCode, null, null, null, null});
        db.insertRows(QStringLiteral("a_rada"), kUnitColumns, units);

        std::vector<QVariantList> settlements;
        settlements.reserve(territory.settlements.size());
        for (const TerritorySettlement &s : territory.settlements)
            settlements.push_back({s.councilId, s.id, s.name, s.code});
        db.insertRows(QStringLiteral("a_selo"), kSettlementColumns, settlements);

        db.direct(QStringLiteral("PRAGMA user_version = %1").arg(dataVersion));
        db.direct(QStringLiteral("COMMIT"));
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

int BaseDataVersion(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw zova::Error(QStringLiteral("Не знайдено базу даних %1").arg(QDir::toNativeSeparators(path)));
    FileDb db(path);
    return db.intValue(QStringLiteral("PRAGMA user_version"));
}

BaseUpgrade UpgradeWorkingBase(const QString &workingPath, const QString &shippedPath)
{
    BaseUpgrade result;
    const QFileInfo working(workingPath), shipped(shippedPath);
    if (!working.isFile() || !shipped.isFile() || working.canonicalFilePath() == shipped.canonicalFilePath())
        return result;
    result.toVersion = BaseDataVersion(shippedPath);
    {
        FileDb probe(workingPath);
        if (!hasTerritoryTable(probe))
            return result;
        result.fromVersion = probe.intValue(QStringLiteral("PRAGMA user_version"));
    }
    if (result.fromVersion >= result.toVersion)
        return result;

    const QString backup = backupPathFor(workingPath, result.fromVersion);
    if (!QFile::copy(workingPath, backup))
        throw zova::Error(QStringLiteral("Не вдалося зберегти копію %1").arg(QDir::toNativeSeparators(backup)));

    FileDb db(workingPath);
    db.exec(QStringLiteral("ATTACH DATABASE ? AS shipped"), {shippedPath});
    const std::vector<StoredUnit> oldUnits = readUnits(db, QStringLiteral("main"));
    const std::vector<StoredUnit> newUnits = readUnits(db, QStringLiteral("shipped"));
    const QHash<int, QString> oldKeys = codeKeys(oldUnits);
    QHash<QString, int> newIdByKey;
    int nextId = 0;
    {
        const QHash<int, QString> newKeys = codeKeys(newUnits);
        for (auto it = newKeys.cbegin(); it != newKeys.cend(); ++it)
            newIdByKey.insert(it.value(), it.key());
        for (const StoredUnit &u : newUnits)
            nextId = std::max(nextId, u.id());
    }
    QHash<int, const StoredUnit *> oldById;
    for (const StoredUnit &u : oldUnits)
        oldById.insert(u.id(), &u);

    // Units the shipped copy lacks are kept when the office's data needs them, with their parents.
    QSet<int> referenced;
    {
        QSqlQuery q = db.exec(QStringLiteral("SELECT DISTINCT Region_id FROM main.Rada WHERE Region_id IS NOT NULL"));
        while (q.next())
            referenced.insert(q.value(0).toInt());
    }
    std::map<int, int> idMap; // old a_rada_id -> new one (std::map: kept parents before children)
    for (const StoredUnit &u : oldUnits) {
        const auto match = newIdByKey.constFind(oldKeys.value(u.id()));
        if (oldKeys.contains(u.id()) && match != newIdByKey.constEnd())
            idMap[u.id()] = *match;
    }
    QSet<int> kept;
    for (const StoredUnit &u : oldUnits) {
        if (idMap.count(u.id()) || !(u.holdsOfficial() || referenced.contains(u.id())))
            continue;
        for (const StoredUnit *p = &u; p && !idMap.count(p->id()) && !kept.contains(p->id());
             p = oldById.value(p->parentId(), nullptr))
            kept.insert(p->id());
    }

    // The settlements of kept councils, read before a_selo is replaced.
    std::vector<QVariantList> keptSettlements;
    if (!kept.isEmpty()) {
        QSqlQuery q =
            db.exec(QStringLiteral("SELECT a_rada_id, a_selo_name, a_selo_code FROM main.a_selo ORDER BY a_selo_id"));
        while (q.next())
            if (kept.contains(q.value(0).toInt()))
                keptSettlements.push_back({q.value(0), q.value(1), q.value(2)});
    }

    try {
        db.direct(QStringLiteral("BEGIN"));
        db.exec(QStringLiteral("DELETE FROM main.a_rada"));
        db.exec(QStringLiteral("INSERT INTO main.a_rada (%1) SELECT %1 FROM shipped.a_rada").arg(kUnitColumns));
        QSqlQuery officials = db.prepare(
            QStringLiteral("UPDATE main.a_rada SET a_zem=coalesce(nullif(?,''),a_zem), a_golova=coalesce(nullif(?,''),"
                           "a_golova), a_arhit=coalesce(nullif(?,''),a_arhit), a_goladm=coalesce(nullif(?,''),a_goladm) "
                           "WHERE a_rada_id=?"));
        for (const StoredUnit &u : oldUnits)
            if (idMap.count(u.id()) && u.holdsOfficial())
                db.run(officials, {u.official(0), u.official(1), u.official(2), u.official(3), idMap[u.id()]});

        // Kept units: ordered by level, so a kept parent has its new id before its children.
        QSqlQuery insertUnit = db.prepare(
            QStringLiteral("INSERT INTO main.a_rada (%1) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)").arg(kUnitColumns));
        for (const StoredUnit &u : oldUnits) {
            if (!kept.contains(u.id()))
                continue;
            idMap[u.id()] = ++nextId;
            QVariantList values = u.values;
            values[0] = nextId;
            values[1] = u.parentId() == 0 ? 0 : idMap.at(u.parentId());
            db.run(insertUnit, values);
        }

        db.exec(QStringLiteral("DELETE FROM main.a_selo"));
        db.exec(QStringLiteral("INSERT INTO main.a_selo (%1) SELECT %1 FROM shipped.a_selo").arg(kSettlementColumns));
        int nextSettlement = db.intValue(QStringLiteral("SELECT coalesce(max(a_selo_id),0) FROM main.a_selo"));
        QSqlQuery insertSettlement =
            db.prepare(QStringLiteral("INSERT INTO main.a_selo (%1) VALUES (?,?,?,?)").arg(kSettlementColumns));
        for (const QVariantList &s : keptSettlements)
            db.run(insertSettlement, {idMap.at(s[0].toInt()), ++nextSettlement, s[1], s[2]});

        QSqlQuery remap = db.prepare(QStringLiteral("UPDATE main.Rada SET Region_id=? WHERE Region_id=?"));
        // Old and new ids may overlap: move every referenced id through a negative one first.
        for (int id : referenced)
            if (idMap.count(id))
                db.run(remap, {-idMap.at(id), id});
        db.exec(QStringLiteral("UPDATE main.Rada SET Region_id=-Region_id WHERE Region_id<0"));

        // The rows of form 6-zem are shipped data that no dialog changes: the shipped ones replace them.
        db.exec(QStringLiteral("DELETE FROM main.row6zem"));
        db.exec(QStringLiteral("INSERT INTO main.row6zem (%1) SELECT %1 FROM shipped.row6zem").arg(kRow6ZemColumns));

        db.direct(QStringLiteral("PRAGMA main.user_version = %1").arg(result.toVersion));
        db.direct(QStringLiteral("COMMIT"));
    } catch (...) {
        try {
            db.direct(QStringLiteral("ROLLBACK"));
        } catch (const zova::Error &) {
        }
        throw;
    }
    result.upgraded = true;
    result.backupPath = backup;
    return result;
}

} // namespace reference
