#pragma once

#include "reference/recordset.h"

#include <QString>
#include <QVariantList>
#include <functional>

namespace reference {

/// The one connection to the reference database mybase.dat (SQLite through Qt SQL), opened at
/// start and closed when the main window unloads. Every value reaches a statement as a bound
/// parameter ("?" in the statement), so names with apostrophes are stored and found as typed.
class BaseConnection {
public:
    BaseConnection() = default;
    ~BaseConnection();
    BaseConnection(const BaseConnection &) = delete;
    BaseConnection &operator=(const BaseConnection &) = delete;

    /// Opens an existing database file; never creates one, and refuses (without changing it) an
    /// empty file, a file that is no database, a damaged database (any page that does not read
    /// as one) and a database without the program's ten tables.
    /// On failure returns false and puts a Ukrainian message into *error.
    bool Open(const QString &path, QString *error = nullptr);
    void Close();
    bool IsOpen() const { return m_open; }
    QString path() const { return m_path; }

    /// Runs a statement with the values bound in order and returns its rows (read pattern).
    /// Throws zova::Error when the connection is closed or the statement fails.
    RecordSet Execute(const QString &sql, const QVariantList &values = {});

    /// Runs `work` as one transaction: the changes it makes are stored together when it returns,
    /// and none of them when it throws (the exception then goes on). Throws zova::Error when the
    /// connection is closed or the database cannot begin or store the transaction.
    void InTransaction(const std::function<void()> &work);

    /// The Qt SQL connection name (for this library's own code).
    QString connectionName() const { return m_name; }

private:
    friend class RecordSet;
    void run(const QString &sql, const QVariantList &values, RecordSet &into, bool withRowIds);
    qint64 write(const QString &sql, const QVariantList &values);

    QString m_name;
    QString m_path;
    bool m_open = false;
};

/// The program-wide connection.
BaseConnection &BaseConn();
/// The program-wide record set that most readers and writers share; each user closes it before
/// returning.
RecordSet &BaseRs();

/// Opens the program-wide connection on the file; false (with a message in *error) when the file
/// is missing or is no readable database.
bool OpenBase(const QString &path, QString *error = nullptr);
/// Closes the program-wide connection and the shared record set.
void CloseBase();

} // namespace reference
