#pragma once

#include <cstdint>
#include <string_view>

#include "app/controls.h"
#include "preview/char_format.h"

namespace typovel {

// A selection in characters. max < 0 with min 0 selects the whole text; a
// position past the end counts as the end.
struct CharRange {
    std::int32_t min = 0;
    std::int32_t max = 0;
};

// 超级编辑框1, the preview. Texts are code page 936 bytes, read as plain text:
// CR LF becomes one paragraph end. TextLength counts bytes of the text as the
// view hands it out, each paragraph end as CR LF; positions count characters.
// UI thread only.
class RichView : public Control {
public:
    virtual void SetContent(std::string_view text) = 0;
    virtual std::int32_t TextLength() const = 0;
    virtual void SetSelection(CharRange range) = 0;
    // To the selection, or to the insertion point when it is a caret.
    virtual void SetSelFormat(const ViewCharFormat& format) = 0;
    // Replaces the selection; the text takes the insertion-point format.
    virtual void SetSelText(std::string_view text) = 0;

    // While frozen the view need not repaint for each change; thawing shows
    // the result. A view that repaints cheaply needs neither.
    virtual void FreezeUpdates() {}
    virtual void ThawUpdates() {}
};

// Keeps a view frozen for a scope, also when the scope is left early.
class FrozenUpdates {
public:
    explicit FrozenUpdates(RichView& view) : view_(view) { view_.FreezeUpdates(); }
    ~FrozenUpdates() { view_.ThawUpdates(); }
    FrozenUpdates(const FrozenUpdates&) = delete;
    FrozenUpdates& operator=(const FrozenUpdates&) = delete;

private:
    RichView& view_;
};

// The selection that writing SelStart with start makes, given the stored
// selection length: negative starts become 0, a negative length selects all.
CharRange SelectionForStart(std::int32_t start, std::int32_t storedLength = 0);

// Writes SelStart. The program never writes SelLength, so it stays 0.
void WriteSelStart(RichView& view, std::int32_t start);

}  // namespace typovel
