#pragma once

#include "app/controls.h"
#include "preview/char_format.h"

namespace typovel {

// Stores the number the size box's field shows, truncated toward zero, as
// the preview size. No leading number gives 0; nothing is validated.
void ApplySizeText(const SizeBox& sizeBox, CharFormat& previewFormat);

}  // namespace typovel
