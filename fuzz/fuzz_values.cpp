// Any text a settings file may hold for a box state or a number.
#include "core/settings/ValueConversion.h"

#include <cmath>
#include <cstdlib>

using namespace tabwise;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    const std::optional<double> number = toNumber(text);
    if (number && !std::isfinite(*number))
        std::abort();
    const std::optional<int> state = toBoxState(text);
    if (state && *state != 0 && *state != 1)
        std::abort();
    if (state && !number)
        std::abort();
    return 0;
}
