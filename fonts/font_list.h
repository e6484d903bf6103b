#pragma once

#include "app/controls.h"
#include "fonts/font_source.h"

namespace typovel {

enum class Script { Chinese, Latin };

// Which list a name belongs to, by its first byte: 0x80 and above Chinese,
// 0x01 to 0x7F Latin. Vertical "@" faces and the empty name belong to neither.
bool IsListedIn(std::string_view faceName, Script script);

// Refills the check list with the system's faces of one script, in the
// system list's order, every item ticked.
void FillFontList(FontSource& source, FontCheckList& list, bool chineseNames);

}  // namespace typovel
