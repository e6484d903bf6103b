// Figures for the Qt shell: start-up against a bare Qt window with a list,
// a refill on a radio click, and previews of 100 and 1,000 lines against
// building the same document directly with QTextCursor. Prints its figures;
// runs on the offscreen platform unless told otherwise.

#include <QApplication>
#include <QElapsedTimer>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/main_window.h"
#include "fonts/font_list.h"
#include "fonts/font_source_fontconfig.h"
#include "preview/preview_command.h"
#include "shells/qt/control_widgets.h"
#include "shells/qt/cp936.h"
#include "shells/qt/main_window_qt.h"
#include "shells/qt/rich_view_widget.h"

using namespace typovel;
using namespace typovel::qt;

namespace {

constexpr char kShownMarker[] = "shown";

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds one run of work takes, the median of several, with the
// event loop drained after each so deferred work is counted.
double TimeMs(int runs, const std::function<void()>& prepare, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QCoreApplication::processEvents();
        QElapsedTimer timer;
        timer.start();
        work();
        QCoreApplication::processEvents();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    }
    return Median(times);
}

void WaitUntilExposed(QWidget& window) {
    while (window.windowHandle() == nullptr || !window.windowHandle()->isExposed()) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
}

// The child process: builds one window, says when it is shown, and ends.
int Probe(const QString& kind) {
    if (kind == u"typovel") {
        QtDesktop desktop;
        PreviewState state;
        desktop.CreateMainWindow(state);
        WaitUntilExposed(*desktop.Window());
        std::printf("%s %d\n", kShownMarker, desktop.Window()->findChild<QListWidget*>()->count());
    } else {
        QWidget window;
        window.setFixedSize(kWindowWidth, kWindowHeight);
        auto* list = new QListWidget(&window);
        list->setGeometry(3, 96, 139, 400);
        list->addItem(QStringLiteral("item"));
        window.show();
        WaitUntilExposed(window);
        std::printf("%s %d\n", kShownMarker, list->count());
    }
    std::fflush(stdout);
    return 0;
}

// Milliseconds from starting the process to its "shown" line.
double StartUpMs(const QString& kind) {
    QProcess process;
    QElapsedTimer timer;
    timer.start();
    process.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--probe"), kind});
    while (!process.canReadLine()) {
        if (!process.waitForReadyRead(10000)) return -1;
    }
    const double elapsed = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    process.waitForFinished();
    return elapsed;
}

void StartUp() {
    std::vector<double> typovel;
    std::vector<double> bare;
    StartUpMs(QStringLiteral("bare"));  // warms the disk cache for both
    for (int i = 0; i < 15; ++i) {
        bare.push_back(StartUpMs(QStringLiteral("bare")));
        typovel.push_back(StartUpMs(QStringLiteral("typovel")));
    }
    const double shell = Median(typovel);
    const double plain = Median(bare);
    std::printf("start-up to shown window: typovel %.1f ms, bare window with a list %.1f ms, ratio %.2f (target <= 1.5)\n", shell, plain, shell / plain);
}

void Refill() {
    QtDesktop desktop;
    PreviewState state;
    desktop.CreateMainWindow(state);
    MainWindow& window = *desktop.Window();
    auto* english = static_cast<QRadioButton*>(window.ControlWidget(ControlId::EnglishRadio));
    auto* chinese = static_cast<QRadioButton*>(window.ControlWidget(ControlId::ChineseRadio));
    auto* list = static_cast<FontCheckListWidget*>(window.ControlWidget(ControlId::FontList));
    const double toEnglish = TimeMs(30, [&] { chinese->click(); }, [&] { english->click(); });
    const int englishCount = list->ItemCount();
    const double toChinese = TimeMs(30, [&] { english->click(); }, [&] { chinese->click(); });
    std::printf("refill on a radio click: 英文 (%d fonts) %.2f ms, 中文 (%d fonts) %.2f ms (target < 20 ms)\n", englishCount, toEnglish,
                list->ItemCount(), toChinese);
}

// The preview of lines lines through the shell, and the same document built
// directly with QTextCursor on a view set up the same way.
void Preview() {
    QtDesktop desktop;
    PreviewState state;
    desktop.CreateMainWindow(state);
    MainWindow& window = *desktop.Window();
    auto* list = static_cast<FontCheckListWidget*>(window.ControlWidget(ControlId::FontList));
    auto* view = static_cast<RichViewWidget*>(window.ControlWidget(ControlId::PreviewView));
    auto* button = static_cast<QPushButton*>(window.ControlWidget(ControlId::PreviewButton));
    static_cast<InputBoxWidget*>(window.ControlWidget(ControlId::InputBox))->setText(QStringLiteral("The quick brown fox 0123456789"));
    FontconfigFontSource source;
    std::vector<std::string> fonts;
    for (const std::string& face : EnumerateFontFaces(source)) {
        if (IsListedIn(face, Script::Latin) || IsListedIn(face, Script::Chinese)) fonts.push_back(face);
    }

    RichViewWidget direct(nullptr);
    direct.setGeometry(view->geometry());
    direct.show();
    WaitUntilExposed(direct);

    double shellTimes[2] = {};
    for (const int lines : {100, 1000}) {
        list->ClearList();
        for (int i = 0; i < lines; ++i) list->TickItem(list->AddItem(fonts[static_cast<std::size_t>(i) % fonts.size()]));
        const double shell = TimeMs(7, [] {}, [&] { button->click(); });

        std::vector<QString> texts;
        std::vector<QTextCharFormat> formats;
        for (int i = 0; i < lines; ++i) {
            const std::string& name = fonts[static_cast<std::size_t>(i) % fonts.size()];
            texts.push_back(FromCp936(name) + FromCp936(kFullWidthColon) + QStringLiteral("The quick brown fox 0123456789\n"));
            formats.push_back(direct.CharFormatFor(ToViewFormat(CharFormat{name, state.previewFormat.size, 0, 0, kAutomaticColour})));
        }
        const double built = TimeMs(7, [] {}, [&] {
            direct.document()->clear();
            QTextCursor cursor(direct.document());
            for (int i = 0; i < lines; ++i) cursor.insertText(texts[static_cast<std::size_t>(i)], formats[static_cast<std::size_t>(i)]);
        });
        shellTimes[lines == 100 ? 0 : 1] = shell;
        std::printf("preview of %d lines: shell %.1f ms, direct QTextCursor %.1f ms, ratio %.2f (target <= 2)\n", lines, shell, built, shell / built);
    }
    std::printf("1,000 lines against 100 lines: %.2f times (target <= 12)\n", shellTimes[1] / shellTimes[0]);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 3 && arguments[1] == u"--probe") return Probe(arguments[2]);
    StartUp();
    Refill();
    Preview();
    return 0;
}
