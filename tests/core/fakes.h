#pragma once

// In-memory stand-ins for the ports, so the handlers run without a toolkit.

#include <algorithm>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/controls.h"
#include "fonts/font_source.h"
#include "preview/rich_view.h"
#include "services/message_box.h"

namespace typovel::testing {

struct FakeFocus {
    const Control* focused = nullptr;
};

class FakeCheckList : public FontCheckList {
public:
    struct Item {
        std::string text;
        bool ticked = false;
        std::int32_t value = 0;
    };
    explicit FakeCheckList(FakeFocus& focus) : focus_(focus) {}
    void FocusControl() override { focus_.focused = this; }
    void ClearList() override { items.clear(); }
    int AddItem(std::string_view text, std::int32_t value) override {
        items.push_back({std::string(text), false, value});
        return static_cast<int>(items.size()) - 1;
    }
    bool TickItem(int index, bool ticked) override {
        if (!InRange(index)) return false;
        items[static_cast<std::size_t>(index)].ticked = ticked;
        return true;
    }
    int ItemCount() const override { return static_cast<int>(items.size()); }
    bool IsItemTicked(int index) const override { return InRange(index) && items[static_cast<std::size_t>(index)].ticked; }
    std::string ItemText(int index) const override { return InRange(index) ? items[static_cast<std::size_t>(index)].text : std::string(); }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const Item& item : items) texts.push_back(item.text);
        return texts;
    }
    bool AllTicked() const {
        return std::all_of(items.begin(), items.end(), [](const Item& item) { return item.ticked; });
    }

    std::vector<Item> items;

private:
    bool InRange(int index) const { return index >= 0 && index < ItemCount(); }
    FakeFocus& focus_;
};

class FakeTextBox : public TextControl {
public:
    explicit FakeTextBox(FakeFocus& focus) : focus_(focus) {}
    void FocusControl() override { focus_.focused = this; }
    std::string ReadText() const override { return text; }
    std::string text;

private:
    FakeFocus& focus_;
};

class FakeSizeBox : public SizeBox {
public:
    explicit FakeSizeBox(FakeFocus& focus, std::vector<std::string> list = {"10", "12", "14", "16", "18", "20", "22", "24", "26", "28", "32", "36", "48", "72"})
        : items(std::move(list)), focus_(focus) {}
    void FocusControl() override { focus_.focused = this; }
    std::string ReadText() const override { return field; }
    int ListItemCount() const override { return static_cast<int>(items.size()); }
    void SetCurrentItem(int v) override {
        selected = v;
        field = v >= 0 ? items.at(static_cast<std::size_t>(v)) : std::string();
    }
    std::vector<std::string> items;
    int selected = -1;
    std::string field;

private:
    FakeFocus& focus_;
};

// A rich view that counts as the platform does: a paragraph end is one
// position but CR LF in TextLength, and a byte of 0x80 or above starts a
// two-byte character that takes one position.
class FakeRichView : public RichView {
public:
    struct Char {
        std::string bytes;  // "\r" for a paragraph end
        ViewCharFormat format;
    };
    explicit FakeRichView(FakeFocus& focus) : focus_(focus) {}

    void FocusControl() override {
        focusedWhileFrozen = frozen;
        focus_.focused = this;
    }
    void SetContent(std::string_view text) override {
        chars.clear();
        caret = 0;
        Insert(text);
        caret = 0;
    }
    std::int32_t TextLength() const override {
        std::int32_t length = 0;
        for (const Char& c : chars) length += c.bytes == "\r" ? 2 : static_cast<std::int32_t>(c.bytes.size());
        return length;
    }
    void SetSelection(CharRange range) override {
        ++selectionWrites;
        lastRange = range;
        const auto end = static_cast<std::int32_t>(chars.size());
        caret = std::clamp(range.min, 0, end);
    }
    void SetSelFormat(const ViewCharFormat& format) override { insertionFormat = format; }
    void SetSelText(std::string_view text) override {
        if (frozen) ++linesWhileFrozen;
        Insert(text);
    }
    void FreezeUpdates() override { frozen = true; }
    void ThawUpdates() override {
        frozen = false;
        ++thaws;
    }

    // The text as the view hands it out: paragraph ends as CR LF.
    std::string Text() const {
        std::string text;
        for (const Char& c : chars) text += c.bytes == "\r" ? "\r\n" : c.bytes;
        return text;
    }

    std::vector<Char> chars;
    std::int32_t caret = 0;
    ViewCharFormat insertionFormat;
    int selectionWrites = 0;
    CharRange lastRange;
    bool frozen = false;
    bool focusedWhileFrozen = false;
    int linesWhileFrozen = 0;
    int thaws = 0;

private:
    void Insert(std::string_view text) {
        std::vector<Char> inserted;
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                inserted.push_back({"\r", insertionFormat});
                ++i;
            } else if (static_cast<unsigned char>(text[i]) >= 0x80 && i + 1 < text.size()) {
                inserted.push_back({std::string(text.substr(i, 2)), insertionFormat});
                ++i;
            } else {
                inserted.push_back({std::string(1, text[i]), insertionFormat});
            }
        }
        chars.insert(chars.begin() + caret, inserted.begin(), inserted.end());
        caret += static_cast<std::int32_t>(inserted.size());
    }
    FakeFocus& focus_;
};

class FakeFontSource : public FontSource {
public:
    std::vector<std::string> ReportedFaces() override {
        ++calls;
        return reports;
    }
    std::vector<std::string> reports;
    int calls = 0;
};

class FakeMessageBox : public MessageBoxPort {
public:
    struct Shown {
        std::string message;
        std::string caption;
        std::uint32_t style;
        const Control* owner;
    };
    int Show(std::string_view message, std::string_view caption, std::uint32_t style, const Control* owner) override {
        shown.push_back({std::string(message), std::string(caption), style, owner});
        return answer;
    }
    std::vector<Shown> shown;
    int answer = kIdOk;
};

// One of every port, wired into an App as a shell would wire it.
struct FakeDesktop {
    FakeFocus focus;
    FakeCheckList fontList{focus};
    FakeSizeBox sizeBox{focus};
    FakeTextBox inputBox{focus};
    FakeRichView view{focus};
    FakeFontSource fonts;
    FakeMessageBox messages;
    PreviewState state;
    App app{state, Ports{fontList, sizeBox, inputBox, view, fonts, messages}};
};

}  // namespace typovel::testing
