#include "preview/char_format.h"

#include "services/text.h"

namespace typovel {

std::int32_t PointsToTwips(std::int32_t points) {
    // Unsigned multiplication wraps by definition; C++20 defines the
    // conversion back to signed as modulo 2^32.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(points) * 20U);
}

ViewCharFormat ToViewFormat(const CharFormat& format) {
    ViewCharFormat view;
    view.faceName = std::string(UpToZero(format.fontName));
    view.height = PointsToTwips(format.size);
    view.offset = PointsToTwips(format.offset);
    view.effects = format.effects & kAllEffects;
    view.automaticColour = format.colour == kAutomaticColour;
    view.colour = view.automaticColour ? 0 : format.colour;
    return view;
}

}  // namespace typovel
