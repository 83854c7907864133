#include "core/settings/ValueConversion.h"

#include <cmath>

namespace tabwise {

std::optional<double> toNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    // Only plain decimal notation: no "inf", "nan" or hexadecimal.
    for (QChar c : trimmed) {
        if (!(c.isDigit() || c == u'.' || c == u'+' || c == u'-' || c == u'e' || c == u'E'))
            return std::nullopt;
    }
    bool ok = false;
    const double value = trimmed.toDouble(&ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<int> toBoxState(const QString& text)
{
    const std::optional<double> number = toNumber(text);
    if (!number)
        return std::nullopt;
    const double rounded = std::nearbyint(*number); // the default rounding mode: halves to even
    if (rounded == 0.0)
        return 0;
    if (rounded == 1.0)
        return 1;
    return std::nullopt;
}

} // namespace tabwise
