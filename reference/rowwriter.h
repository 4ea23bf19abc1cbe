#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>
#include <utility>
#include <vector>

namespace reference {

/// Column names and the values to assign to them, in the order they are assigned.
using FieldValues = std::vector<std::pair<QString, QVariant>>;

/// The write pattern on one row: opens the shared record set on the select (values bound to its
/// "?"), assigns the fields of the first row it finds, updates and closes it. When the select finds
/// no row, a new row is added with the fields when addWhenMissing is set; otherwise nothing is
/// written and zova::Error(missing) is thrown. Throws zova::Error on a database failure; the shared
/// record set is closed whatever happens.
void WriteFirstRow(const QString &select, const QVariantList &values, const FieldValues &fields,
                   const QString &missing, bool addWhenMissing = false);

/// Adds a row with the fields through the shared record set opened on the select of its table.
/// Throws zova::Error on a database failure.
void AddRow(const QString &select, const FieldValues &fields);

} // namespace reference
