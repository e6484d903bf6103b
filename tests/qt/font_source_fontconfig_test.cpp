// The font source over the installed fonts: which name each family is listed
// by, and that a listed name leads back to the face fontconfig matches.

#include <QTest>

#include <algorithm>
#include <set>

#include "fonts/font_list.h"
#include "fonts/font_source_fontconfig.h"
#include "shells/qt/cp936.h"
#include "tests/shared/shell_cases.h"

using namespace typovel;
using namespace typovel::qt;

Q_DECLARE_METATYPE(std::vector<typovel::FamilyName>)

namespace {

std::vector<FamilyName> Names(std::initializer_list<std::pair<const char*, const char*>> entries) {
    std::vector<FamilyName> names;
    for (const auto& [name, language] : entries) names.push_back({QString::fromUtf8(name), QString::fromUtf8(language)});
    return names;
}

}  // namespace

class FontSourceFontconfigTest : public QObject {
    Q_OBJECT

private slots:
    void listedName_data() {
        QTest::addColumn<std::vector<FamilyName>>("names");
        QTest::addColumn<QString>("listed");
        QTest::addRow("english only") << Names({{"Liberation Sans", "en"}}) << "Liberation Sans";
        QTest::addRow("legacy family after the typographic one")
            << Names({{"DejaVu Sans", "en"}, {"DejaVu Sans Condensed", "en"}}) << "DejaVu Sans Condensed";
        QTest::addRow("zh-cn before zh-tw")
            << Names({{"WenQuanYi Zen Hei", "en"}, {"文泉驛正黑", "zh-tw"}, {"文泉驿正黑", "zh-cn"}}) << QString::fromUtf8("文泉驿正黑");
        QTest::addRow("another zh when there is no zh-cn")
            << Names({{"Example Ming", "en"}, {"範例明體", "zh-tw"}}) << QString::fromUtf8("範例明體");
        QTest::addRow("zh-cn legacy family")
            << Names({{"Example Hei", "en"}, {"例黑", "zh-cn"}, {"Example Hei Light", "en"}, {"例黑 细", "zh-cn"}})
            << QString::fromUtf8("例黑 细");
        QTest::addRow("a zh name the code page cannot hold")
            << Names({{"Example Gothic", "en"}, {"예제 고딕", "zh-cn"}}) << "Example Gothic";
        QTest::addRow("japanese is not chinese") << Names({{"Example Mincho", "en"}, {"例明朝", "ja"}}) << "Example Mincho";
        QTest::addRow("first language when it is not english")
            << Names({{"例宋", "zh-cn"}, {"Example Song", "en"}}) << QString::fromUtf8("例宋");
        QTest::addRow("long names stay whole")
            << Names({{"An Unusually Long Family Name That Goes On And On", "en"}})
            << "An Unusually Long Family Name That Goes On And On";
        QTest::addRow("no names") << std::vector<FamilyName>{} << QString();
    }
    void listedName() {
        QFETCH(std::vector<FamilyName>, names);
        QFETCH(QString, listed);
        QCOMPARE(ListedFamilyName(names), listed);
    }

    void reportsTheInstalledFamilies() {
        FontconfigFontSource source;
        const std::vector<std::string> reports = source.ReportedFaces();
        const std::set<std::string> names(reports.begin(), reports.end());
        // One report per set of family names: the styles of DejaVu Sans fold into one.
        QCOMPARE(std::count(reports.begin(), reports.end(), std::string("DejaVu Sans")), std::ptrdiff_t{1});
        for (const char* name : {"DejaVu Sans", "DejaVu Sans Condensed", "DejaVu Sans Light", "DejaVu Serif Condensed", "Noto Sans CJK SC"}) {
            QVERIFY2(names.count(name) == 1, name);
        }
        QVERIFY(names.count(std::string(shell_cases::kWenQuanYiZenHei)) == 1);
        QVERIFY(names.count("WenQuanYi Zen Hei") == 0);
        for (const std::string& name : reports) {
            QVERIFY(!name.empty());
            QVERIFY(name.find('\0') == std::string::npos);
        }
        QVERIFY(source.ReportedFaces() == reports);
    }

    void matchedFaces_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("style");
        QTest::addRow("book") << "DejaVu Sans" << "DejaVu Sans" << "Book";
        QTest::addRow("light is the extra-light face") << "DejaVu Sans Light" << "DejaVu Sans" << "ExtraLight";
        QTest::addRow("condensed") << "DejaVu Sans Condensed" << "DejaVu Sans" << "Condensed";
        QTest::addRow("chinese name") << QString::fromUtf8("文泉驿正黑") << "WenQuanYi Zen Hei" << "Regular";
    }
    void matchedFaces() {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(QString, style);
        const MatchedFace face = MatchFace(name);
        QCOMPARE(face.family, family);
        QCOMPARE(face.style, style);
    }
};

QTEST_APPLESS_MAIN(FontSourceFontconfigTest)
#include "font_source_fontconfig_test.moc"
