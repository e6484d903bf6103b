#pragma once

// Number services for the size box. Texts are code page 936 bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace typovel {

// Full-width ASCII forms (0xA3 0xA1..0xFE), the ideographic space, the
// full-width tilde and the two stars become their one-byte ASCII forms. Any
// byte of 0x80 or above starts a two-byte character; a lone one at the end is
// dropped.
std::string FoldFullWidth(std::string_view text);

// The leading decimal number of the folded text, as strtod's grammar in the C
// locale reads it but without "inf", "nan" or hex forms, and with d/D also
// taken as exponent letters. No number gives 0; beyond the float range gives
// an infinity of the same sign, below it gives zero.
float ParseNumber(std::string_view text);

// Truncates toward zero and keeps the low 32 bits of the 64-bit result, so
// 3e9 gives 3e9 - 2^32. NaN, infinities and values outside the 64-bit range
// give 0.
std::int32_t TruncateToInt(double value);

}  // namespace typovel
