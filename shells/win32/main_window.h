#pragma once

// The main window: builds the window and its ten controls, implements the
// ports over them and turns each of the six user events into one core handler
// call. Window state hangs off the window.

#include <windows.h>

#include <array>
#include <functional>
#include <optional>

#include "app/app.h"
#include "app/main_window.h"
#include "fonts/font_source_gdi.h"
#include "shells/win32/win32_controls.h"

namespace typovel::win32 {

// The six user events, for an observer that watches the handlers run.
enum class UserEvent { CreationComplete, SizeItemSelected, SizeEditChanged, ChineseClicked, EnglishClicked, PreviewClicked };

class MainWindow final : public Desktop {
public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow() override;
    MainWindow(const MainWindow&) = delete;
    MainWindow& operator=(const MainWindow&) = delete;

    bool CreateMainWindow(PreviewState& state) override;
    void RunMessageLoop() override;

    // Handles every queued message as the loop would; false once the loop
    // would have ended (the window was closed).
    bool ProcessPending();

    HWND Window() const { return window_; }
    HWND ControlWindow(ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }
    std::optional<ControlId> ControlOf(HWND window) const;
    const App& Handlers() const { return *app_; }
    CheckListControl& FontList() { return fontList_; }
    SizeBoxControl& SizeBoxPort() { return sizeBox_; }
    TextBoxControl& InputBox() { return inputBox_; }
    RichViewControl& View() { return view_; }
    // Called after each handler has run.
    void SetEventObserver(std::function<void(UserEvent)> observer) { observer_ = std::move(observer); }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK GroupProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    static LRESULT CALLBACK SizeBoxProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    static LRESULT CALLBACK CheckListProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR self);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    bool CreateControls();
    bool CreateControl(const ControlEntry& entry);
    void OnCommand(int id, HWND control, UINT code);
    void OnActivate(UINT state);
    void OnMeasureItem(MEASUREITEMSTRUCT& item);
    void OnDrawItem(const DRAWITEMSTRUCT& item);
    bool CheckListMouse(UINT message, LPARAM lParam);
    // The window's own keys, before the focused control sees them.
    bool PreTranslate(const MSG& message);
    void MoveFocus(std::optional<ControlId> from, FocusDirection direction);
    void MoveRadio(ControlId from);
    void Raise(UserEvent event);
    void Handle(const MSG& message);

    HINSTANCE instance_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HICON icon_ = nullptr;
    HWND lastFocus_ = nullptr;
    std::array<HWND, kControlCount> controls_{};
    CheckListControl fontList_;
    SizeBoxControl sizeBox_;
    TextBoxControl inputBox_;
    RichViewControl view_;
    GdiFontSource fonts_;
    MessageBoxControl messages_;
    std::optional<App> app_;
    std::function<void(UserEvent)> observer_;
    bool closed_ = false;
};

}  // namespace typovel::win32
