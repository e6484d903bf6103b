#include "services/number.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "services/text.h"

namespace typovel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Rounds to the nearest float without the undefined behaviour of converting
// an out-of-range double.
float NearestFloat(double value) {
    // Halfway between FLT_MAX and 2^128: from here on, round-to-nearest-even
    // overflows to infinity.
    constexpr double kOverflowThreshold = 0x1.ffffffp127;
    const double magnitude = std::fabs(value);
    if (magnitude >= kOverflowThreshold) return value > 0 ? std::numeric_limits<float>::infinity() : -std::numeric_limits<float>::infinity();
    if (magnitude > std::numeric_limits<float>::max()) return value > 0 ? std::numeric_limits<float>::max() : -std::numeric_limits<float>::max();
    return static_cast<float>(value);
}

}  // namespace

std::string FoldFullWidth(std::string_view text) {
    const std::string_view whole = UpToZero(text);
    std::string folded;
    folded.reserve(whole.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        const auto lead = static_cast<unsigned char>(whole[i]);
        if (lead < 0x80) {
            folded.push_back(whole[i]);
            continue;
        }
        if (i + 1 == whole.size()) break;
        const auto trail = static_cast<unsigned char>(whole[++i]);
        if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            folded.push_back(static_cast<char>(trail - 0x80));
        } else if (lead == 0xA1 && trail == 0xA1) {
            folded.push_back(' ');
        } else if (lead == 0xA1 && trail == 0xAB) {
            folded.push_back('~');
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            folded.push_back('*');
        } else {
            folded.push_back(static_cast<char>(lead));
            folded.push_back(static_cast<char>(trail));
        }
    }
    return folded;
}

float ParseNumber(std::string_view text) {
    const std::string folded = FoldFullWidth(text);
    const std::string_view s = folded;
    std::size_t i = 0;
    while (i < s.size() && IsSpace(s[i])) ++i;

    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

    // The number is rebuilt in the one form std::from_chars is sure to read:
    // digits "." digits "e" exponent.
    std::string canonical;
    bool anyDigit = false;
    std::int64_t integerDigits = 0;     // significant digits before the point
    std::int64_t leadingFractionZeros = 0;
    bool significantSeen = false;
    while (i < s.size() && IsDigit(s[i])) {
        if (s[i] != '0' || significantSeen) {
            significantSeen = true;
            ++integerDigits;
        }
        canonical.push_back(s[i++]);
        anyDigit = true;
    }
    if (canonical.empty()) canonical.push_back('0');
    canonical.push_back('.');
    if (i < s.size() && s[i] == '.') {
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            if (!significantSeen) {
                if (s[i] == '0') ++leadingFractionZeros; else significantSeen = true;
            }
            canonical.push_back(s[i++]);
            anyDigit = true;
        }
    }
    if (!anyDigit) return 0.0F;
    if (!significantSeen) return negative ? -0.0F : 0.0F;
    canonical.push_back('0');

    // The exponent counts only when at least one digit follows its letter.
    std::int64_t exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E' || s[i] == 'd' || s[i] == 'D')) {
        std::size_t j = i + 1;
        bool exponentNegative = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-')) exponentNegative = s[j++] == '-';
        if (j < s.size() && IsDigit(s[j])) {
            constexpr std::int64_t kExponentCap = 1'000'000'000;  // far past any double
            while (j < s.size() && IsDigit(s[j])) {
                exponent = std::min<std::int64_t>(exponent * 10 + (s[j] - '0'), kExponentCap);
                ++j;
            }
            if (exponentNegative) exponent = -exponent;
        }
    }
    canonical.push_back('e');
    canonical += std::to_string(exponent);

    double value = 0.0;
    const auto [end, error] = std::from_chars(canonical.data(), canonical.data() + canonical.size(), value);
    (void)end;
    if (error == std::errc::result_out_of_range) {
        // from_chars leaves value untouched here; the decimal magnitude tells
        // overflow from underflow.
        const std::int64_t magnitude = (integerDigits > 0 ? integerDigits : -leadingFractionZeros) + exponent;
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (error != std::errc{}) {
        value = 0.0;
    }
    return NearestFloat(negative ? -value : value);
}

std::int32_t TruncateToInt(double value) {
    // -2^63, the value an out-of-range conversion yields, keeps 0 in its low bits.
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (!std::isfinite(value) || value >= kTwoTo63 || value < -kTwoTo63) return 0;
    const auto truncated = static_cast<std::int64_t>(value);  // in range: truncates, whatever the rounding mode
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(truncated)));
}

}  // namespace typovel
