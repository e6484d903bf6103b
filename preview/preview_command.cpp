#include "preview/preview_command.h"

#include "preview/plain_text.h"
#include "services/number.h"
#include "services/text.h"

namespace typovel {

void AppendPreviewLine(RichView& view, PreviewState& state, std::string_view fontName) {
    state.previewFormat.fontName = std::string(UpToZero(fontName));
    // The byte length is at or past the character end once a line stands in
    // the view, and 0 - 1 becomes 0, so the caret always lands at the end.
    const std::int32_t length = view.TextLength();
    WriteSelStart(view, TruncateToInt(static_cast<double>(length) - 1.0));
    view.SetSelFormat(ToViewFormat(state.previewFormat));
    const std::string plain = ExtractPlainText(state.previewText);
    view.SetSelText(JoinTexts({fontName, kFullWidthColon, plain, "\r\n"}));
}

void RunPreview(const PreviewPorts& ports, PreviewState& state) {
    state.previewText = std::string(UpToZero(ports.inputBox.ReadText()));
    if (CompareBytes(state.previewText, "") == 0) {
        ShowMessage(ports.messages, kEmptySampleMessage, kMbOk);
        return;
    }
    {
        // One repaint for the whole preview rather than one per line.
        const FrozenUpdates frozen(ports.view);
        ports.view.SetContent("");
        const int count = ports.fontList.ItemCount();
        for (int i = 0; i < count; ++i) {
            if (ports.fontList.IsItemTicked(i)) AppendPreviewLine(ports.view, state, ports.fontList.ItemText(i));
        }
    }
    ports.view.FocusControl();
}

}  // namespace typovel
