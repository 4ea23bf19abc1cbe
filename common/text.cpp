#include "common/text.h"

namespace zova {

QStringList SplitWords(const QString &text)
{
    return text.split(QLatin1Char(' '), Qt::KeepEmptyParts);
}

QString DropLastChar(const QString &word)
{
    if (word.isEmpty())
        return word;
    // A character outside the basic plane is two UTF-16 units; drop it whole.
    int cut = 1;
    if (word.size() >= 2 && word.at(word.size() - 1).isLowSurrogate() && word.at(word.size() - 2).isHighSurrogate())
        cut = 2;
    return word.left(word.size() - cut);
}

QString UpperCase(const QString &text)
{
    return text.toUpper();
}

} // namespace zova
