#pragma once

#include <cstdint>
#include <string>

namespace typovel {

// Bits of CharFormat::effects; higher bits are ignored.
enum EffectBits : std::uint32_t {
    kBold = 1U << 0,
    kItalic = 1U << 1,
    kUnderline = 1U << 2,
    kStrikeOut = 1U << 3,
    kProtected = 1U << 4,
    kAllEffects = kBold | kItalic | kUnderline | kStrikeOut | kProtected,
};

inline constexpr std::uint32_t kAutomaticColour = 0xFF000000;

// The character-format record, in points.
struct CharFormat {
    std::string fontName;                    // code page 936 face name
    std::int32_t size = 0;                   // points
    std::int32_t offset = 0;                 // points above the base line
    std::uint32_t effects = 0;               // EffectBits
    std::uint32_t colour = kAutomaticColour;  // or 0x00BBGGRR
};

// The rich view's character format as a CharFormat sets it: every attribute
// but the character set, always all together.
struct ViewCharFormat {
    std::string faceName;
    std::int32_t height = 0;    // twips
    std::int32_t offset = 0;    // twips
    std::uint32_t effects = 0;  // EffectBits, bits 0 to 4 only
    bool automaticColour = true;
    std::uint32_t colour = 0;   // 0x00BBGGRR; 0 with the automatic colour
};

// Points to twips in 32-bit two's complement, wrapping like the platform's
// own arithmetic instead of overflowing.
std::int32_t PointsToTwips(std::int32_t points);

ViewCharFormat ToViewFormat(const CharFormat& format);

}  // namespace typovel
