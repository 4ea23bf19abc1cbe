#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <vector>

namespace reference {

class BaseConnection;

/// The rows of one statement, held in memory, with a current row, as a database reader or
/// writer walks them. A result of BaseConnection::Execute is read-only; a set opened with Open()
/// on a single-table SELECT may change its current row or add one (the write pattern).
/// Fields are found by name, regardless of letter case; a Null field reads as empty text.
class RecordSet {
public:
    RecordSet() = default;

    bool IsOpen() const { return m_open; }
    /// True past the last row (and on an empty result).
    bool Eof() const;
    /// True before the first row (and on an empty result).
    bool Bof() const;
    /// True when the result holds no row: at its end and at its beginning at once.
    bool IsEmpty() const { return Eof() && Bof(); }
    /// The number of rows that the filter lets through.
    int RecordCount() const { return static_cast<int>(m_visible.size()); }

    void MoveFirst();
    void MoveNext();
    void MoveLast();

    /// The field of the current row as text; Null reads as "". Throws zova::Error when there is
    /// no current row or no such column.
    QString Field(const QString &name) const;
    /// The field of the current row as it is stored (an invalid QVariant for Null).
    QVariant Value(const QString &name) const;
    /// The column names, in the statement's order.
    QStringList Columns() const { return m_columns; }

    /// Restricts the rows to those matching "column = value" (the value bare or in single quotes;
    /// numbers compare as numbers) and moves to the first of them. An empty criterion shows all
    /// rows again.
    void SetFilter(const QString &criteria);

    /// Opens the set for changes on a SELECT of one table, with the values bound to its "?"
    /// placeholders, through the connection the set is bound to. Throws zova::Error on failure.
    void Open(const QString &sql, const QVariantList &values = {});
    /// Starts a new row; its fields are set with SetField and stored by Update.
    void AddNew();
    /// Assigns a field of the current row (or of the new row) by column name.
    void SetField(const QString &name, const QVariant &value);
    /// Stores the changed or new row at once. Throws zova::Error on failure.
    void Update();
    /// Forgets the rows; the set stays bound to its connection.
    void Close();

private:
    friend class BaseConnection;
    int column(const QString &name) const;
    const std::vector<QVariant> &currentRow() const;

    BaseConnection *m_conn = nullptr;
    bool m_open = false;
    bool m_editable = false;
    QString m_table;                  ///< the table a writable set changes
    QStringList m_columns;
    std::vector<std::vector<QVariant>> m_rows;
    std::vector<qint64> m_rowIds;     ///< storage keys of the rows of a writable set
    std::vector<int> m_visible;       ///< indexes into m_rows that the filter lets through
    int m_pos = 0;                    ///< position in m_visible
    bool m_adding = false;
    std::vector<QVariant> m_newRow;
    std::vector<bool> m_dirty;
};

/// Closes a record set when it leaves scope, also when a read throws, so the shared set is
/// closed whenever no handler runs.
class CloseGuard {
public:
    explicit CloseGuard(RecordSet &rs) : m_rs(rs) {}
    ~CloseGuard() { m_rs.Close(); }
    CloseGuard(const CloseGuard &) = delete;
    CloseGuard &operator=(const CloseGuard &) = delete;

private:
    RecordSet &m_rs;
};

} // namespace reference
