#include "app/controls.h"

#include <algorithm>

namespace typovel {

int ClampListIndex(int index, int itemCount) {
    // itemCount - 1 cannot overflow: a count is never negative.
    return std::max(std::min(index, itemCount - 1), -1);
}

void SelectListItem(SizeBox& box, int index) {
    box.SetCurrentItem(ClampListIndex(index, box.ListItemCount()));
}

}  // namespace typovel
