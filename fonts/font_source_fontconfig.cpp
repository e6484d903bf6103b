#include "fonts/font_source_fontconfig.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>

#include "shells/qt/cp936.h"

namespace typovel {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct ObjectSetDeleter {
    void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};
struct FontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

QString StringAt(const FcPattern* pattern, const char* object, int index) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, index, &value) != FcResultMatch || value == nullptr) return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(value));
}

std::vector<FamilyName> FamilyNamesOf(const FcPattern* pattern) {
    std::vector<FamilyName> names;
    FcChar8* value = nullptr;
    for (int i = 0; FcPatternGetString(pattern, FC_FAMILY, i, &value) == FcResultMatch; ++i) {
        names.push_back({QString::fromUtf8(reinterpret_cast<const char*>(value)), StringAt(pattern, FC_FAMILYLANG, i)});
    }
    return names;
}

bool IsChinese(const QString& language, bool mainlandOnly) {
    const QString folded = language.toLower();
    return mainlandOnly ? folded == u"zh-cn" : folded == u"zh" || folded.startsWith(u"zh-");
}

}  // namespace

QString ListedFamilyName(const std::vector<FamilyName>& names) {
    if (names.empty()) return {};
    QString language = names.front().language;
    for (const bool mainlandOnly : {true, false}) {
        const auto found = std::find_if(names.begin(), names.end(), [&](const FamilyName& entry) {
            return IsChinese(entry.language, mainlandOnly) && qt::FitsCp936(entry.name);
        });
        if (found != names.end()) {
            language = found->language;
            break;
        }
    }
    QString listed;
    for (const FamilyName& entry : names) {
        if (entry.language == language) listed = entry.name;
    }
    return listed;
}

MatchedFace MatchFace(const QString& familyName) {
    const Pattern request(FcPatternCreate());
    if (!request) return {};
    const QByteArray utf8 = familyName.toUtf8();
    FcPatternAddString(request.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(utf8.constData()));
    FcConfigSubstitute(nullptr, request.get(), FcMatchPattern);
    FcDefaultSubstitute(request.get());
    FcResult result = FcResultNoMatch;
    const Pattern match(FcFontMatch(nullptr, request.get(), &result));
    if (!match) return {};
    return {StringAt(match.get(), FC_FAMILY, 0), StringAt(match.get(), FC_STYLE, 0)};
}

MatchedFace FaceMatcher::Match(const QString& familyName) {
    const void* configuration = FcConfigGetCurrent();
    if (configuration != configuration_) {
        faces_.clear();
        configuration_ = configuration;
    }
    auto face = faces_.find(familyName);
    if (face == faces_.end()) face = faces_.insert(familyName, MatchFace(familyName));
    return *face;
}

std::vector<std::string> FontconfigFontSource::ReportedFaces() {
    // Picks up fonts installed since the last call, as a fresh enumeration would.
    FcInitBringUptoDate();
    std::vector<std::string> reports;
    const Pattern all(FcPatternCreate());
    const std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, nullptr));
    if (!all || !objects) return reports;
    // Listing only the names folds a family's styles into one report, as the
    // Windows enumeration reports a family, not each of its faces.
    const std::unique_ptr<FcFontSet, FontSetDeleter> fonts(FcFontList(nullptr, all.get(), objects.get()));
    if (!fonts) return reports;
    for (int i = 0; i < fonts->nfont; ++i) {
        const QString listed = ListedFamilyName(FamilyNamesOf(fonts->fonts[i]));
        if (!listed.isEmpty()) reports.push_back(qt::ToCp936(listed));
    }
    return reports;
}

}  // namespace typovel
