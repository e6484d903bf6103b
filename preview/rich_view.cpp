#include "preview/rich_view.h"

#include <algorithm>
#include <limits>

namespace typovel {

CharRange SelectionForStart(std::int32_t start, std::int32_t storedLength) {
    const std::int32_t s = std::max<std::int32_t>(start, 0);
    if (storedLength < 0) return {0, -1};
    // Past the end is the end, so saturating s + n keeps the meaning.
    const std::int64_t end = std::min<std::int64_t>(std::int64_t{s} + storedLength, std::numeric_limits<std::int32_t>::max());
    return {s, static_cast<std::int32_t>(end)};
}

void WriteSelStart(RichView& view, std::int32_t start) {
    view.SetSelection(SelectionForStart(start));
}

}  // namespace typovel
