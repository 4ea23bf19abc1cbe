#include "draw/support_p.h"

#include <cmath>

namespace draw::detail {

void Fail(int number)
{
    QString description;
    switch (number) {
    case InvalidCall:
        description = QStringLiteral("Неприпустимий виклик процедури або аргумент");
        break;
    case Overflow:
        description = QStringLiteral("Переповнення");
        break;
    case DivisionByZero:
        description = QStringLiteral("Ділення на нуль");
        break;
    case TypeMismatch:
        description = QStringLiteral("Невідповідність типів");
        break;
    case ObjectNotSet:
        description = QStringLiteral("Об'єктну змінну не задано");
        break;
    default:
        description = QStringLiteral("Помилка %1").arg(number);
        break;
    }
    throw DrawError(number, description);
}

int32_t Round32(double value)
{
    // The default floating-point mode rounds halves to the even neighbour.
    const double r = std::nearbyint(value);
    if (!(r >= -2147483648.0 && r <= 2147483647.0))
        Fail(Overflow);
    return static_cast<int32_t>(r);
}

QColor PaletteColor(int index)
{
    static const QColor palette[16] = {
        {0, 0, 0},     {0, 0, 128},   {0, 128, 0},   {0, 128, 128}, {128, 0, 0},   {128, 0, 128},
        {128, 128, 0}, {192, 192, 192}, {128, 128, 128}, {0, 0, 255}, {0, 255, 0},   {0, 255, 255},
        {255, 0, 0},   {255, 0, 255}, {255, 255, 0}, {255, 255, 255},
    };
    if (index < 0 || index > 15)
        Fail(InvalidCall);
    return palette[index];
}

namespace {

bool isText(const QVariant &v)
{
    const int type = v.typeId();
    return type == QMetaType::QString || type == QMetaType::QByteArray || type == QMetaType::QChar;
}

} // namespace

int PositionOf(const QVariant &indexKey, int count)
{
    if (!indexKey.isValid() || isText(indexKey))
        Fail(InvalidCall);
    bool ok = false;
    const double d = indexKey.toDouble(&ok);
    if (!ok)
        Fail(InvalidCall);
    const double r = std::nearbyint(d);
    if (!(r >= 1 && r <= count))
        Fail(InvalidCall);
    return static_cast<int>(r);
}

int32_t ColorNumber(const Variant &value)
{
    if (value.isEmpty())
        return 0;
    if (value.isObject())
        Fail(TypeMismatch);
    const QVariant v = value.value();
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? -1 : 0;
    bool ok = false;
    const double d = isText(v) ? v.toString().trimmed().toDouble(&ok) : v.toDouble(&ok);
    if (!ok)
        Fail(TypeMismatch);
    return Round32(d);
}

} // namespace draw::detail
