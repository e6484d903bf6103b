#pragma once

#include "fonts/font_source.h"

namespace typovel {

// The screen's fonts as GDI enumerates them for every character set, one
// report per (face, character set) in the order GDI calls back.
class GdiFontSource final : public FontSource {
public:
    std::vector<std::string> ReportedFaces() override;
};

}  // namespace typovel
