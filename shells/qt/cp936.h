#pragma once

// The text boundary between Qt and the core: every text crosses as code page
// 936 bytes. UI thread only (the converters are shared).

#include <QString>

#include <string>
#include <string_view>

namespace typovel::qt {

// Characters the code page cannot hold become "?", as in an ANSI control.
// The result stops before the first zero byte, since a core text never holds one.
std::string ToCp936(const QString& text);

QString FromCp936(std::string_view bytes);

// True when the code page holds every character of the text.
bool FitsCp936(const QString& text);

}  // namespace typovel::qt
