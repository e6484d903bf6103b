#include "shells/qt/rich_view_widget.h"

#include <QFontMetricsF>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <limits>

#include "app/preview_state.h"
#include "shells/qt/cp936.h"

namespace typovel::qt {
namespace {

bool IsParagraphEnd(QChar c) { return c == u'\r' || c == u'\n' || c == QChar::ParagraphSeparator; }

// Bytes the text takes as the view hands it out: each paragraph end (a CR LF
// pair, a lone CR or LF, or Qt's separator) as the two bytes CR LF.
std::int64_t HandedOutBytes(QStringView text) {
    std::int64_t bytes = 0;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsParagraphEnd(text[i])) continue;
        bytes += static_cast<std::int64_t>(ToCp936(text.mid(runStart, i - runStart).toString()).size());
        if (i == text.size()) break;
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
        bytes += 2;
        runStart = i + 1;
    }
    return bytes;
}

QColor ColourFromBgr(std::uint32_t colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF), static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace

RichViewWidget::RichViewWidget(QWidget* parent) : QTextEdit(parent) {
    setAcceptRichText(false);
    setLineWrapMode(QTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setTabChangesFocus(true);
    setFrameShadow(QFrame::Sunken);
    connect(document(), &QTextDocument::contentsChange, this, [this] { OnContentsChange(); });
    // What the user types into an empty view: 宋体 at 9 points, through whatever
    // face fontconfig matches for it, with fallback fonts allowed.
    QFont typing = CharFormatFor(ToViewFormat(CharFormat{std::string(kInitialFontName), 9, 0, 0, kAutomaticColour})).font();
    typing.setStyleStrategy(QFont::PreferDefault);
    document()->setDefaultFont(typing);
}

void RichViewWidget::FocusControl() { setFocus(Qt::OtherFocusReason); }

void RichViewWidget::OnContentsChange() {
    // Only the user's edits leave the running count behind.
    if (!writing_) lengthStale_ = true;
}

QTextCursor& RichViewWidget::WorkingCursor() {
    if (!cursorSyncPending_) cursor_ = textCursor();
    return cursor_;
}

void RichViewWidget::ScheduleCursorSync() {
    if (cursorSyncPending_) return;
    cursorSyncPending_ = true;
    QTimer::singleShot(0, this, [this] {
        cursorSyncPending_ = false;
        setTextCursor(cursor_);
    });
}

void RichViewWidget::SetContent(std::string_view text) {
    writing_ = true;
    document()->clear();
    length_ = 0;
    lengthStale_ = false;
    heightUsed_ = 0;
    cursor_ = QTextCursor(document());
    ScheduleCursorSync();
    ReplaceSelection(FromCp936(text));
    cursor_.setPosition(0);
    writing_ = false;
}

std::int32_t RichViewWidget::TextLength() const {
    if (lengthStale_) {
        length_ = HandedOutBytes(document()->toRawText());
        lengthStale_ = false;
    }
    return static_cast<std::int32_t>(std::min<std::int64_t>(length_, std::numeric_limits<std::int32_t>::max()));
}

void RichViewWidget::SetSelection(CharRange range) {
    QTextCursor& cursor = WorkingCursor();
    // The document's last paragraph has an end of its own that no position reaches.
    const int end = document()->characterCount() - 1;
    if (range.min == 0 && range.max < 0) {
        cursor.setPosition(0);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
    } else {
        const int anchor = range.min < 0 ? end : std::min(range.min, end);
        const int position = range.max < 0 ? end : std::clamp(range.max, anchor, end);
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
    }
    ScheduleCursorSync();
}

QTextCharFormat RichViewWidget::CharFormatFor(const ViewCharFormat& format) {
    const QString faceName = FromCp936(format.faceName);
    const MatchedFace face = faces_.Match(faceName);

    QFont font;
    font.setFamilies({face.family});
    font.setStyleName(face.style);
    font.setPointSizeF(std::clamp(format.height / 20.0, kMinimumPointSize, kMaximumPointSize));
    // A glyph the face lacks shows as its own missing-glyph mark, never in another font.
    font.setStyleStrategy(QFont::NoFontMerging);

    QTextCharFormat charFormat;
    charFormat.setFont(font, QTextCharFormat::FontPropertiesAll);
    charFormat.setFontWeight((format.effects & kBold) != 0 ? QFont::Bold : QFont::Normal);
    charFormat.setFontItalic((format.effects & kItalic) != 0);
    charFormat.setFontUnderline((format.effects & kUnderline) != 0);
    charFormat.setFontStrikeOut((format.effects & kStrikeOut) != 0);
    charFormat.setProperty(kProtectedProperty, (format.effects & kProtected) != 0);
    charFormat.setProperty(kFaceNameProperty, faceName);
    charFormat.setProperty(kHeightProperty, format.height);
    charFormat.setProperty(kOffsetProperty, format.offset);
    if (format.offset != 0 && format.height > 0) charFormat.setBaselineOffset(100.0 * format.offset / format.height);
    if (format.automaticColour) {
        charFormat.clearForeground();
    } else {
        charFormat.setForeground(ColourFromBgr(format.colour));
    }
    return charFormat;
}

void RichViewWidget::SetSelFormat(const ViewCharFormat& format) {
    WorkingCursor().setCharFormat(CharFormatFor(format));
    ScheduleCursorSync();
}

void RichViewWidget::SetSelText(std::string_view text) {
    writing_ = true;
    WorkingCursor();
    ReplaceSelection(FromCp936(text));
    ScheduleCursorSync();
    writing_ = false;
}

void RichViewWidget::ReplaceSelection(const QString& written) {
    const QString text = FitToHeightBudget(written);
    // The length is only known to be right when nothing changed behind it.
    if (!lengthStale_) length_ += HandedOutBytes(text) - HandedOutBytes(cursor_.selectedText());
    cursor_.insertText(text);
}

QString RichViewWidget::FitToHeightBudget(const QString& text) {
    if (text.isEmpty()) return text;
    // A generous estimate: every character as wide as three quarters of the
    // line height, which is about a full-width character's width.
    const QFontMetricsF metrics(cursor_.charFormat().font());
    const double rowHeight = std::max(metrics.lineSpacing(), 1.0);
    const double width = std::max(viewport()->width() - 2 * document()->documentMargin(), 100.0);
    const auto charactersPerRow = static_cast<qsizetype>(std::max(width / std::max(metrics.height() * 0.75, 1.0), 1.0));
    QString fitted;
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsParagraphEnd(text[i])) continue;
        const qsizetype runLength = i - runStart;
        const double rows = 1.0 + static_cast<double>(runLength / charactersPerRow);
        const double rowsLeft = std::floor((kHeightBudget - heightUsed_) / rowHeight);
        if (rows > rowsLeft) {
            const qsizetype kept = std::min(runLength, static_cast<qsizetype>(std::max(rowsLeft, 1.0)) * charactersPerRow - 1);
            fitted += text.mid(runStart, std::max<qsizetype>(kept, 0));
            fitted += QChar(0x2026);
            if (IsParagraphEnd(text.back())) fitted += QChar::ParagraphSeparator;
            heightUsed_ += std::max(rowsLeft, 1.0) * rowHeight;
            return fitted;
        }
        heightUsed_ += rows * rowHeight;
        if (i == text.size()) break;
        const qsizetype breakLength = text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? 2 : 1;
        fitted += text.mid(runStart, runLength + breakLength);
        i += breakLength - 1;
        runStart = i + 1;
    }
    fitted += text.mid(runStart);
    return fitted;
}

}  // namespace typovel::qt
