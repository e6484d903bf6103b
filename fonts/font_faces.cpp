#include "fonts/font_faces.h"

#include "services/text.h"

namespace typovel {

std::vector<std::string> FontListFromReports(const std::vector<std::string>& reportedInOrder) {
    std::vector<std::string> list;
    // The previous name starts as the empty text, so a run of empty names
    // reported last yields no entry.
    std::string_view previous;
    for (auto name = reportedInOrder.rbegin(); name != reportedInOrder.rend(); ++name) {
        if (CompareBytes(*name, previous) != 0) list.emplace_back(UpToZero(*name));
        previous = *name;
    }
    return list;
}

}  // namespace typovel
