#include "services/message_box.h"

#include "services/text.h"

namespace typovel {

std::uint32_t MessageBoxStyle(std::uint32_t buttons) {
    return (buttons & kMbSystemModal) != 0 ? buttons : buttons | kMbTaskModal;
}

int ResultCodeFromAnswer(int answer) {
    switch (answer) {
        case kIdOk: return 0;
        case kIdCancel: return 1;
        case kIdAbort: return 2;
        case kIdRetry: return 3;
        case kIdIgnore: return 4;
        case kIdYes: return 5;
        case kIdNo: return 6;
        default: return 0;
    }
}

int ShowMessage(MessageBoxPort& box, std::string_view message, std::uint32_t buttons,
                std::optional<std::string_view> caption, const Control* owner) {
    const std::string_view shownCaption = caption ? UpToZero(*caption) : kDefaultCaption;
    return ResultCodeFromAnswer(box.Show(UpToZero(message), shownCaption, MessageBoxStyle(buttons), owner));
}

}  // namespace typovel
