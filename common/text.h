#pragma once

#include <QString>
#include <QStringList>

namespace zova {

/// Splits a text at every single blank; consecutive blanks give empty words, which are kept.
QStringList SplitWords(const QString &text);
/// The word without its last character (characters, never bytes); empty stays empty.
QString DropLastChar(const QString &word);
/// Unicode upper case.
QString UpperCase(const QString &text);

} // namespace zova
