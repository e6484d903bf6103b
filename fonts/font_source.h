#pragma once

#include <string>
#include <vector>

namespace typovel {

// The platform's font enumeration. Every call enumerates afresh and returns
// every face name the platform reports, in reporting order, repeats included,
// as code page 936 bytes. Nothing is filtered. UI thread only.
class FontSource {
public:
    virtual ~FontSource() = default;
    virtual std::vector<std::string> ReportedFaces() = 0;
};

// The system font list: the reports, reversed and collapsed.
std::vector<std::string> EnumerateFontFaces(FontSource& source);

}  // namespace typovel
