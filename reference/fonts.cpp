#include "reference/fonts.h"

#include "common/error.h"
#include "common/numbers.h"
#include "platform/regkey.h"


namespace reference {

namespace {

// The stored size text is read like every number of the program; a value beyond a 16-bit size
// loads as 0, as an unreadable one does.
int16_t sizeFrom(const QString &text)
{
    try {
        return zova::RoundToInt16(zova::LeadingNumber(text));
    } catch (const zova::Error &) {
        return 0;
    }
}

bool flagFrom(const QString &text)
{
    return text == QLatin1String("True") || zova::LeadingNumber(text) != 0.0;
}

} // namespace

const std::array<FontKind, 5> &FontKinds()
{
    // The face name is the one Word and LibreOffice know; sizes in points.
    static const QString face = QStringLiteral("Times New Roman");
    static const std::array<FontKind, 5> kinds{{
        {"gaNameF", "ga_n", QStringLiteral("Державні акти (ПІБ)"), face, QStringLiteral("12"), QStringLiteral("True"),
         QStringLiteral("False"), &State::gaNameF},
        {"gaF", "ga", QStringLiteral("Державні акти"), face, QStringLiteral("10"), QStringLiteral("False"),
         QStringLiteral("False"), &State::gaF},
        {"plnF", "pl", QStringLiteral("Кадастрові плани"), face, QStringLiteral("8"), QStringLiteral("False"),
         QStringLiteral("False"), &State::plnF},
        {"shtF", "pl_sh", QStringLiteral("Штампи"), face, QStringLiteral("10"), QStringLiteral("False"),
         QStringLiteral("False"), &State::shtF},
        {"SmF", "pl_sm", QStringLiteral("Суміжники"), face, QStringLiteral("8"), QStringLiteral("False"),
         QStringLiteral("False"), &State::SmF},
    }};
    return kinds;
}

std::array<QString, 4> FontValueNames(const char *prefix)
{
    const QString p = QString::fromLatin1(prefix);
    return {p + QStringLiteral("Name"), p + QStringLiteral("Size"), p + QStringLiteral("Bold"),
            p + QStringLiteral("Italic")};
}

QString FontValueText(const QVariant &stored)
{
    if (!stored.isValid() || stored.isNull())
        return QString();
    if (stored.typeId() == QMetaType::Int || stored.typeId() == QMetaType::LongLong)
        return QString::number(stored.toLongLong());
    return stored.toString();
}

FontSetting FontFromTexts(const QString &name, const QString &size, const QString &bold, const QString &italic)
{
    FontSetting f;
    f.FontName = name;
    f.FontSize = sizeFrom(size);
    f.Bold = flagFrom(bold);
    f.Italic = flagFrom(italic);
    return f;
}

bool WriteDefaultFonts()
{
    platform::RegKey reg;
    bool stored = reg.CreateNewKey(QStringLiteral("Software"), QStringLiteral("VantaFonts\\Fnt"));
    for (const FontKind &k : FontKinds()) {
        const auto names = FontValueNames(k.prefix);
        const QString *values[] = {&k.defaultName, &k.defaultSize, &k.defaultBold, &k.defaultItalic};
        for (size_t i = 0; i < 4; ++i)
            stored = reg.SetKeyValue(FontsKey(), names[i], *values[i], platform::RegKey::RegSz) && stored;
    }
    return stored;
}

void ReportFontsNotStored()
{
    platform::ReportSettingsNotStored(QStringLiteral("налаштування шрифтів"));
}

void LoadFonts()
{
    const platform::RegKey reg;
    const auto &kinds = FontKinds();
    // Read in the stored order: SmF, shtF, plnF, gaF, gaNameF.
    for (auto it = kinds.rbegin(); it != kinds.rend(); ++it) {
        const auto names = FontValueNames(it->prefix);
        QString t[4];
        for (int i = 0; i < 4; ++i)
            t[i] = FontValueText(reg.QueryValue(FontsKey(), names[static_cast<size_t>(i)]));
        state().*(it->member) = FontFromTexts(t[0], t[1], t[2], t[3]);
    }
}

void UseDefaultFonts()
{
    for (const FontKind &k : FontKinds())
        state().*(k.member) = FontFromTexts(k.defaultName, k.defaultSize, k.defaultBold, k.defaultItalic);
}

bool FontsNeedDefaults()
{
    const platform::RegKey reg;
    return FontValueText(reg.QueryValue(FontsKey(), QStringLiteral("gaNameFName"))).size() <= 1;
}

} // namespace reference
