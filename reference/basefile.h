#pragma once

#include "reference/koatuu.h"

#include <QString>
#include <QStringList>

namespace reference {

/// The data version that the build stamps into mybase.dat (PRAGMA user_version). Raise it whenever
/// the classifier, the council names or the shipped tables of seed.sql change: a working copy with
/// a smaller number has its territory tables and its rows of form 6-zem brought up to date from the
/// shipped copy on the next start.
/// Version 0 is the database of the first releases (a hand-written territory seed); version 1 had
/// only three rows of form 6-zem, two of them without their codes.
inline constexpr int kBaseDataVersion = 2;

/// The statements of an SQL script, split at the semicolons that stand outside quotes and
/// comments; comments and empty statements are dropped.
QStringList SqlStatements(const QString &script);

/// Creates the reference database file at path, which must not exist yet: the schema, the seed and
/// the territory tables, stamped with the data version. The rows go in within one transaction
/// through prepared statements. Throws zova::Error; a file begun is removed again.
void BuildBase(const QString &path, const QString &schemaSql, const QString &seedSql, const Territory &territory,
               int dataVersion);

/// The data version of a database file (PRAGMA user_version). Throws zova::Error when the file
/// is no readable database.
int BaseDataVersion(const QString &path);

/// What UpgradeWorkingBase did.
struct BaseUpgrade {
    bool upgraded = false;
    int fromVersion = 0;
    int toVersion = 0;
    QString backupPath; ///< the copy of the working file made first; empty when nothing was done
};

/// Brings an office's working copy of mybase.dat up to the shipped copy's territory data and rows
/// of form 6-zem when the shipped copy carries a newer data version; does nothing when the versions agree, when both paths
/// name one file, or when either file is missing or the working copy holds no territory table
/// (the start refuses such a file itself).
/// The working copy is first copied beside itself ("mybase.dat.v0.bak"); then, in one transaction,
/// a_rada and a_selo take the shipped rows, units matched by their code keep the officials the
/// office entered (a_zem, a_golova, a_arhit, a_goladm), units the shipped copy lacks are kept when
/// they hold an official or a council-list row refers to them, the council list's district ids
/// follow their units, row6zem takes the shipped rows (no office edits it), and the data version
/// is raised. Rada, worker, organ, pog_name, pog_pib and cilove are not touched. Throws zova::Error; the working copy is then as it was.
BaseUpgrade UpgradeWorkingBase(const QString &workingPath, const QString &shippedPath);

} // namespace reference
