#include "reference/baseconnection.h"

#include "common/error.h"
#include "reference/sqlcause.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>

namespace reference {

namespace {

const QString kRowIdColumn = QStringLiteral("zova_rowid");

// The tables that every lookup and dialog of the program reads.
const QStringList kTables = {QStringLiteral("a_rada"), QStringLiteral("a_selo"), QStringLiteral("Rada"),
                             QStringLiteral("pog_name"), QStringLiteral("pog_pib"), QStringLiteral("cilove"),
                             QStringLiteral("row6zem"), QStringLiteral("pz"), QStringLiteral("worker"),
                             QStringLiteral("organ")};

QString newConnectionName()
{
    static std::atomic<int> counter{0};
    return QStringLiteral("zova_base_%1").arg(++counter);
}

[[noreturn]] void fail(const QString &what)
{
    throw zova::Error(QStringLiteral("Помилка бази даних: %1").arg(what));
}

// Whether every page of the file reads as a database page should (SQLite's quick check, a few
// milliseconds for the shipped file); a damaged one puts the cause into *failure.
bool intact(const QSqlDatabase &db, QString *failure)
{
    QSqlQuery check(db);
    if (!check.exec(QStringLiteral("PRAGMA quick_check(1)"))) {
        *failure = SqlCause(check.lastError());
        return false;
    }
    if (check.next() && check.value(0).toString() == QLatin1String("ok"))
        return true;
    *failure = QStringLiteral("файл бази даних пошкоджено");
    return false;
}

// Prepares the statement, binds the values in order and runs it.
QSqlQuery query(bool open, const QString &connection, const QString &sql, const QVariantList &values)
{
    if (!open)
        fail(QStringLiteral("з'єднання з базою даних закрите"));
    QSqlQuery q(QSqlDatabase::database(connection, false));
    q.setForwardOnly(true);
    if (!q.prepare(sql))
        fail(SqlCause(q.lastError()));
    for (const QVariant &v : values)
        q.addBindValue(v);
    if (!q.exec())
        fail(SqlCause(q.lastError()));
    return q;
}

} // namespace

BaseConnection::~BaseConnection()
{
    Close();
}

bool BaseConnection::Open(const QString &path, QString *error)
{
    Close();
    auto report = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    // SQLite would create an empty database in place of a missing file; refuse that.
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile())
        return report(QStringLiteral("Не знайдено базу даних %1").arg(QDir::toNativeSeparators(path)));
    if (!info.isReadable())
        return report(QStringLiteral("Немає доступу до бази даних %1").arg(QDir::toNativeSeparators(path)));
    // An empty file would open as an empty database, and every lookup would fail later.
    if (info.size() == 0)
        return report(QStringLiteral("База даних %1 порожня (0 байтів)").arg(QDir::toNativeSeparators(path)));

    const QString name = newConnectionName();
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (!db.open()) {
            failure = SqlCause(db.lastError());
        } else {
            // Opening succeeds on any file; the first read tells whether it is a database, and
            // one of this program. Nothing is written to a file that is refused.
            QSqlQuery probe(db);
            if (!probe.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"))) {
                failure = SqlCause(probe.lastError());
            } else {
                QStringList missing = kTables;
                while (probe.next())
                    missing.removeAll(probe.value(0).toString());
                // The program's tables, and whole: a file damaged beyond its table of contents is
                // refused here, not at every later lookup.
                if (!missing.isEmpty())
                    failure = QStringLiteral("це не база довідників програми, в ній немає таблиць %1")
                                  .arg(missing.join(QStringLiteral(", ")));
                else if (intact(db, &failure))
                    probe.exec(QStringLiteral("PRAGMA foreign_keys = OFF"));
            }
        }
        if (!failure.isEmpty())
            db.close();
    }
    if (!failure.isEmpty()) {
        QSqlDatabase::removeDatabase(name);
        return report(QStringLiteral("Не вдалося відкрити базу даних %1: %2")
                          .arg(QDir::toNativeSeparators(path), failure));
    }
    m_name = name;
    m_path = path;
    m_open = true;
    return true;
}

void BaseConnection::Close()
{
    if (m_name.isEmpty())
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_name, false);
        if (db.isValid())
            db.close();
    }
    QSqlDatabase::removeDatabase(m_name);
    m_name.clear();
    m_open = false;
}

RecordSet BaseConnection::Execute(const QString &sql, const QVariantList &values)
{
    RecordSet rs;
    run(sql, values, rs, false);
    return rs;
}

void BaseConnection::run(const QString &sql, const QVariantList &values, RecordSet &into, bool withRowIds)
{
    QSqlQuery q = query(m_open, m_name, sql, values);

    into.m_conn = this;
    into.m_open = true;
    into.m_columns.clear();
    into.m_rows.clear();
    into.m_rowIds.clear();
    into.m_visible.clear();
    into.m_pos = 0;
    into.m_adding = false;

    const QSqlRecord rec = q.record();
    const int first = withRowIds ? 1 : 0;
    for (int i = first; i < rec.count(); ++i)
        into.m_columns << rec.fieldName(i);
    while (q.next()) {
        std::vector<QVariant> row;
        row.reserve(static_cast<size_t>(rec.count() - first));
        for (int i = first; i < rec.count(); ++i) {
            const QVariant v = q.value(i);
            row.push_back(v.isNull() ? QVariant() : v);
        }
        if (withRowIds)
            into.m_rowIds.push_back(q.value(0).toLongLong());
        into.m_visible.push_back(static_cast<int>(into.m_rows.size()));
        into.m_rows.push_back(std::move(row));
    }
}

void BaseConnection::InTransaction(const std::function<void()> &work)
{
    if (!m_open)
        fail(QStringLiteral("з'єднання з базою даних закрите"));
    QSqlDatabase db = QSqlDatabase::database(m_name, false);
    if (!db.transaction())
        fail(SqlCause(db.lastError()));
    try {
        work();
    } catch (...) {
        db.rollback();
        throw;
    }
    if (!db.commit()) {
        const QString why = SqlCause(db.lastError());
        db.rollback();
        fail(why);
    }
}

qint64 BaseConnection::write(const QString &sql, const QVariantList &values)
{
    const QSqlQuery q = query(m_open, m_name, sql, values);
    return q.lastInsertId().isValid() ? q.lastInsertId().toLongLong() : -1;
}

BaseConnection &BaseConn()
{
    // Never destroyed: Qt SQL's own registry may be gone by the time statics are torn down.
    static BaseConnection *conn = new BaseConnection;
    return *conn;
}

RecordSet &BaseRs()
{
    static RecordSet rs;
    return rs;
}

bool OpenBase(const QString &path, QString *error)
{
    BaseRs().Close();
    return BaseConn().Open(path, error);
}

void CloseBase()
{
    BaseRs().Close();
    BaseConn().Close();
}

} // namespace reference
