#include "services/text.h"

#include <algorithm>

namespace typovel {

std::string_view UpToZero(std::string_view text) {
    return text.substr(0, text.find('\0'));
}

std::size_t ByteLength(std::string_view text) {
    return UpToZero(text).size();
}

std::string LeftBytes(std::string_view text, std::int32_t count) {
    if (count <= 0) return {};
    const std::string_view whole = UpToZero(text);
    return std::string(whole.substr(0, std::min<std::size_t>(static_cast<std::size_t>(count), whole.size())));
}

std::int32_t ByteCodeAt(std::string_view text, std::int32_t position) {
    const std::string_view whole = UpToZero(text);
    if (position < 1 || static_cast<std::size_t>(position) > whole.size()) return 0;
    return static_cast<std::int8_t>(static_cast<unsigned char>(whole[static_cast<std::size_t>(position) - 1]));
}

int CompareBytes(std::string_view a, std::string_view b) {
    const std::string_view left = UpToZero(a);
    const std::string_view right = UpToZero(b);
    // std::string_view::compare uses char_traits<char>, which compares as
    // unsigned char, so 0xB0 sorts after 0x41 as it must.
    const int order = left.compare(right);
    return (order > 0) - (order < 0);
}

std::string JoinTexts(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (std::string_view part : parts) total += ByteLength(part);
    std::string joined;
    joined.reserve(total);
    for (std::string_view part : parts) joined.append(UpToZero(part));
    return joined;
}

}  // namespace typovel
