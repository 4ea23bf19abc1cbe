#pragma once

#include <QString>
#include <stdexcept>

namespace zova {

/// The one error type of the core code. The message is Ukrainian and meant for the operator;
/// the file and the line are set where the failure belongs to a line of an input file
/// (line 0 and an empty file when it does not).
class Error : public std::runtime_error {
public:
    explicit Error(const QString &message, const QString &file = QString(), int line = 0);

    QString message() const { return m_message; }
    QString file() const { return m_file; }
    int line() const { return m_line; }
    /// The message with the file and line appended when they are known.
    QString fullText() const;

private:
    QString m_message;
    QString m_file;
    int m_line = 0;
};

} // namespace zova
