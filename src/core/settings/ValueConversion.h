#pragma once

#include <QString>

#include <optional>

// How stored texts turn into numbers. A box state is stored as "1" (ticked) or "0" (cleared).
namespace tabwise {

// The text as a number, for comparing with 0 or 1. Surrounding spaces are allowed, as are a sign,
// decimals and an exponent. Fails on the empty text, on anything that is not a number, and on
// values too large to hold.
std::optional<double> toNumber(const QString& text);

// The text as a check box state: the number rounded to a whole number (halves to even), which
// must be 0 (cleared) or 1 (ticked). Fails otherwise.
std::optional<int> toBoxState(const QString& text);

inline QString boxStateText(bool ticked)
{
    return ticked ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace tabwise
