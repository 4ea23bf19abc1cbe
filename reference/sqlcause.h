#pragma once

#include <QString>

class QSqlError;

namespace reference {

/// What a failure of the SQLite database means for the operator, in Ukrainian: the file is damaged,
/// is no database, is taken by another program, cannot be written, the disk is full... Qt's own
/// texts are English and name the statement, not the cause.
QString SqlCause(const QSqlError &error);

} // namespace reference
