#pragma once

// The main window as a Qt widget: it builds the ten controls of the table,
// binds the user-only signals to the core's handlers and applies the window's
// keyboard rules, asking the core what each key does.

#include <QWidget>

#include <array>
#include <memory>
#include <optional>

#include "app/app.h"
#include "app/main_window.h"
#include "fonts/font_source_fontconfig.h"
#include "shells/qt/message_box_qt.h"

class QPushButton;
class QRadioButton;

namespace typovel::qt {

class FontCheckListWidget;
class InputBoxWidget;
class RichViewWidget;
class SizeBoxWidget;

// The outer size is fixed once the window manager reports its frame; where it
// reports none, the client area takes the whole outer size.
class MainWindow final : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(PreviewState& state);
    ~MainWindow() override;

    // Steps 5 to 7 of the build: show the controls, raise creation-complete,
    // then show and activate the window.
    void ShowAfterCreation();

    QWidget* ControlWidget(ControlId id) const { return controls_[static_cast<std::size_t>(id)]; }
    std::optional<ControlId> FocusedControl() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    // Keys that reach the window itself, when no control has the focus.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void CreateControls();
    void BindEvents();
    bool HandleKey(int qtKey);
    void FitFrame();
    // Every handler runs through here, so no exception reaches Qt.
    void Raise(void (App::*handler)());

    std::array<QWidget*, kControlCount> controls_{};
    FontCheckListWidget* fontList_ = nullptr;
    SizeBoxWidget* sizeBox_ = nullptr;
    InputBoxWidget* inputBox_ = nullptr;
    RichViewWidget* view_ = nullptr;
    QPushButton* previewButton_ = nullptr;
    FontconfigFontSource fonts_;
    QtMessageBox messages_;
    std::unique_ptr<App> app_;
    bool frameFitted_ = false;
};

// The platform's half of start-up over QApplication, which the caller owns.
class QtDesktop final : public Desktop {
public:
    bool CreateMainWindow(PreviewState& state) override;
    void RunMessageLoop() override;

    MainWindow* Window() const { return window_.get(); }

private:
    std::unique_ptr<MainWindow> window_;
};

}  // namespace typovel::qt
