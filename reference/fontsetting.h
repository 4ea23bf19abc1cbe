#pragma once

#include <QString>
#include <cstdint>

namespace reference {

/// One font choice for a kind of document text: face name, size in points, bold and italic.
struct FontSetting {
    QString FontName;
    int16_t FontSize = 0;
    bool Bold = false;
    bool Italic = false;
    bool operator==(const FontSetting &) const = default;
};

} // namespace reference
