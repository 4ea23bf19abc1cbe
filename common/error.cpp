#include "common/error.h"

namespace zova {

Error::Error(const QString &message, const QString &file, int line)
    : std::runtime_error(message.toStdString()), m_message(message), m_file(file), m_line(line)
{
}

QString Error::fullText() const
{
    QString text = m_message;
    if (!m_file.isEmpty()) {
        text += QStringLiteral("\nФайл: ") + m_file;
        if (m_line > 0)
            text += QStringLiteral(", рядок ") + QString::number(m_line);
    } else if (m_line > 0) {
        text += QStringLiteral("\nРядок ") + QString::number(m_line);
    }
    return text;
}

} // namespace zova
