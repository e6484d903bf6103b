#include "fonts/font_source_gdi.h"

#include <windows.h>

#include <cstring>

namespace typovel {
namespace {

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD, LPARAM names) {
    // lfFaceName is zero-terminated within LF_FACESIZE; strnlen guards a driver that forgets.
    reinterpret_cast<std::vector<std::string>*>(names)->emplace_back(font->lfFaceName, strnlen(font->lfFaceName, LF_FACESIZE));
    return 1;  // every report, to the end
}

}  // namespace

std::vector<std::string> GdiFontSource::ReportedFaces() {
    std::vector<std::string> names;
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return names;
    LOGFONTA request{};
    request.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExA(screen, &request, CollectFace, reinterpret_cast<LPARAM>(&names), 0);
    ReleaseDC(nullptr, screen);
    return names;
}

}  // namespace typovel
