#pragma once

#include <string>
#include <vector>

namespace typovel {

// The font list from the names a platform reported, in reporting order:
// reversed, with each run of byte-for-byte equal names collapsed to one entry.
// Names that are equal but not adjacent stay separate; nothing is filtered.
std::vector<std::string> FontListFromReports(const std::vector<std::string>& reportedInOrder);

}  // namespace typovel
