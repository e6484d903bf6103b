#pragma once

#include "app/controls.h"
#include "app/preview_state.h"
#include "fonts/font_source.h"
#include "preview/rich_view.h"
#include "services/message_box.h"

namespace typovel {

// Everything the handlers reach of the platform. The adapters outlive the App.
struct Ports {
    FontCheckList& fontList;
    SizeBox& sizeBox;
    TextControl& inputBox;
    RichView& view;
    FontSource& fonts;
    MessageBoxPort& messages;
};

// The handlers of the six control events. A shell calls each from the one
// event it is bound to; none of them throws.
class App {
public:
    App(PreviewState& state, const Ports& ports) : state_(state), ports_(ports) {}

    // All controls exist and the window is still hidden.
    void OnCreationComplete();
    // 组合框1: an item was chosen (the field shows it already) or the field was edited.
    void OnSizeItemSelected();
    void OnSizeEditChanged();
    void OnChineseClicked();
    void OnEnglishClicked();
    void OnPreviewClicked();

    const PreviewState& State() const { return state_; }

private:
    PreviewState& state_;
    Ports ports_;
};

// The platform's half of start-up.
class Desktop {
public:
    virtual ~Desktop() = default;
    // Builds the main window hidden, raises app.OnCreationComplete() once every
    // control is shown, then shows and activates the window. False when the
    // window cannot be created. The Desktop makes the App from its own ports.
    virtual bool CreateMainWindow(PreviewState& state) = 0;
    // Runs until the main window is closed.
    virtual void RunMessageLoop() = 0;
};

// The program entry: the preview state first, then the window, then the
// loop. Returns 0, or -1 when the window cannot be created. The state is
// released on return.
int RunProgram(Desktop& desktop);

}  // namespace typovel
