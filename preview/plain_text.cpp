#include "preview/plain_text.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <new>
#include <vector>

#include "services/text.h"

namespace typovel {
namespace {

enum class WordKind : std::uint8_t { Symbol, Destination, Property, Bin, Asterisk, Apostrophe };

struct ControlWord {
    std::string_view name;
    WordKind kind;
    std::string_view emits;  // symbols only
};

// Control words whose name is made of letters. Single-byte control symbols
// are decided in LookupSymbol.
constexpr ControlWord kWords[] = {
    {"par", WordKind::Symbol, "\r\n"},
    {"tab", WordKind::Symbol, "\t"},
    {"emdash", WordKind::Symbol, "\xA1\xAA"},
    {"lquote", WordKind::Symbol, "\xA1\xAE"},
    {"rquote", WordKind::Symbol, "\xA1\xAF"},
    {"ldblquote", WordKind::Symbol, "\xA1\xB0"},
    {"rdblquote", WordKind::Symbol, "\xA1\xB1"},
    {"bin", WordKind::Bin, {}},
    {"author", WordKind::Destination, {}},
    {"buptim", WordKind::Destination, {}},
    {"colortbl", WordKind::Destination, {}},
    {"comment", WordKind::Destination, {}},
    {"creatim", WordKind::Destination, {}},
    {"doccomm", WordKind::Destination, {}},
    {"fonttbl", WordKind::Destination, {}},
    {"footer", WordKind::Destination, {}},
    {"footerf", WordKind::Destination, {}},
    {"footerl", WordKind::Destination, {}},
    {"footerr", WordKind::Destination, {}},
    {"footnote", WordKind::Destination, {}},
    {"ftncn", WordKind::Destination, {}},
    {"ftnsep", WordKind::Destination, {}},
    {"ftnsepc", WordKind::Destination, {}},
    {"header", WordKind::Destination, {}},
    {"headerf", WordKind::Destination, {}},
    {"headerl", WordKind::Destination, {}},
    {"headerr", WordKind::Destination, {}},
    {"info", WordKind::Destination, {}},
    {"keywords", WordKind::Destination, {}},
    {"operator", WordKind::Destination, {}},
    {"pict", WordKind::Destination, {}},
    {"printim", WordKind::Destination, {}},
    {"revtim", WordKind::Destination, {}},
    {"rxe", WordKind::Destination, {}},
    {"stylesheet", WordKind::Destination, {}},
    {"subject", WordKind::Destination, {}},
    {"tc", WordKind::Destination, {}},
    {"title", WordKind::Destination, {}},
    {"txe", WordKind::Destination, {}},
    {"xe", WordKind::Destination, {}},
    {"b", WordKind::Property, {}},
    {"u", WordKind::Property, {}},
    {"i", WordKind::Property, {}},
    {"li", WordKind::Property, {}},
    {"ri", WordKind::Property, {}},
    {"fi", WordKind::Property, {}},
    {"cols", WordKind::Property, {}},
    {"sbknone", WordKind::Property, {}},
    {"sbkcol", WordKind::Property, {}},
    {"sbkeven", WordKind::Property, {}},
    {"sbkodd", WordKind::Property, {}},
    {"sbkpage", WordKind::Property, {}},
    {"pgnx", WordKind::Property, {}},
    {"pgny", WordKind::Property, {}},
    {"pgndec", WordKind::Property, {}},
    {"pgnucrm", WordKind::Property, {}},
    {"pgnlcrm", WordKind::Property, {}},
    {"pgnucltr", WordKind::Property, {}},
    {"pgnlcltr", WordKind::Property, {}},
    {"qc", WordKind::Property, {}},
    {"ql", WordKind::Property, {}},
    {"qr", WordKind::Property, {}},
    {"qj", WordKind::Property, {}},
    {"paperw", WordKind::Property, {}},
    {"paperh", WordKind::Property, {}},
    {"margl", WordKind::Property, {}},
    {"margr", WordKind::Property, {}},
    {"margt", WordKind::Property, {}},
    {"margb", WordKind::Property, {}},
    {"pgnstart", WordKind::Property, {}},
    {"facingp", WordKind::Property, {}},
    {"landscape", WordKind::Property, {}},
};
constexpr std::size_t kWordCount = std::size(kWords);

// The table's entries grouped by first letter, so that a lookup compares a
// handful of names instead of all of them. Every name is lower case.
struct WordIndex {
    std::array<std::uint8_t, 27> start{};
    std::array<std::uint8_t, kWordCount> order{};
};

constexpr WordIndex MakeWordIndex() {
    WordIndex index;
    std::array<std::uint8_t, 26> counts{};
    for (const ControlWord& word : kWords) ++counts[static_cast<std::size_t>(word.name[0] - 'a')];
    for (std::size_t letter = 0; letter < 26; ++letter) index.start[letter + 1] = static_cast<std::uint8_t>(index.start[letter] + counts[letter]);
    std::array<std::uint8_t, 26> filled{};
    for (std::size_t i = 0; i < kWordCount; ++i) {
        const auto letter = static_cast<std::size_t>(kWords[i].name[0] - 'a');
        index.order[index.start[letter] + filled[letter]++] = static_cast<std::uint8_t>(i);
    }
    return index;
}
constexpr WordIndex kWordIndex = MakeWordIndex();

const ControlWord* FindWord(std::string_view name) {
    const char first = name[0];
    if (first < 'a' || first > 'z') return nullptr;
    const auto letter = static_cast<std::size_t>(first - 'a');
    for (std::size_t i = kWordIndex.start[letter]; i < kWordIndex.start[letter + 1]; ++i) {
        const ControlWord& word = kWords[kWordIndex.order[i]];
        if (word.name == name) return &word;
    }
    return nullptr;
}

constexpr ControlWord kParagraphMark{"\n", WordKind::Symbol, "\r\n"};
constexpr ControlWord kLeftBrace{"{", WordKind::Symbol, "{"};
constexpr ControlWord kRightBrace{"}", WordKind::Symbol, "}"};
constexpr ControlWord kBackslash{"\\", WordKind::Symbol, "\\"};
constexpr ControlWord kAsterisk{"*", WordKind::Asterisk, {}};
constexpr ControlWord kApostrophe{"'", WordKind::Apostrophe, {}};

const ControlWord* LookupSymbol(char symbol) {
    switch (symbol) {
        case '\n':
        case '\r': return &kParagraphMark;
        case '{': return &kLeftBrace;
        case '}': return &kRightBrace;
        case '\\': return &kBackslash;
        case '*': return &kAsterisk;
        case '\'': return &kApostrophe;
        default: return nullptr;
    }
}

// Bytes that leave the plain run in Normal input mode.
constexpr std::array<bool, 256> MakeSpecialBytes() {
    std::array<bool, 256> special{};
    special['\\'] = special['{'] = special['}'] = special['\r'] = special['\n'] = true;
    return special;
}
constexpr std::array<bool, 256> kSpecial = MakeSpecialBytes();

// Whether any of the eight bytes is one of the markup bytes, by the usual
// test for a zero byte applied to the word xor each markup byte.
constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
constexpr std::uint64_t kHighs = 0x8080808080808080ULL;
constexpr std::uint64_t ZeroByteMask(std::uint64_t word) { return (word - kOnes) & ~word & kHighs; }
constexpr bool HasSpecialByte(std::uint64_t word) {
    return (ZeroByteMask(word ^ (kOnes * '\\')) | ZeroByteMask(word ^ (kOnes * '{')) | ZeroByteMask(word ^ (kOnes * '}')) |
            ZeroByteMask(word ^ (kOnes * '\r')) | ZeroByteMask(word ^ (kOnes * '\n'))) != 0;
}
static_assert(HasSpecialByte(0x4141414141415C41ULL) && !HasSpecialByte(0x4141414141414141ULL) && !HasSpecialByte(0xB5B5B5B5B5B5B5B5ULL));

bool IsLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }

int HexDigitValue(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

enum class Destination : std::uint8_t { Normal, Skip };
enum class InputMode : std::uint8_t { Normal, Raw, Hex };

struct GroupEntry {
    Destination destination;
    InputMode mode;
};

class Reader {
public:
    // output must have input.size() bytes reserved: the plain text never needs more.
    Reader(std::string_view input, std::string& output) : next_(input.data()), end_(input.data() + input.size()), out_(output) {}

    // Appends the plain text, up to (not including) any zero byte.
    void Run() {
        while (running_ && next_ < end_) {
            if (mode_ == InputMode::Raw) {
                Emit(*next_++);
                continue;
            }
            if (mode_ == InputMode::Normal) CopyPlainRun();
            if (next_ == end_) break;
            const auto byte = static_cast<unsigned char>(*next_++);
            switch (byte) {
                case '\r':
                case '\n': break;
                case '\\': ReadControlWord(); break;
                case '{': OpenGroup(); break;
                case '}': CloseGroup(); break;
                default: TakeByte(byte); break;
            }
        }
        Flush();
    }

private:
    // The common case: ordinary bytes in Normal mode. They are scanned eight
    // at a time and appended a cache-sized block at a time, while the block is
    // still hot, instead of zero-filling the buffer first and copying later.
    void CopyPlainRun() {
        constexpr std::ptrdiff_t kBlock = 4096;
        while (next_ < end_) {
            const char* blockEnd = end_ - next_ > kBlock ? next_ + kBlock : end_;
            // Markup leaves short runs: those are cheaper byte by byte.
            const char* p = next_;
            const char* shortEnd = blockEnd - p > 16 ? p + 16 : blockEnd;
            while (p < shortEnd && !kSpecial[static_cast<unsigned char>(*p)]) ++p;
            if (p == shortEnd) {
                while (blockEnd - p >= 8) {
                    std::uint64_t word;
                    std::memcpy(&word, p, sizeof word);
                    if (HasSpecialByte(word)) break;
                    p += sizeof word;
                }
                while (p < blockEnd && !kSpecial[static_cast<unsigned char>(*p)]) ++p;
            }
            if (destination_ == Destination::Normal) Append(next_, static_cast<std::size_t>(p - next_));
            next_ = p;
            if (p < blockEnd) return;
        }
    }

    void TakeByte(unsigned char byte) {
        if (mode_ == InputMode::Normal) {
            Emit(static_cast<char>(byte));
            return;
        }
        const int digit = HexDigitValue(byte);
        if (digit < 0) {
            running_ = false;
            return;
        }
        hexValue_ = hexValue_ * 16 + digit;
        if (--hexDigitsExpected_ == 0) {
            const char value = static_cast<char>(hexValue_);
            hexValue_ = 0;
            hexDigitsExpected_ = 2;
            mode_ = InputMode::Normal;
            Emit(value);
        }
    }

    void OpenGroup() {
        try {
            groups_.push_back({destination_, mode_});
        } catch (const std::bad_alloc&) {
            running_ = false;
            return;
        }
        mode_ = InputMode::Normal;
    }

    void CloseGroup() {
        if (groups_.empty()) {
            running_ = false;
            return;
        }
        destination_ = groups_.back().destination;
        mode_ = groups_.back().mode;
        groups_.pop_back();
    }

    void ReadControlWord() {
        if (next_ == end_) {
            running_ = false;
            return;
        }
        const auto first = static_cast<unsigned char>(*next_);
        if (!IsLetter(first)) {
            ++next_;
            Lookup(LookupSymbol(static_cast<char>(first)));
            return;
        }
        // Names longer than the 31 letters a name field holds are read to
        // their end but never match: no listed name is that long.
        const char* nameStart = next_;
        while (next_ < end_ && IsLetter(static_cast<unsigned char>(*next_))) ++next_;
        const std::string_view name(nameStart, static_cast<std::size_t>(next_ - nameStart));

        bool negative = false;
        if (next_ < end_ && *next_ == '-') {
            negative = true;
            if (++next_ == end_) {
                running_ = false;
                return;
            }
        }
        if (next_ < end_ && IsDigit(static_cast<unsigned char>(*next_))) {
            // Wraps modulo 2^32 however many digits there are.
            std::uint32_t value = 0;
            while (next_ < end_ && IsDigit(static_cast<unsigned char>(*next_))) value = value * 10U + static_cast<std::uint32_t>(*next_++ - '0');
            if (negative) value = 0U - value;
            lastParameter_ = static_cast<std::int32_t>(value);
        }
        if (next_ < end_ && *next_ == ' ') ++next_;
        Lookup(name.size() <= kMaxNameLength ? FindWord(name) : nullptr);
    }

    void Lookup(const ControlWord* word) {
        const bool skipIfUnlisted = skipIfUnlisted_;
        skipIfUnlisted_ = false;
        if (word == nullptr) {
            if (skipIfUnlisted) destination_ = Destination::Skip;
            return;
        }
        switch (word->kind) {
            case WordKind::Symbol:
                for (char c : word->emits) Emit(c);
                break;
            case WordKind::Destination: destination_ = Destination::Skip; break;
            case WordKind::Property: break;
            case WordKind::Bin:
                mode_ = InputMode::Raw;
                rawCount_ = lastParameter_;
                break;
            case WordKind::Apostrophe:
                if (destination_ != Destination::Skip) mode_ = InputMode::Hex;
                break;
            case WordKind::Asterisk:
                if (destination_ != Destination::Skip) skipIfUnlisted_ = true;
                break;
        }
    }

    void Emit(char value) {
        if (mode_ == InputMode::Raw) {
            // Compared before the decrement so that the lowest count cannot overflow.
            if (rawCount_ <= 1) {
                rawCount_ = 0;
                mode_ = InputMode::Normal;
            } else {
                --rawCount_;
            }
        }
        if (destination_ == Destination::Skip) return;
        if (value == '\0') {
            // The result ends at a zero byte, so nothing after it matters.
            running_ = false;
            return;
        }
        if (stagedCount_ == staged_.size()) Flush();
        staged_[stagedCount_++] = value;
    }

    // Short runs join the staged bytes; long ones go straight to the output.
    void Append(const char* run, std::size_t length) {
        if (stagedCount_ + length > staged_.size()) Flush();
        if (length >= staged_.size()) {
            out_.append(run, length);
            return;
        }
        std::memcpy(staged_.data() + stagedCount_, run, length);
        stagedCount_ += length;
    }

    void Flush() {
        out_.append(staged_.data(), stagedCount_);
        stagedCount_ = 0;
    }

    static constexpr std::size_t kMaxNameLength = 31;

    const char* next_;
    const char* end_;
    std::string& out_;
    // Single emitted bytes and short runs gather here, so that markup costs a
    // store per byte rather than an append.
    std::array<char, 256> staged_;
    std::size_t stagedCount_ = 0;
    bool running_ = true;
    Destination destination_ = Destination::Normal;
    InputMode mode_ = InputMode::Normal;
    std::int32_t rawCount_ = 0;
    std::int32_t lastParameter_ = 0;
    bool skipIfUnlisted_ = false;
    int hexValue_ = 0;
    int hexDigitsExpected_ = 2;
    std::vector<GroupEntry> groups_;
};

}  // namespace

std::string ExtractPlainText(std::string_view text) {
    const std::string_view input = UpToZero(text);
    // Every emitted byte costs at least one input byte, so the output never
    // outgrows a buffer of the input's length.
    std::string output;
    output.reserve(input.size());
    Reader(input, output).Run();
    return output;
}

}  // namespace typovel
