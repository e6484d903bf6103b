#pragma once

// Small helpers the Qt suites share: texts in both encodings, and the real
// main window built as the program builds it, with its controls found by name.

#include <QApplication>
#include <QTest>

#include <memory>
#include <string>
#include <string_view>

#include "app/main_window.h"
#include "app/preview_state.h"
#include "shells/qt/cp936.h"
#include "shells/qt/main_window_qt.h"

namespace typovel::qt::testing {

inline QString Cp(std::string_view bytes) { return FromCp936(bytes); }

inline QString ControlName(ControlId id) { return FromCp936(EntryOf(id).name); }

// One started program: the preview state, the desktop and its shown window.
class StartedWindow {
public:
    StartedWindow() {
        desktop_.CreateMainWindow(state_);
        window_ = desktop_.Window();
        (void)QTest::qWaitForWindowExposed(window_);
        (void)QTest::qWaitForWindowActive(window_);
    }

    MainWindow& Window() const { return *window_; }
    PreviewState& State() { return state_; }

    template <typename Widget>
    Widget* Find(ControlId id) const {
        return window_->findChild<Widget*>(ControlName(id));
    }

private:
    PreviewState state_;
    QtDesktop desktop_;
    MainWindow* window_ = nullptr;
};

}  // namespace typovel::qt::testing
