#pragma once

#include <string>

#include "preview/char_format.h"

namespace typovel {

// "宋体"
inline constexpr std::string_view kInitialFontName = "\xCB\xCE\xCC\xE5";

// The program-wide preview state: the format every preview line is set in,
// and the sample text last read from the input box. Lives from start-up to
// exit; only the size and the font name of the format ever change.
struct PreviewState {
    CharFormat previewFormat{std::string(kInitialFontName), 9, 0, 0, kAutomaticColour};
    std::string previewText;
};

}  // namespace typovel
