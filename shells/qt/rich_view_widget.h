#pragma once

// 超级编辑框1 as a QTextEdit. Positions count characters of the document; the
// text length counts code page 936 bytes with each paragraph end as CR LF,
// kept as a running count so a preview line never costs time in proportion to
// what the view already holds.

#include <QTextCursor>
#include <QTextEdit>

#include "fonts/font_source_fontconfig.h"
#include "preview/rich_view.h"

namespace typovel::qt {

// Point sizes handed to Qt stay in this range; larger glyphs take memory
// without bound, and Qt refuses sizes of 0 and below. The format's own height
// is kept unchanged in kHeightProperty.
inline constexpr double kMinimumPointSize = 1.0;
inline constexpr double kMaximumPointSize = 1638.0;

// Qt's document layout stalls once a document grows past about 2^23 pixels
// in height. Texts written from code are cut, with "…" at the cut, where they
// would take the view past this estimated height; each paragraph end the cut
// removes goes with it, but a written text's final paragraph end stays.
inline constexpr double kHeightBudget = 4'000'000.0;

class RichViewWidget final : public QTextEdit, public RichView {
    Q_OBJECT
public:
    // What a character format carries besides Qt's own attributes.
    static constexpr int kFaceNameProperty = QTextFormat::UserProperty;      // the name as listed
    static constexpr int kHeightProperty = QTextFormat::UserProperty + 1;    // twips, unbounded
    static constexpr int kOffsetProperty = QTextFormat::UserProperty + 2;    // twips
    static constexpr int kProtectedProperty = QTextFormat::UserProperty + 3;

    explicit RichViewWidget(QWidget* parent);

    void FocusControl() override;
    void SetContent(std::string_view text) override;
    std::int32_t TextLength() const override;
    void SetSelection(CharRange range) override;
    void SetSelFormat(const ViewCharFormat& format) override;
    void SetSelText(std::string_view text) override;

    // The character format SetSelFormat applies for a record.
    QTextCharFormat CharFormatFor(const ViewCharFormat& format);

private:
    // The cursor the ports work on: the view's own, except while writes made
    // from code wait to be shown, so that a preview moves the view once.
    QTextCursor& WorkingCursor();
    void ScheduleCursorSync();
    void ReplaceSelection(const QString& text);
    QString FitToHeightBudget(const QString& text);
    void OnContentsChange();

    QTextCursor cursor_;
    bool cursorSyncPending_ = false;
    bool writing_ = false;
    mutable bool lengthStale_ = false;
    mutable std::int64_t length_ = 0;
    double heightUsed_ = 0;
    FaceMatcher faces_;
};

}  // namespace typovel::qt
