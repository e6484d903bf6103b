#include "app/main_window.h"

#include <algorithm>
#include <cassert>

namespace typovel {

Point CentredOrigin(int screenWidth, int screenHeight) {
    // Integer division truncates toward zero, also for screens smaller than the window.
    return {(screenWidth - kWindowWidth) / 2, (screenHeight - kWindowHeight) / 2};
}

const ControlEntry& EntryOf(ControlId id) {
    const ControlEntry& entry = kControls[static_cast<std::size_t>(id)];
    assert(entry.id == id);
    return entry;
}

ControlId NextInFocusOrder(std::optional<ControlId> current, FocusDirection direction) {
    const auto found = current ? std::find(kFocusOrder.begin(), kFocusOrder.end(), *current) : kFocusOrder.end();
    if (found == kFocusOrder.end()) return kFocusOrder.front();
    const auto index = static_cast<std::size_t>(found - kFocusOrder.begin());
    const std::size_t count = kFocusOrder.size();
    return kFocusOrder[direction == FocusDirection::Forward ? (index + 1) % count : (index + count - 1) % count];
}

KeyAction ResolveKey(Key key, std::optional<ControlId> focused) {
    const bool onRadio = focused == ControlId::ChineseRadio || focused == ControlId::EnglishRadio;
    switch (key) {
        case Key::Enter:
            // The multi-line view claims Enter for a paragraph end.
            return focused == ControlId::PreviewView ? KeyAction::PassToControl : KeyAction::ClickDefaultButton;
        case Key::Escape: return KeyAction::CloseWindow;
        case Key::Left:
        case Key::Up:
        case Key::Right:
        case Key::Down: return onRadio ? KeyAction::MoveRadio : KeyAction::PassToControl;
    }
    return KeyAction::PassToControl;
}

ControlId OtherRadio(ControlId radio) {
    assert(radio == ControlId::ChineseRadio || radio == ControlId::EnglishRadio);
    return radio == ControlId::ChineseRadio ? ControlId::EnglishRadio : ControlId::ChineseRadio;
}

}  // namespace typovel
