#include "reference/sqlcause.h"

#include <QSqlError>

namespace reference {

QString SqlCause(const QSqlError &error)
{
    bool numeric = false;
    // Qt's SQLite driver gives SQLite's result code; the low byte is the primary code.
    const int code = error.nativeErrorCode().toInt(&numeric) & 0xFF;
    if (!numeric)
        return error.type() == QSqlError::ConnectionError ? QStringLiteral("не вдалося з'єднатися з базою даних")
                                                          : QStringLiteral("невідома помилка бази даних");
    switch (code) {
    case 1: // SQLITE_ERROR: the program's statements are fixed, so a table or column is missing
        return QStringLiteral("будова бази даних не відповідає програмі (бракує таблиці чи стовпця)");
    case 3: // SQLITE_PERM
    case 23: // SQLITE_AUTH
        return QStringLiteral("немає дозволу на доступ до файлу бази даних");
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return QStringLiteral("базу даних зайняла інша програма (можливо, ще одна копія цієї програми); "
                              "спробуйте, коли вона її звільнить");
    case 7: // SQLITE_NOMEM
        return QStringLiteral("бракує пам'яті");
    case 8: // SQLITE_READONLY
        return QStringLiteral("базу даних можна лише читати: немає дозволу на запис у файл або теку");
    case 10: // SQLITE_IOERR
        return QStringLiteral("помилка читання або запису файлу бази даних");
    case 11: // SQLITE_CORRUPT
        return QStringLiteral("файл бази даних пошкоджено");
    case 13: // SQLITE_FULL
        return QStringLiteral("на диску немає місця");
    case 14: // SQLITE_CANTOPEN
        return QStringLiteral("не вдалося відкрити файл бази даних");
    case 19: // SQLITE_CONSTRAINT
        return QStringLiteral("запис суперечить правилам бази даних (наприклад, повторює наявний)");
    case 26: // SQLITE_NOTADB
        return QStringLiteral("файл не є базою даних або пошкоджений");
    default:
        return QStringLiteral("помилка бази даних (код %1)").arg(code);
    }
}

} // namespace reference
