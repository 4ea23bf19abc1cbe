#pragma once

#include <QByteArray>
#include <QString>

namespace platform {

/// The two code pages of the exchange files: DOS (IBM866, the OEM page) and WIN (windows-1251).
enum class CodePage { Dos, Win };

/// Decodes bytes of the given code page.
QString Decode(const QByteArray &bytes, CodePage page);

/// Encodes a text into the given code page. For DOS the letters IBM866 lacks become their
/// nearest neighbours (І і Ґ ґ to I i Г г), as the Windows best-fit conversion does; any other
/// character the page cannot hold becomes "?", one "?" per character.
QByteArray Encode(const QString &text, CodePage page);

/// True when every character of the text survives Encode for that page unchanged.
bool Representable(const QString &text, CodePage page);

/// The characters of the text that Encode turns into "?" for that page, each once, in the order
/// of their first appearance; the letters written as their neighbours (І і Ґ ґ in DOS) are not
/// among them. Empty when nothing is lost.
QString Unencodable(const QString &text, CodePage page);

} // namespace platform
