#pragma once

// Byte-wise text helpers. A text is a std::string of code page 936 bytes that
// never holds a zero byte; absent and empty are the same value. Lengths and
// positions count bytes, and bytes compare as unsigned values.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>

namespace typovel {

// The text up to its first zero byte: the part a zero-terminated copy would keep.
std::string_view UpToZero(std::string_view text);

// Bytes before the first zero byte.
std::size_t ByteLength(std::string_view text);

// The first count bytes (fewer when the text is shorter); empty for count <= 0.
std::string LeftBytes(std::string_view text, std::int32_t count);

// The byte at a position counted from 1, read as signed 8-bit; 0 outside the text.
std::int32_t ByteCodeAt(std::string_view text, std::int32_t position);

// -1, 0 or 1; a text that begins the other is the smaller one.
int CompareBytes(std::string_view a, std::string_view b);

// A fresh text holding the parts in order.
std::string JoinTexts(std::initializer_list<std::string_view> parts);

}  // namespace typovel
