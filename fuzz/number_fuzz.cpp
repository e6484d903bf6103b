#include <bit>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "services/number.h"

// Any size text reads as a number and truncates without undefined behaviour;
// the text is left alone and the same text gives the same size.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const std::string copy = text;
    const float number = typovel::ParseNumber(text);
    const std::int32_t truncated = typovel::TruncateToInt(number);
    if (std::isnan(number)) std::abort();  // the grammar has no NaN
    if (typovel::FoldFullWidth(text).size() > text.size()) std::abort();
    if (text != copy) std::abort();
    if (std::bit_cast<std::uint32_t>(typovel::ParseNumber(text)) != std::bit_cast<std::uint32_t>(number)) std::abort();
    if (typovel::TruncateToInt(number) != truncated) std::abort();
    // Where the value fits in 32 bits the low 32 bits are the value itself.
    if (std::fabs(number) < 2147483648.0F && truncated != static_cast<std::int32_t>(std::trunc(number))) std::abort();
    return 0;
}
