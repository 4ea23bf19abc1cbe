#include "reference/recordset.h"

#include "reference/baseconnection.h"
#include "common/error.h"

#include <QRegularExpression>

namespace reference {

namespace {

[[noreturn]] void fail(const QString &what)
{
    throw zova::Error(QStringLiteral("Помилка бази даних: %1").arg(what));
}

QString quotedName(const QString &name)
{
    QString n = name;
    n.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + n + QLatin1Char('"');
}

bool sameValue(const QVariant &stored, const QString &wanted)
{
    if (!stored.isValid())
        return wanted.isEmpty();
    bool okA = false, okB = false;
    const double a = stored.toString().toDouble(&okA);
    const double b = wanted.toDouble(&okB);
    if (okA && okB)
        return a == b;
    return stored.toString() == wanted;
}

} // namespace

bool RecordSet::Eof() const
{
    return !m_open || m_pos >= static_cast<int>(m_visible.size());
}

bool RecordSet::Bof() const
{
    return !m_open || m_visible.empty() || m_pos < 0;
}

void RecordSet::MoveFirst()
{
    m_pos = 0;
    m_adding = false;
}

void RecordSet::MoveNext()
{
    if (m_pos < static_cast<int>(m_visible.size()))
        ++m_pos;
    m_adding = false;
}

void RecordSet::MoveLast()
{
    m_pos = m_visible.empty() ? 0 : static_cast<int>(m_visible.size()) - 1;
    m_adding = false;
}

int RecordSet::column(const QString &name) const
{
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    fail(QStringLiteral("немає поля %1").arg(name));
}

const std::vector<QVariant> &RecordSet::currentRow() const
{
    if (m_adding)
        return m_newRow;
    if (Eof() || Bof())
        fail(QStringLiteral("немає поточного запису"));
    return m_rows[static_cast<size_t>(m_visible[static_cast<size_t>(m_pos)])];
}

QString RecordSet::Field(const QString &name) const
{
    const QVariant v = Value(name);
    return v.isValid() ? v.toString() : QString();
}

QVariant RecordSet::Value(const QString &name) const
{
    const int c = column(name);
    return currentRow()[static_cast<size_t>(c)];
}

void RecordSet::SetFilter(const QString &criteria)
{
    m_visible.clear();
    m_pos = 0;
    m_adding = false;
    const QString c = criteria.trimmed();
    if (c.isEmpty()) {
        for (int i = 0; i < static_cast<int>(m_rows.size()); ++i)
            m_visible.push_back(i);
        return;
    }
    static const QRegularExpression form(QStringLiteral("^([A-Za-z_][A-Za-z0-9_.]*)\\s*=\\s*(.*)$"));
    const QRegularExpressionMatch m = form.match(c);
    if (!m.hasMatch())
        fail(QStringLiteral("невірний фільтр %1").arg(criteria));
    QString name = m.captured(1);
    name = name.mid(name.lastIndexOf(QLatin1Char('.')) + 1);
    QString value = m.captured(2).trimmed();
    if (value.size() >= 2 && value.startsWith(QLatin1Char('\'')) && value.endsWith(QLatin1Char('\'')))
        value = value.mid(1, value.size() - 2).replace(QStringLiteral("''"), QStringLiteral("'"));
    const int col = column(name);
    for (int i = 0; i < static_cast<int>(m_rows.size()); ++i)
        if (sameValue(m_rows[static_cast<size_t>(i)][static_cast<size_t>(col)], value))
            m_visible.push_back(i);
}

void RecordSet::Open(const QString &sql, const QVariantList &values)
{
    static const QRegularExpression fromTable(QStringLiteral("\\bFROM\\s+\\[?([A-Za-z_][A-Za-z0-9_]*)\\]?"),
                                              QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression selectHead(QStringLiteral("^\\s*SELECT\\s+"),
                                               QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch table = fromTable.match(sql);
    const QRegularExpressionMatch head = selectHead.match(sql);
    if (!table.hasMatch() || !head.hasMatch())
        fail(QStringLiteral("запит для змін має вибирати рядки однієї таблиці"));
    // The storage key of every row travels with it, so a change finds its row again.
    const QString keyed = sql.left(head.capturedEnd()) + table.captured(1) + QStringLiteral(".rowid AS ")
                          + QStringLiteral("zova_rowid, ") + sql.mid(head.capturedEnd());
    BaseConnection &conn = m_conn ? *m_conn : BaseConn();
    Close();
    conn.run(keyed, values, *this, true);
    m_editable = true;
    m_table = table.captured(1);
}

void RecordSet::AddNew()
{
    if (!m_open || !m_editable)
        fail(QStringLiteral("набір записів відкрито лише для читання"));
    m_adding = true;
    m_newRow.assign(static_cast<size_t>(m_columns.size()), QVariant());
    m_dirty.assign(static_cast<size_t>(m_columns.size()), false);
}

void RecordSet::SetField(const QString &name, const QVariant &value)
{
    if (!m_open || !m_editable)
        fail(QStringLiteral("набір записів відкрито лише для читання"));
    const int c = column(name);
    if (!m_adding) {
        currentRow(); // throws without a current row
        if (m_dirty.size() != static_cast<size_t>(m_columns.size()))
            m_dirty.assign(static_cast<size_t>(m_columns.size()), false);
        m_rows[static_cast<size_t>(m_visible[static_cast<size_t>(m_pos)])][static_cast<size_t>(c)] = value;
    } else {
        m_newRow[static_cast<size_t>(c)] = value;
    }
    m_dirty[static_cast<size_t>(c)] = true;
}

void RecordSet::Update()
{
    if (!m_open || !m_editable)
        fail(QStringLiteral("набір записів відкрито лише для читання"));
    if (m_dirty.size() != static_cast<size_t>(m_columns.size()))
        m_dirty.assign(static_cast<size_t>(m_columns.size()), false);
    QStringList names;
    QVariantList values;
    const std::vector<QVariant> &row = currentRow();
    for (int i = 0; i < m_columns.size(); ++i)
        if (m_dirty[static_cast<size_t>(i)]) {
            names << quotedName(m_columns.at(i));
            values << row[static_cast<size_t>(i)];
        }
    BaseConnection &conn = *m_conn;
    if (m_adding) {
        QString sql;
        if (names.isEmpty()) {
            sql = QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(quotedName(m_table));
        } else {
            QStringList marks;
            for (int i = 0; i < names.size(); ++i)
                marks << QStringLiteral("?");
            sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(quotedName(m_table), names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
        }
        const qint64 rowId = conn.write(sql, values);
        // Read the stored row back, so keys the database assigned are seen.
        QStringList cols;
        for (const QString &c : m_columns)
            cols << quotedName(c);
        RecordSet stored;
        conn.run(QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid = ?")
                     .arg(cols.join(QStringLiteral(", ")), quotedName(m_table)),
                 {rowId}, stored, true);
        std::vector<QVariant> fresh = stored.m_rows.empty() ? m_newRow : stored.m_rows.front();
        m_rows.push_back(std::move(fresh));
        m_rowIds.push_back(rowId);
        m_visible.push_back(static_cast<int>(m_rows.size()) - 1);
        m_pos = static_cast<int>(m_visible.size()) - 1;
        m_adding = false;
    } else if (!names.isEmpty()) {
        QStringList sets;
        for (const QString &n : names)
            sets << n + QStringLiteral(" = ?");
        values << m_rowIds[static_cast<size_t>(m_visible[static_cast<size_t>(m_pos)])];
        conn.write(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = ?").arg(quotedName(m_table), sets.join(QStringLiteral(", "))),
                   values);
    }
    m_dirty.assign(static_cast<size_t>(m_columns.size()), false);
}

void RecordSet::Close()
{
    m_open = false;
    m_editable = false;
    m_table.clear();
    m_columns.clear();
    m_rows.clear();
    m_rowIds.clear();
    m_visible.clear();
    m_pos = 0;
    m_adding = false;
    m_newRow.clear();
    m_dirty.clear();
}

} // namespace reference
