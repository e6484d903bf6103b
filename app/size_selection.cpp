#include "app/size_selection.h"

#include "services/number.h"

namespace typovel {

void ApplySizeText(const SizeBox& sizeBox, CharFormat& previewFormat) {
    previewFormat.size = TruncateToInt(ParseNumber(sizeBox.ReadText()));
}

}  // namespace typovel
