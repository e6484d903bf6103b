#pragma once

#include <string>
#include <string_view>

namespace typovel {

// The plain text that remains when the sample is read as RTF with a fixed
// table of control words, byte by byte. Never fails and never throws:
// malformed markup ends the reading and what was read so far is the result.
// The result is never longer than the argument and holds no zero byte.
std::string ExtractPlainText(std::string_view text);

}  // namespace typovel
