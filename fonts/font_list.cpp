#include "fonts/font_list.h"

#include "fonts/font_faces.h"
#include "services/text.h"

namespace typovel {

std::vector<std::string> EnumerateFontFaces(FontSource& source) {
    return FontListFromReports(source.ReportedFaces());
}

bool IsListedIn(std::string_view faceName, Script script) {
    if (CompareBytes(LeftBytes(faceName, 1), "@") == 0) return false;
    const std::int32_t code = ByteCodeAt(faceName, 1);
    return script == Script::Chinese ? code < 0 : code > 0;
}

void FillFontList(FontSource& source, FontCheckList& list, bool chineseNames) {
    const std::vector<std::string> faces = EnumerateFontFaces(source);
    const Script script = chineseNames ? Script::Chinese : Script::Latin;
    list.ClearList();
    for (const std::string& face : faces) {
        if (!IsListedIn(face, script)) continue;
        list.TickItem(list.AddItem(face), true);
    }
}

}  // namespace typovel
