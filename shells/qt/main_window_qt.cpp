#include "shells/qt/main_window_qt.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

#include "shells/qt/control_widgets.h"
#include "shells/qt/cp936.h"
#include "shells/qt/rich_view_widget.h"

// The resource macro cannot stand inside a namespace.
static QIcon ProjectIcon() {
    Q_INIT_RESOURCE(typovel);
    return QIcon(QStringLiteral(":/typovel/typovel.png"));
}

namespace typovel::qt {
namespace {

// The labels that name the two fields for a screen reader.
struct LabelFor {
    ControlId field;
    ControlId label;
};
constexpr std::array<LabelFor, 2> kFieldLabels = {{
    {ControlId::InputBox, ControlId::InputLabel},
    {ControlId::SizeBox, ControlId::SizeLabel},
}};

std::optional<Key> KeyFromQt(int qtKey) {
    switch (qtKey) {
        case Qt::Key_Return:
        case Qt::Key_Enter: return Key::Enter;
        case Qt::Key_Escape: return Key::Escape;
        case Qt::Key_Left: return Key::Left;
        case Qt::Key_Up: return Key::Up;
        case Qt::Key_Right: return Key::Right;
        case Qt::Key_Down: return Key::Down;
        default: return std::nullopt;
    }
}

}  // namespace

MainWindow::MainWindow(PreviewState& state)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowCloseButtonHint) {
    setWindowTitle(FromCp936(kWindowTitle));
    setWindowIcon(ProjectIcon());
    setFixedSize(kWindowWidth, kWindowHeight);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const Point origin = CentredOrigin(screen.width(), screen.height());
    move(screen.x() + origin.x, screen.y() + origin.y);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);

    CreateControls();
    app_ = std::make_unique<App>(state, Ports{*fontList_, *sizeBox_, *inputBox_, *view_, fonts_, messages_});
    BindEvents();
}

MainWindow::~MainWindow() = default;

void MainWindow::CreateControls() {
    for (auto entry = kControls.rbegin(); entry != kControls.rend(); ++entry) {
        QWidget* widget = nullptr;
        const QString text = FromCp936(entry->text);
        switch (entry->kind) {
            case ControlKind::ComboBox: widget = sizeBox_ = new SizeBoxWidget(this); break;
            case ControlKind::Label: {
                auto* label = new QLabel(text, this);
                label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
                label->setWordWrap(false);
                widget = label;
                break;
            }
            case ControlKind::RichEdit: widget = view_ = new RichViewWidget(this); break;
            case ControlKind::RadioBox: widget = new QRadioButton(text, this); break;
            case ControlKind::GroupBox: widget = new QGroupBox(text, this); break;
            case ControlKind::CheckList: widget = fontList_ = new FontCheckListWidget(this); break;
            case ControlKind::Button: {
                auto* button = new QPushButton(text, this);
                button->setDefault(true);
                widget = previewButton_ = button;
                break;
            }
            case ControlKind::EditBox: {
                auto* edit = new InputBoxWidget(this);
                edit->setText(text);
                edit->setCursorPosition(0);
                widget = inputBox_ = edit;
                break;
            }
        }
        widget->setObjectName(FromCp936(entry->name));
        widget->setGeometry(entry->left, entry->top, entry->width, entry->height);
        widget->setFocusPolicy(entry->tabStop ? Qt::StrongFocus : Qt::NoFocus);
        widget->setAccessibleName(text.isEmpty() ? widget->objectName() : text);
        widget->hide();
        widget->installEventFilter(this);
        controls_[static_cast<std::size_t>(entry->id)] = widget;
    }
    for (const ControlEntry& entry : kControls) {
        if (entry.parent) ControlWidget(entry.id)->setParent(ControlWidget(*entry.parent));
        ControlWidget(entry.id)->setGeometry(entry.left, entry.top, entry.width, entry.height);
    }
    // Raising in reverse leaves the table's first control on top.
    for (auto entry = kControls.rbegin(); entry != kControls.rend(); ++entry) ControlWidget(entry->id)->raise();

    for (const LabelFor& pair : kFieldLabels) {
        auto* label = static_cast<QLabel*>(ControlWidget(pair.label));
        label->setBuddy(ControlWidget(pair.field));
        ControlWidget(pair.field)->setAccessibleName(label->text());
    }
    static_cast<QRadioButton*>(ControlWidget(ControlId::ChineseRadio))->setChecked(true);
    sizeBox_->lineEdit()->installEventFilter(this);
    const int itemHeight = sizeBox_->fontMetrics().height() + 1;
    sizeBox_->setMaxVisibleItems(std::max(1, (kSizeBoxDropHeight - EntryOf(ControlId::SizeBox).height) / itemHeight));
    {
        const QSignalBlocker blocker(sizeBox_);
        sizeBox_->SetCurrentItem(kInitialSizeItem);
        sizeBox_->setEditText(QString());
    }
}

void MainWindow::BindEvents() {
    // Queued, like the notification Windows posts: the handler runs once the
    // field already shows the chosen item.
    connect(sizeBox_, &QComboBox::activated, this, [this] { Raise(&App::OnSizeItemSelected); }, Qt::QueuedConnection);
    connect(sizeBox_->lineEdit(), &QLineEdit::textEdited, this, [this] { Raise(&App::OnSizeEditChanged); });
    connect(static_cast<QRadioButton*>(ControlWidget(ControlId::ChineseRadio)), &QAbstractButton::clicked, this,
            [this] { Raise(&App::OnChineseClicked); });
    connect(static_cast<QRadioButton*>(ControlWidget(ControlId::EnglishRadio)), &QAbstractButton::clicked, this,
            [this] { Raise(&App::OnEnglishClicked); });
    connect(previewButton_, &QAbstractButton::clicked, this, [this] { Raise(&App::OnPreviewClicked); });
}

void MainWindow::Raise(void (App::*handler)()) {
    try {
        ((*app_).*handler)();
    } catch (...) {
        // Failures are not reported; the handler's work so far stands.
    }
}

void MainWindow::ShowAfterCreation() {
    for (QWidget* control : controls_) control->show();
    Raise(&App::OnCreationComplete);
    inputBox_->setFocus(Qt::ActiveWindowFocusReason);
    show();
    activateWindow();
    raise();
}

std::optional<ControlId> MainWindow::FocusedControl() const {
    for (const QWidget* widget = QApplication::focusWidget(); widget != nullptr; widget = widget->parentWidget()) {
        for (const ControlEntry& entry : kControls) {
            if (ControlWidget(entry.id) == widget) return entry.id;
        }
    }
    return std::nullopt;
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (HandleKey(key->key())) return true;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (FocusedControl() || !HandleKey(event->key())) QWidget::keyPressEvent(event);
}

bool MainWindow::HandleKey(int qtKey) {
    const std::optional<ControlId> focused = FocusedControl();
    if (qtKey == Qt::Key_Tab || qtKey == Qt::Key_Backtab) {
        const ControlId next = NextInFocusOrder(focused, qtKey == Qt::Key_Tab ? FocusDirection::Forward : FocusDirection::Backward);
        ControlWidget(next)->setFocus(qtKey == Qt::Key_Tab ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    const std::optional<Key> key = KeyFromQt(qtKey);
    if (!key) return false;
    switch (ResolveKey(*key, focused)) {
        case KeyAction::PassToControl: return false;
        case KeyAction::ClickDefaultButton: previewButton_->click(); return true;
        case KeyAction::CloseWindow: close(); return true;
        case KeyAction::MoveRadio: {
            auto* target = static_cast<QRadioButton*>(ControlWidget(OtherRadio(*focused)));
            target->click();
            target->setFocus(Qt::OtherFocusReason);
            return true;
        }
    }
    return false;
}

bool MainWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Move || event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) FitFrame();
    return handled;
}

void MainWindow::FitFrame() {
    // The frame is known only once the window manager has framed the window.
    const QSize frame = frameGeometry().size() - geometry().size();
    if (frameFitted_ || (frame.width() <= 0 && frame.height() <= 0)) return;
    frameFitted_ = true;
    setFixedSize(std::max(kWindowWidth - frame.width(), kClientReachWidth), std::max(kWindowHeight - frame.height(), kClientReachHeight));
    const QRect screen = this->screen()->geometry();
    const Point origin = CentredOrigin(screen.width(), screen.height());
    move(screen.x() + origin.x, screen.y() + origin.y);
}

bool QtDesktop::CreateMainWindow(PreviewState& state) {
    window_ = std::make_unique<MainWindow>(state);
    window_->ShowAfterCreation();
    return true;
}

void QtDesktop::RunMessageLoop() { QApplication::exec(); }

}  // namespace typovel::qt
