#pragma once

// The installed faces as fontconfig knows them, for the Qt shell. Each family
// is reported under the name a Chinese Windows desktop lists it by, and a
// listed name is turned back into the exact face fontconfig matches for it.

#include <QHash>
#include <QString>

#include <string>
#include <vector>

#include "fonts/font_source.h"

namespace typovel {

// One of a family's names with its fontconfig language ("en", "zh-cn", ...).
struct FamilyName {
    QString name;
    QString language;
};

// The name a family is listed by: the language is zh-cn, then another zh one,
// when it has a name code page 936 can hold, else that of the first name; within
// the language, the last name, which is the legacy, style-specific family
// fontconfig lists after the typographic one. Empty when there are no names.
QString ListedFamilyName(const std::vector<FamilyName>& names);

// The face fontconfig matches for a family name: its first family and style,
// which are the names Qt's font database registers that face under.
struct MatchedFace {
    QString family;
    QString style;
};
MatchedFace MatchFace(const QString& familyName);

// MatchFace with the answers kept until fontconfig's configuration changes,
// which it does when the font source finds fonts installed or removed.
class FaceMatcher {
public:
    MatchedFace Match(const QString& familyName);

private:
    const void* configuration_ = nullptr;
    QHash<QString, MatchedFace> faces_;
};

// FcFontList over every family, in fontconfig's order, one report per
// distinct set of family names. Enumerates afresh on every call.
class FontconfigFontSource final : public FontSource {
public:
    std::vector<std::string> ReportedFaces() override;
};

}  // namespace typovel
