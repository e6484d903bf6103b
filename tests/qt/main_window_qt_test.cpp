// The main window through the real widgets and the real event loop: its build,
// the start-up state, the user's events and the keyboard rules.

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTimer>

#include <optional>

#include "fonts/font_list.h"
#include "fonts/font_source_fontconfig.h"
#include "preview/preview_command.h"
#include "qt_test_support.h"
#include "shells/qt/control_widgets.h"
#include "shells/qt/rich_view_widget.h"
#include "tests/shared/shell_cases.h"

using namespace typovel;
using namespace typovel::qt;
using namespace typovel::qt::testing;

namespace {

std::vector<std::string> ListTexts(const FontCheckListWidget& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.ItemCount(); ++i) texts.push_back(list.ItemText(i));
    return texts;
}

std::vector<std::string> ExpectedList(Script script) {
    FontconfigFontSource source;
    std::vector<std::string> names;
    for (const std::string& face : EnumerateFontFaces(source)) {
        if (IsListedIn(face, script)) names.push_back(face);
    }
    return names;
}

bool AllTicked(const FontCheckListWidget& list) {
    for (int i = 0; i < list.ItemCount(); ++i) {
        if (!list.IsItemTicked(i)) return false;
    }
    return true;
}

// Sends a key to whichever widget has the focus, as the keyboard would.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target != nullptr);
    QTest::keyClick(target, key, modifiers);
}

// Closes the next modal box once it is up, noting what it showed.
struct SeenBox {
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality = Qt::NonModal;
    bool hadParent = true;
    bool seen = false;
};
void CloseNextBox(SeenBox& seen) {
    QTimer::singleShot(0, [&seen] {
        QTRY_VERIFY(QApplication::activeModalWidget() != nullptr);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        QVERIFY(box != nullptr);
        seen = {box->windowTitle(), box->text(), box->standardButtons(), box->windowModality(), box->parentWidget() != nullptr, true};
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedWindow> started_;

    StartedWindow& Started() { return *started_; }
    void SetSample(const QString& text) { Started().Find<InputBoxWidget>(ControlId::InputBox)->setText(text); }
    QTextDocument* Document() { return Started().Find<RichViewWidget>(ControlId::PreviewView)->document(); }

private slots:
    void init() { started_ = std::make_unique<StartedWindow>(); }
    void cleanup() { started_.reset(); }

    void buildsHiddenAndFillsOnCreationComplete() {
        PreviewState state;
        MainWindow window(state);
        QVERIFY(window.isHidden());
        for (const ControlEntry& entry : kControls) QVERIFY(window.ControlWidget(entry.id)->isHidden());
        // Until the creation-complete handler runs, the list and the size field are empty.
        QCOMPARE(static_cast<FontCheckListWidget*>(window.ControlWidget(ControlId::FontList))->ItemCount(), 0);
        QCOMPARE(static_cast<SizeBoxWidget*>(window.ControlWidget(ControlId::SizeBox))->ReadText(), std::string());
        QCOMPARE(static_cast<SizeBoxWidget*>(window.ControlWidget(ControlId::SizeBox))->currentIndex(), kInitialSizeItem);
        QCOMPARE(state.previewFormat.size, 9);
        window.ShowAfterCreation();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(static_cast<FontCheckListWidget*>(window.ControlWidget(ControlId::FontList))->ItemCount() > 0);
        QCOMPARE(state.previewFormat.size, 24);
        for (const ControlEntry& entry : kControls) QVERIFY(window.ControlWidget(entry.id)->isVisible());
    }

    void windowSettings() {
        MainWindow& window = Started().Window();
        QCOMPARE(window.windowTitle(), QStringLiteral("Typovel"));
        // The offscreen platform reports a thin frame, so the outer size is the one that is fixed.
        QCOMPARE(window.frameGeometry().size(), QSize(kWindowWidth, kWindowHeight));
        QVERIFY(window.width() >= kClientReachWidth && window.height() >= kClientReachHeight);
        QCOMPARE(window.minimumSize(), window.maximumSize());
        const QRect screen = window.screen()->geometry();
        const Point origin = CentredOrigin(screen.width(), screen.height());
        QCOMPARE(window.frameGeometry().topLeft(), QPoint(origin.x, origin.y));
        QVERIFY(!(window.windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(window.windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(window.windowIcon().availableSizes().contains(QSize(256, 256)));
        QCOMPARE(window.font(), QApplication::font());
        QCOMPARE(window.backgroundRole(), QPalette::Window);
    }

    void controlsFollowTheTable() {
        MainWindow& window = Started().Window();
        for (const ControlEntry& entry : kControls) {
            QWidget* widget = window.findChild<QWidget*>(ControlName(entry.id));
            QVERIFY2(widget != nullptr, qPrintable(ControlName(entry.id)));
            QCOMPARE(widget, window.ControlWidget(entry.id));
            QCOMPARE(widget->parentWidget(), entry.parent ? window.ControlWidget(*entry.parent) : &window);
            QCOMPARE(widget->geometry(), QRect(entry.left, entry.top, entry.width, entry.height));
            QVERIFY(widget->isVisible());
            QVERIFY(widget->isEnabled());
            QCOMPARE(widget->focusPolicy() != Qt::NoFocus, entry.tabStop);
            QCOMPARE(widget->font(), QApplication::font());
            QVERIFY(!widget->accessibleName().isEmpty());
        }
        QCOMPARE(Started().Find<QLabel>(ControlId::InputLabel)->text(), Cp(EntryOf(ControlId::InputLabel).text));
        QCOMPARE(Started().Find<QLabel>(ControlId::SizeLabel)->text(), Cp(EntryOf(ControlId::SizeLabel).text));
        QCOMPARE(Started().Find<QPushButton>(ControlId::PreviewButton)->text(), Cp(EntryOf(ControlId::PreviewButton).text));
        QCOMPARE(Started().Find<QRadioButton>(ControlId::ChineseRadio)->text(), Cp(EntryOf(ControlId::ChineseRadio).text));
        QCOMPARE(Started().Find<QRadioButton>(ControlId::EnglishRadio)->text(), Cp(EntryOf(ControlId::EnglishRadio).text));
        QVERIFY(Started().Find<QGroupBox>(ControlId::ScriptGroup)->title().isEmpty());
        QVERIFY(Started().Find<QTextEdit>(ControlId::PreviewView) != nullptr);
        QVERIFY(!Started().Find<QTextEdit>(ControlId::PreviewView)->acceptRichText());
        // The window's own children stack in the table's order, 组合框1 on top.
        std::vector<QWidget*> stacking;
        for (QObject* child : window.children()) {
            if (auto* widget = qobject_cast<QWidget*>(child)) stacking.push_back(widget);
        }
        std::vector<QWidget*> expected;
        for (auto entry = kControls.rbegin(); entry != kControls.rend(); ++entry) {
            if (!entry->parent) expected.push_back(window.ControlWidget(entry->id));
        }
        QVERIFY(stacking == expected);
    }

    void checkListAndSizeBoxKinds() {
        auto* list = Started().Find<FontCheckListWidget>(ControlId::FontList);
        QCOMPARE(list->flow(), QListView::TopToBottom);
        QVERIFY(list->isWrapping());
        QCOMPARE(list->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        QVERIFY(!list->isSortingEnabled());
        // Enough items to overflow 400 pixels of height go on into columns to the right.
        for (int i = 0; i < 80; ++i) list->AddItem("Column filler");
        QTRY_VERIFY(list->horizontalScrollBar()->maximum() > 0);
        QVERIFY(list->visualItemRect(list->item(list->count() - 1)).left() > list->visualItemRect(list->item(0)).left());

        auto* sizeBox = Started().Find<SizeBoxWidget>(ControlId::SizeBox);
        QVERIFY(sizeBox->isEditable());
        QCOMPARE(sizeBox->insertPolicy(), QComboBox::NoInsert);
        QCOMPARE(sizeBox->count(), static_cast<int>(kSizeItems.size()));
        for (int i = 0; i < sizeBox->count(); ++i) QCOMPARE(sizeBox->itemText(i), Cp(kSizeItems[static_cast<std::size_t>(i)]));
        sizeBox->setFocus();
        sizeBox->lineEdit()->selectAll();
        QTest::keyClicks(sizeBox->lineEdit(), "55");
        QTest::keyClick(sizeBox->lineEdit(), Qt::Key_Tab);
        QCOMPARE(sizeBox->count(), static_cast<int>(kSizeItems.size()));
    }

    void startupState() {
        auto* list = Started().Find<FontCheckListWidget>(ControlId::FontList);
        const std::vector<std::string> chinese = ExpectedList(Script::Chinese);
        QVERIFY(!chinese.empty());
        QVERIFY(ListTexts(*list) == chinese);
        QVERIFY(std::find(chinese.begin(), chinese.end(), shell_cases::kWenQuanYiZenHei) != chinese.end());
        QVERIFY(AllTicked(*list));
        QCOMPARE(Started().Find<SizeBoxWidget>(ControlId::SizeBox)->ReadText(), std::string(shell_cases::kStartupSizeText));
        QCOMPARE(Started().Find<SizeBoxWidget>(ControlId::SizeBox)->currentIndex(), kInitialSizeItem);
        QVERIFY(Started().Find<QRadioButton>(ControlId::ChineseRadio)->isChecked());
        QVERIFY(!Started().Find<QRadioButton>(ControlId::EnglishRadio)->isChecked());
        auto* input = Started().Find<InputBoxWidget>(ControlId::InputBox);
        QCOMPARE(input->ReadText(), std::string(shell_cases::kStartupInputText));
        QCOMPARE(input->cursorPosition(), 0);
        QVERIFY(!input->hasSelectedText());
        QCOMPARE(Started().Window().FocusedControl(), std::optional(ControlId::InputBox));
        QVERIFY(Document()->isEmpty());
        const CharFormat& format = Started().State().previewFormat;
        QCOMPARE(format.fontName, std::string(kInitialFontName));
        QCOMPARE(format.size, 24);
        QCOMPARE(format.offset, 0);
        QCOMPARE(format.effects, 0U);
        QCOMPARE(format.colour, kAutomaticColour);
    }

    void previewOfTwoFontsReadsBack() {
        auto* list = Started().Find<FontCheckListWidget>(ControlId::FontList);
        list->ClearList();
        const std::vector<std::string> names = {std::string(shell_cases::kWenQuanYiZenHei), ExpectedList(Script::Latin).front()};
        for (const std::string& name : names) list->TickItem(list->AddItem(name));
        list->TickItem(list->AddItem("unticked"), false);
        SetSample(QStringLiteral("abc"));
        QTest::mouseClick(Started().Find<QPushButton>(ControlId::PreviewButton), Qt::LeftButton);

        QTextDocument* document = Document();
        QCOMPARE(document->blockCount(), 3);
        QVERIFY(document->lastBlock().text().isEmpty());
        QString expectedText;
        for (const std::string& name : names) expectedText += Cp(name) + Cp(kFullWidthColon) + QStringLiteral("abc") + QChar(QChar::ParagraphSeparator);
        QCOMPARE(document->toRawText(), expectedText);
        for (int line = 0; line < 2; ++line) {
            const QTextBlock block = document->findBlockByNumber(line);
            const MatchedFace face = MatchFace(Cp(names[static_cast<std::size_t>(line)]));
            // Every character of the line, and the paragraph end that opens the next block.
            std::vector<QTextCharFormat> formats;
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) formats.push_back(fragment.fragment().charFormat());
            formats.push_back(block.next().charFormat());
            for (const QTextCharFormat& format : formats) {
                QCOMPARE(format.property(RichViewWidget::kFaceNameProperty).toString(), Cp(names[static_cast<std::size_t>(line)]));
                QCOMPARE(format.fontFamilies().toStringList(), QStringList{face.family});
                QCOMPARE(format.fontStyleName().toString(), face.style);
                QCOMPARE(format.fontPointSize(), 24.0);
            }
        }
        QCOMPARE(Started().Window().FocusedControl(), std::optional(ControlId::PreviewView));
        QCOMPARE(Started().Find<RichViewWidget>(ControlId::PreviewView)->TextLength(),
                 static_cast<std::int32_t>(names[0].size() + names[1].size() + 2 * (2 + 3 + 2)));
    }

    void emptySampleShowsTheMessage() {
        SetSample(QStringLiteral("abc"));
        Started().Find<QPushButton>(ControlId::PreviewButton)->click();
        const QString before = Document()->toRawText();
        SetSample(QString());
        SeenBox seen;
        CloseNextBox(seen);
        QTest::mouseClick(Started().Find<QPushButton>(ControlId::PreviewButton), Qt::LeftButton);
        QVERIFY(seen.seen);
        QCOMPARE(seen.caption, Cp(kDefaultCaption));
        QCOMPARE(seen.text, Cp(kEmptySampleMessage));
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(seen.modality, Qt::ApplicationModal);
        QVERIFY(!seen.hadParent);
        QCOMPARE(Document()->toRawText(), before);
    }

    void oneSpacePreviewsWithoutAMessage() {
        SetSample(QStringLiteral(" "));
        Started().Find<QPushButton>(ControlId::PreviewButton)->click();
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QCOMPARE(Document()->blockCount(), Started().Find<FontCheckListWidget>(ControlId::FontList)->ItemCount() + 1);
    }

    void radioClicksRefill() {
        auto* list = Started().Find<FontCheckListWidget>(ControlId::FontList);
        auto* chinese = Started().Find<QRadioButton>(ControlId::ChineseRadio);
        auto* english = Started().Find<QRadioButton>(ControlId::EnglishRadio);
        QTest::mouseClick(english, Qt::LeftButton);
        QVERIFY(english->isChecked() && !chinese->isChecked());
        QVERIFY(ListTexts(*list) == ExpectedList(Script::Latin));
        QVERIFY(AllTicked(*list));
        // Clicking the checked button refills again and ticks what the user unticked.
        list->item(0)->setCheckState(Qt::Unchecked);
        QSignalSpy clicks(english, &QAbstractButton::clicked);
        QTest::mouseClick(english, Qt::LeftButton);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(AllTicked(*list));
        QTest::mouseClick(chinese, Qt::LeftButton);
        QVERIFY(ListTexts(*list) == ExpectedList(Script::Chinese));
    }

    void arrowKeysMoveTheRadioCheck_data() {
        QTest::addColumn<int>("key");
        for (const Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down}) QTest::addRow("%d", key) << static_cast<int>(key);
    }
    void arrowKeysMoveTheRadioCheck() {
        QFETCH(int, key);
        auto* list = Started().Find<FontCheckListWidget>(ControlId::FontList);
        auto* chinese = Started().Find<QRadioButton>(ControlId::ChineseRadio);
        auto* english = Started().Find<QRadioButton>(ControlId::EnglishRadio);
        QSignalSpy englishClicks(english, &QAbstractButton::clicked);
        chinese->setFocus();
        PressKey(static_cast<Qt::Key>(key));
        QVERIFY(english->isChecked() && !chinese->isChecked());
        QCOMPARE(englishClicks.count(), 1);
        QCOMPARE(Started().Window().FocusedControl(), std::optional(ControlId::EnglishRadio));
        QVERIFY(ListTexts(*list) == ExpectedList(Script::Latin));
        PressKey(static_cast<Qt::Key>(key));
        QVERIFY(chinese->isChecked() && !english->isChecked());
        QCOMPARE(Started().Window().FocusedControl(), std::optional(ControlId::ChineseRadio));
        QVERIFY(ListTexts(*list) == ExpectedList(Script::Chinese));
    }

    void choosingFromTheListStoresTheSizeOnce() {
        auto* sizeBox = Started().Find<SizeBoxWidget>(ControlId::SizeBox);
        QSignalSpy chosen(sizeBox, &QComboBox::activated);
        QSignalSpy edited(sizeBox->lineEdit(), &QLineEdit::textEdited);
        sizeBox->showPopup();
        QAbstractItemView* popup = sizeBox->view();
        QTRY_VERIFY(popup->isVisible());
        const int row = sizeBox->findText(QString::number(shell_cases::kChosenSize));
        popup->setCurrentIndex(popup->model()->index(row, 0));
        QTest::keyClick(popup, Qt::Key_Return);
        QTRY_COMPARE(Started().State().previewFormat.size, shell_cases::kChosenSize);
        QCOMPARE(sizeBox->ReadText(), std::to_string(shell_cases::kChosenSize));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(edited.count(), 0);
    }

    void typingStoresEachChange() {
        auto* sizeBox = Started().Find<SizeBoxWidget>(ControlId::SizeBox);
        QLineEdit* field = sizeBox->lineEdit();
        sizeBox->setFocus();
        field->selectAll();
        std::vector<std::int32_t> stored;
        std::vector<QString> shown;
        for (const Qt::Key key : {Qt::Key_Backspace, Qt::Key_3, Qt::Key_0}) {
            QTest::keyClick(field, key);
            stored.push_back(Started().State().previewFormat.size);
            shown.push_back(field->text());
        }
        QVERIFY(stored == std::vector<std::int32_t>(shell_cases::kTypedSizes.begin(), shell_cases::kTypedSizes.end()));
        QVERIFY((shown == std::vector<QString>{QString(), QStringLiteral("3"), QStringLiteral("30")}));
        field->selectAll();
        QTest::keyClicks(field, "abc");
        QCOMPARE(sizeBox->ReadText(), std::string("abc"));
        QCOMPARE(Started().State().previewFormat.size, 0);
    }

    void selectListItemRaisesNothing() {
        auto* sizeBox = Started().Find<SizeBoxWidget>(ControlId::SizeBox);
        QSignalSpy chosen(sizeBox, &QComboBox::activated);
        QSignalSpy edited(sizeBox->lineEdit(), &QLineEdit::textEdited);
        for (const shell_cases::SelectCase& row : shell_cases::kSelectListItem) {
            SelectListItem(*sizeBox, row.index);
            QCOMPARE(sizeBox->ReadText(), std::string(row.field));
            QCOMPARE(sizeBox->currentIndex(), ClampListIndex(row.index, sizeBox->count()));
        }
        QCoreApplication::processEvents();
        QCOMPARE(chosen.count(), 0);
        QCOMPARE(edited.count(), 0);
        QCOMPARE(Started().State().previewFormat.size, 24);
    }

    void enterPreviewsFromEveryControlButTheView() {
        MainWindow& window = Started().Window();
        for (const ControlId id : shell_cases::kEnterPreviewsFrom) {
            Started().Find<RichViewWidget>(ControlId::PreviewView)->SetContent("");
            SetSample(QStringLiteral("abc"));
            window.ControlWidget(id)->setFocus();
            QCOMPARE(window.FocusedControl(), std::optional(id));
            PressKey(Qt::Key_Return);
            QVERIFY2(!Document()->isEmpty(), qPrintable(ControlName(id)));
            QCOMPARE(window.FocusedControl(), std::optional(ControlId::PreviewView));
        }
        // The view takes Enter as a paragraph end of its own.
        const int blocks = Document()->blockCount();
        PressKey(Qt::Key_Return);
        QCOMPARE(Document()->blockCount(), blocks + 1);
        QCOMPARE(window.FocusedControl(), std::optional(ControlId::PreviewView));
    }

    void escapeCloses_data() {
        QTest::addColumn<int>("control");
        for (const ControlId id : kFocusOrder) QTest::addRow("%d", static_cast<int>(id)) << static_cast<int>(id);
    }
    void escapeCloses() {
        QFETCH(int, control);
        Started().Window().ControlWidget(static_cast<ControlId>(control))->setFocus();
        PressKey(Qt::Key_Escape);
        QVERIFY(!Started().Window().isVisible());
    }

    void escapeClosesWithNothingFocused() {
        QApplication::focusWidget()->clearFocus();
        QCOMPARE(Started().Window().FocusedControl(), std::nullopt);
        QTest::keyClick(&Started().Window(), Qt::Key_Escape);
        QVERIFY(!Started().Window().isVisible());
    }

    void tabCycle() {
        MainWindow& window = Started().Window();
        for (const shell_cases::TabCase& row : shell_cases::kTabCycle) {
            window.ControlWidget(row.from)->setFocus();
            PressKey(Qt::Key_Tab);
            QCOMPARE(window.FocusedControl(), std::optional(row.forward));
            window.ControlWidget(row.from)->setFocus();
            PressKey(Qt::Key_Backtab, Qt::ShiftModifier);
            QCOMPARE(window.FocusedControl(), std::optional(row.backward));
        }
    }

    void focusReturnsOnReactivation() {
        MainWindow& window = Started().Window();
        window.ControlWidget(ControlId::SizeBox)->setFocus();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(window.FocusedControl(), std::optional(ControlId::SizeBox));
    }

    void accessibleNamesAndTicks() {
        MainWindow& window = Started().Window();
        for (const ControlEntry& entry : kControls) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(window.ControlWidget(entry.id));
            QVERIFY(accessible != nullptr);
            QVERIFY2(!accessible->text(QAccessible::Name).isEmpty(), qPrintable(ControlName(entry.id)));
        }
        const auto nameOf = [&](ControlId id) { return QAccessible::queryAccessibleInterface(window.ControlWidget(id))->text(QAccessible::Name); };
        QCOMPARE(nameOf(ControlId::InputBox), Cp(EntryOf(ControlId::InputLabel).text));
        // On Linux a combo box's name is its value; the label reaches the reader as a relation.
        QCOMPARE(window.ControlWidget(ControlId::SizeBox)->accessibleName(), Cp(EntryOf(ControlId::SizeLabel).text));
        for (const auto field : {ControlId::InputBox, ControlId::SizeBox}) {
            const auto labels = QAccessible::queryAccessibleInterface(window.ControlWidget(field))->relations(QAccessible::Label);
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.front().first->text(QAccessible::Name), Cp(EntryOf(field == ControlId::InputBox ? ControlId::InputLabel : ControlId::SizeLabel).text));
        }
        auto* list = Started().Find<FontCheckListWidget>(ControlId::FontList);
        list->ClearList();
        list->TickItem(list->AddItem("A"));
        list->AddItem("B");
        QAccessibleInterface* accessibleList = QAccessible::queryAccessibleInterface(list);
        std::vector<std::pair<QString, bool>> items;
        for (int i = 0; i < accessibleList->childCount(); ++i) {
            QAccessibleInterface* child = accessibleList->child(i);
            if (child->role() != QAccessible::ListItem) continue;
            QVERIFY(child->state().checkable);
            items.emplace_back(child->text(QAccessible::Name), child->state().checked);
        }
        QVERIFY((items == std::vector<std::pair<QString, bool>>{{"A", true}, {"B", false}}));
    }

    void rendersTheWindowAfterASamplePreview() {
        SetSample(Cp("\xD3\xC0 Typovel \xD7\xD6\xCC\xE5\xB1\xC8\xBD\xCF AaBbGg 0123"));  // 永 Typovel 字体比较
        Started().Find<QPushButton>(ControlId::PreviewButton)->click();
        QCoreApplication::processEvents();
        const QPixmap shot = Started().Window().grab();
        QCOMPARE(shot.size(), Started().Window().size());
        QVERIFY(shot.save(QStringLiteral(TYPOVEL_SOURCE_DIR "/docs/screenshot.png")));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_qt_test.moc"
