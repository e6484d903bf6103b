// The rich view port on the real QTextEdit: counting, placing, formatting and
// writing, and the net effect of the preview's per-line sequence.

#include <QApplication>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "fonts/font_source_fontconfig.h"
#include "preview/char_format.h"
#include "preview/rich_view.h"
#include "shells/qt/rich_view_widget.h"

using namespace typovel;
using namespace typovel::qt;

namespace {

constexpr std::string_view kSongLine = "\xCB\xCE\xCC\xE5\xA3\xBA" "abc\r\n";  // 宋体：abc
constexpr std::string_view kHeiLine = "\xBA\xDA\xCC\xE5\xA3\xBA" "abc\r\n";   // 黑体：abc

ViewCharFormat Format(std::string_view face, std::int32_t size, std::uint32_t effects = 0, std::uint32_t colour = kAutomaticColour) {
    return ToViewFormat(CharFormat{std::string(face), size, 0, effects, colour});
}

}  // namespace

class RichViewWidgetTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RichViewWidget> view_;

    // The caret as the user sees it, once the view has caught up with the writes.
    int ShownCaret() {
        QCoreApplication::processEvents();
        return view_->textCursor().position();
    }
    void AppendLine(std::string_view face, std::string_view line) {
        WriteSelStart(*view_, view_->TextLength() - 1);
        view_->SetSelFormat(Format(face, 24));
        view_->SetSelText(line);
    }

private slots:
    void init() {
        view_ = std::make_unique<RichViewWidget>(nullptr);
        view_->resize(520, 456);
        view_->show();
        QVERIFY(QTest::qWaitForWindowExposed(view_.get()));
    }
    void cleanup() { view_.reset(); }

    void typingFormatIsSongTiAtNinePoints() {
        const MatchedFace face = MatchFace(QString::fromUtf8("宋体"));
        QCOMPARE(view_->document()->defaultFont().families(), QStringList{face.family});
        QCOMPARE(view_->document()->defaultFont().styleName(), face.style);
        QCOMPARE(view_->document()->defaultFont().pointSizeF(), 9.0);
    }

    void emptyView() {
        QCOMPARE(view_->TextLength(), 0);
        WriteSelStart(*view_, -1);
        QCOMPARE(ShownCaret(), 0);
    }

    void workedExample() {
        view_->SetContent("");
        AppendLine("\xCB\xCE\xCC\xE5", kSongLine);
        QCOMPARE(view_->TextLength(), 11);
        QCOMPARE(view_->document()->characterCount() - 1, 7);
        WriteSelStart(*view_, 10);
        QCOMPARE(ShownCaret(), 7);
        AppendLine("\xBA\xDA\xCC\xE5", kHeiLine);
        QCOMPARE(view_->TextLength(), 22);
        QCOMPARE(view_->document()->characterCount() - 1, 14);
        QCOMPARE(view_->document()->blockCount(), 3);
        for (int line = 0; line < 2; ++line) {
            const QString face = QString::fromUtf8(line == 0 ? "宋体" : "黑体");
            QCOMPARE(view_->document()->findBlockByNumber(line).text(), face + QString::fromUtf8("：abc"));
            QCOMPARE(view_->document()->findBlockByNumber(line).begin().fragment().charFormat().property(RichViewWidget::kFaceNameProperty).toString(), face);
            // The paragraph end opens the next block and carries the line's format.
            QCOMPARE(view_->document()->findBlockByNumber(line + 1).charFormat().property(RichViewWidget::kFaceNameProperty).toString(), face);
            QCOMPARE(view_->document()->findBlockByNumber(line + 1).charFormat().property(RichViewWidget::kHeightProperty).toInt(), 480);
        }
    }

    void selStartClamps_data() {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("caret");
        QTest::addRow("negative") << -5 << 0;
        QTest::addRow("inside") << 3 << 3;
        QTest::addRow("at the end") << 7 << 7;
        QTest::addRow("past the end") << 1000 << 7;
        QTest::addRow("largest") << std::numeric_limits<std::int32_t>::max() << 7;
    }
    void selStartClamps() {
        QFETCH(int, start);
        QFETCH(int, caret);
        view_->SetContent(kSongLine);
        WriteSelStart(*view_, start);
        QVERIFY(!view_->textCursor().hasSelection());
        QCOMPARE(ShownCaret(), caret);
        QVERIFY(!view_->textCursor().hasSelection());
        // Writing at a caret removes nothing.
        view_->SetSelText("x");
        QCOMPARE(view_->document()->characterCount() - 1, 8);
    }

    void wholeTextSelectionIsReplaced() {
        view_->SetContent(kSongLine);
        view_->SetSelection(SelectionForStart(0, -1));
        view_->SetSelText("\xD6\xD0");
        QCOMPARE(view_->document()->toRawText(), QString::fromUtf8("中"));
        QCOMPARE(view_->TextLength(), 2);
    }

    void formatMapping_data() {
        QTest::addColumn<quint32>("effects");
        QTest::addColumn<quint32>("colour");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<bool>("underline");
        QTest::addColumn<bool>("strikeOut");
        QTest::addColumn<bool>("isProtected");
        QTest::addColumn<QColor>("foreground");
        QTest::addRow("plain, automatic colour") << 0U << kAutomaticColour << false << false << false << false << false << QColor();
        QTest::addRow("0x21 is bold only") << 0x21U << kAutomaticColour << true << false << false << false << false << QColor();
        QTest::addRow("every effect") << 0x1FU << kAutomaticColour << true << true << true << true << true << QColor();
        QTest::addRow("red") << 0U << 0x000000FFU << false << false << false << false << false << QColor(255, 0, 0);
        QTest::addRow("blue-green-red order") << 0U << 0x00336699U << false << false << false << false << false << QColor(0x99, 0x66, 0x33);
        QTest::addRow("black is a colour") << 0U << 0U << false << false << false << false << false << QColor(0, 0, 0);
    }
    void formatMapping() {
        QFETCH(quint32, effects);
        QFETCH(quint32, colour);
        QFETCH(bool, bold);
        QFETCH(bool, italic);
        QFETCH(bool, underline);
        QFETCH(bool, strikeOut);
        QFETCH(bool, isProtected);
        QFETCH(QColor, foreground);
        view_->SetContent("before");
        WriteSelStart(*view_, view_->TextLength());
        view_->SetSelFormat(Format("DejaVu Sans", 24, effects, colour));
        view_->SetSelText("x");
        const QTextCharFormat earlier = view_->document()->begin().begin().fragment().charFormat();
        QVERIFY(!earlier.hasProperty(RichViewWidget::kFaceNameProperty));
        QTextCursor cursor(view_->document());
        cursor.setPosition(7);
        const QTextCharFormat format = cursor.charFormat();
        QCOMPARE(format.property(RichViewWidget::kFaceNameProperty).toString(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(format.fontPointSize(), 24.0);
        QCOMPARE(format.fontWeight() >= QFont::Bold, bold);
        QCOMPARE(format.fontItalic(), italic);
        QCOMPARE(format.fontUnderline(), underline);
        QCOMPARE(format.fontStrikeOut(), strikeOut);
        QCOMPARE(format.property(RichViewWidget::kProtectedProperty).toBool(), isProtected);
        QCOMPARE(format.property(RichViewWidget::kOffsetProperty).toInt(), 0);
        QCOMPARE(format.hasProperty(QTextFormat::ForegroundBrush), foreground.isValid());
        if (foreground.isValid()) QCOMPARE(format.foreground().color(), foreground);
        QVERIFY(format.font().styleStrategy() & QFont::NoFontMerging);
    }

    void pointSizesStayInRange_data() {
        QTest::addColumn<int>("points");
        QTest::addColumn<double>("shown");
        QTest::addRow("zero") << 0 << kMinimumPointSize;
        QTest::addRow("negative") << -4 << kMinimumPointSize;
        QTest::addRow("ordinary") << 36 << 36.0;
        QTest::addRow("largest shown") << 1638 << kMaximumPointSize;
        QTest::addRow("too large") << 100000 << kMaximumPointSize;
        QTest::addRow("wraps in twips") << std::numeric_limits<std::int32_t>::max() << kMinimumPointSize;
    }
    void pointSizesStayInRange() {
        QFETCH(int, points);
        QFETCH(double, shown);
        const ViewCharFormat format = Format("DejaVu Sans", points);
        const QTextCharFormat charFormat = view_->CharFormatFor(format);
        QCOMPARE(charFormat.fontPointSize(), shown);
        QCOMPARE(charFormat.property(RichViewWidget::kHeightProperty).toInt(), format.height);
    }

    void plainTextIsTakenLiterally() {
        view_->SetContent("");
        view_->SetSelText("{\\rtf1 x}\r\n");
        QCOMPARE(view_->document()->toRawText(), QStringLiteral("{\\rtf1 x}") + QChar(QChar::ParagraphSeparator));
        QCOMPARE(view_->TextLength(), 11);
    }

    void loneBreaksCountAsParagraphEnds_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("blocks");
        QTest::addColumn<int>("length");
        QTest::addRow("crlf") << QByteArray("a\r\nb") << 2 << 4;
        QTest::addRow("lone lf") << QByteArray("a\nb") << 2 << 4;
        QTest::addRow("lone cr") << QByteArray("a\rb") << 2 << 4;
        QTest::addRow("cr cr lf") << QByteArray("a\r\r\nb") << 3 << 6;
        QTest::addRow("double-byte") << QByteArray("\xD6\xD0\xCE\xC4") << 1 << 4;
    }
    void loneBreaksCountAsParagraphEnds() {
        QFETCH(QByteArray, text);
        QFETCH(int, blocks);
        QFETCH(int, length);
        view_->SetContent(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
        QCOMPARE(view_->document()->blockCount(), blocks);
        QCOMPARE(view_->TextLength(), length);
        // A user's edit makes the view count afresh, and the count agrees.
        view_->setFocus();
        view_->moveCursor(QTextCursor::End);
        QTest::keyClick(view_.get(), Qt::Key_X);
        QCOMPARE(view_->TextLength(), length + 1);
    }

    void userEditsAreCounted() {
        view_->SetContent(kSongLine);
        view_->setFocus();
        view_->moveCursor(QTextCursor::End);
        QTest::keyClick(view_.get(), Qt::Key_Return);
        QTest::keyClicks(view_.get(), "ab");
        QCOMPARE(view_->TextLength(), 11 + 2 + 2);
        view_->moveCursor(QTextCursor::Start);
        QTest::keyClick(view_.get(), Qt::Key_Delete);
        QCOMPARE(view_->TextLength(), 11 + 2 + 2 - 2);
        // The next preview starts from nothing, whatever the user did.
        view_->SetContent("");
        AppendLine("\xCB\xCE\xCC\xE5", kSongLine);
        QCOMPARE(view_->TextLength(), 11);
        QCOMPARE(view_->document()->begin().begin().fragment().charFormat().property(RichViewWidget::kFaceNameProperty).toString(), QString::fromUtf8("宋体"));
    }
};

QTEST_MAIN(RichViewWidgetTest)
#include "rich_view_widget_test.moc"
