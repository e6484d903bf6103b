#pragma once

#include <string_view>

#include "app/controls.h"
#include "app/preview_state.h"
#include "preview/rich_view.h"
#include "services/message_box.h"

namespace typovel {

// "请输入内容！"
inline constexpr std::string_view kEmptySampleMessage = "\xC7\xEB\xCA\xE4\xC8\xEB\xC4\xDA\xC8\xDD\xA3\xA1";
// "：", between a font's name and the sample.
inline constexpr std::string_view kFullWidthColon = "\xA3\xBA";

struct PreviewPorts {
    const TextControl& inputBox;
    const FontCheckList& fontList;
    RichView& view;
    MessageBoxPort& messages;
};

// Appends "name：plain sample\r\n" at the end of the view, set in that font.
void AppendPreviewLine(RichView& view, PreviewState& state, std::string_view fontName);

// The preview button: one line per ticked font, in list order, or the
// empty-sample message when the input box is empty.
void RunPreview(const PreviewPorts& ports, PreviewState& state);

}  // namespace typovel
