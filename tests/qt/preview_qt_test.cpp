// Previews through the real window: every line set in exactly the face its
// name selects, no glyph borrowed from another font, and the bad input that
// must still preview.

#include <QAbstractTextDocumentLayout>
#include <QFontInfo>
#include <QGlyphRun>
#include <QPushButton>
#include <QRadioButton>
#include <QRawFont>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <fstream>

#include "preview/char_format.h"
#include "preview/preview_command.h"
#include "qt_test_support.h"
#include "shells/qt/control_widgets.h"
#include "shells/qt/rich_view_widget.h"
#include "tests/shared/shell_cases.h"

using namespace typovel;
using namespace typovel::qt;
using namespace typovel::qt::testing;

namespace {

// Resident memory in KiB, as the kernel counts it.
long ResidentKibibytes() {
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long value = 0;
            status >> value;
            return value;
        }
        status.ignore(std::numeric_limits<std::streamsize>::max(), '\n');
    }
    return -1;
}

struct LineFace {
    QString name;
    QTextCharFormat format;
    QList<QGlyphRun> runs;
};

// Each preview line's listed name, its format, and the glyph runs Qt laid it out with.
std::vector<LineFace> PreviewLines(QTextDocument& document, int lineCount) {
    std::vector<LineFace> lines;
    QTextBlock block = document.begin();
    // Lays the whole document out, as showing it would.
    document.documentLayout()->documentSize();
    for (int i = 0; i < lineCount && block.isValid(); ++i, block = block.next()) {
        const QTextCharFormat format = block.begin().fragment().charFormat();
        QList<QGlyphRun> runs;
        // Line by line: the whole layout's glyphRuns() comes back empty in Qt 6.4.
        for (int row = 0; row < block.layout()->lineCount(); ++row) runs += block.layout()->lineAt(row).glyphRuns();
        lines.push_back({format.property(RichViewWidget::kFaceNameProperty).toString(), format, runs});
    }
    return lines;
}

}  // namespace

class PreviewQtTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<StartedWindow> started_;

    FontCheckListWidget& List() { return *started_->Find<FontCheckListWidget>(ControlId::FontList); }
    RichViewWidget& View() { return *started_->Find<RichViewWidget>(ControlId::PreviewView); }
    void Preview(const QString& sample) {
        started_->Find<InputBoxWidget>(ControlId::InputBox)->setText(sample);
        QTest::mouseClick(started_->Find<QPushButton>(ControlId::PreviewButton), Qt::LeftButton);
    }
    int TickedCount() {
        int ticked = 0;
        for (int i = 0; i < List().ItemCount(); ++i) ticked += List().IsItemTicked(i) ? 1 : 0;
        return ticked;
    }
    void TypeSize(const QString& text) {
        auto* sizeBox = started_->Find<SizeBoxWidget>(ControlId::SizeBox);
        sizeBox->setFocus();
        sizeBox->lineEdit()->selectAll();
        QTest::keyClick(sizeBox->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(sizeBox->lineEdit(), text);
    }

private slots:
    void init() { started_ = std::make_unique<StartedWindow>(); }
    void cleanup() { started_.reset(); }

    void everyLineIsSetInTheFaceItsNameSelects_data() {
        QTest::addColumn<int>("radio");
        QTest::addRow("chinese") << static_cast<int>(ControlId::ChineseRadio);
        QTest::addRow("english") << static_cast<int>(ControlId::EnglishRadio);
    }
    void everyLineIsSetInTheFaceItsNameSelects() {
        QFETCH(int, radio);
        QTest::mouseClick(started_->Find<QRadioButton>(static_cast<ControlId>(radio)), Qt::LeftButton);
        QVERIFY(List().ItemCount() > 0);
        Preview(QStringLiteral("AaBbGg 0123"));
        const std::vector<LineFace> lines = PreviewLines(*View().document(), List().ItemCount());
        QCOMPARE(static_cast<int>(lines.size()), List().ItemCount());
        for (int i = 0; i < List().ItemCount(); ++i) {
            const LineFace& line = lines[static_cast<std::size_t>(i)];
            QCOMPARE(line.name, Cp(List().ItemText(i)));
            const MatchedFace face = MatchFace(line.name);
            const QFont font = line.format.font();
            QVERIFY(font.styleStrategy() & QFont::NoFontMerging);
            const QRawFont raw = QRawFont::fromFont(font);
            QVERIFY2(raw.familyName() == face.family && raw.styleName() == face.style,
                     qPrintable(line.name + QStringLiteral(" gave ") + raw.familyName() + QLatin1Char(' ') + raw.styleName()));
            const QFontInfo info(font);
            QCOMPARE(info.family(), face.family);
            QCOMPARE(info.styleName(), face.style);
            QVERIFY(!line.runs.isEmpty());
            for (const QGlyphRun& run : line.runs) {
                QVERIFY2(run.rawFont().familyName() == face.family && run.rawFont().styleName() == face.style, qPrintable(line.name));
            }
        }
    }

    void aLatinFaceShowsItsOwnMissingGlyph() {
        List().ClearList();
        List().TickItem(List().AddItem("DejaVu Sans"));
        Preview(Cp("\xD7\xD6\xCC\xE5"));  // 字体
        const std::vector<LineFace> lines = PreviewLines(*View().document(), 1);
        QCOMPARE(lines.size(), std::size_t{1});
        int missing = 0;
        for (const QGlyphRun& run : lines.front().runs) {
            QCOMPARE(run.rawFont().familyName(), QStringLiteral("DejaVu Sans"));
            QCOMPARE(run.rawFont().styleName(), QStringLiteral("Book"));
            for (const quint32 glyph : run.glyphIndexes()) missing += glyph == 0 ? 1 : 0;
        }
        // 字 and 体, and the full-width colon, which DejaVu Sans lacks too.
        QCOMPARE(missing, 3);
    }

    void badSizesStillPreview_data() {
        QTest::addColumn<QString>("size");
        for (const std::string_view size : shell_cases::kBadSizes) QTest::addRow("%s", std::string(size).c_str()) << Cp(size);
    }
    void badSizesStillPreview() {
        QFETCH(QString, size);
        TypeSize(size);
        const std::int32_t stored = started_->State().previewFormat.size;
        Preview(QStringLiteral("abc"));
        QCOMPARE(View().document()->blockCount(), TickedCount() + 1);
        for (const LineFace& line : PreviewLines(*View().document(), TickedCount())) {
            QCOMPARE(line.format.property(RichViewWidget::kHeightProperty).toInt(), PointsToTwips(stored));
            QVERIFY(line.format.fontPointSize() >= kMinimumPointSize && line.format.fontPointSize() <= kMaximumPointSize);
        }
        QVERIFY(!started_->Window().grab().isNull());
    }

    void aMebibyteSampleForTwentyFonts() {
        QTest::mouseClick(started_->Find<QRadioButton>(ControlId::EnglishRadio), Qt::LeftButton);
        QVERIFY(List().ItemCount() >= 20);
        for (int i = 20; i < List().ItemCount(); ++i) List().TickItem(i, false);
        const std::string unit = "Typovel \xD7\xD6\xCC\xE5 0123456789 ";  // 字体
        std::string sample;
        while (sample.size() + unit.size() <= 1024 * 1024) sample += unit;
        const long before = ResidentKibibytes();
        Preview(Cp(sample));
        QTextDocument& document = *View().document();
        QCOMPARE(document.blockCount(), 21);
        // Lines that would take the view past what Qt lays out are cut, marked with "…".
        std::int64_t viewBytes = 0;
        int whole = 0;
        for (int i = 0; i < 20; ++i) {
            const QString text = document.findBlockByNumber(i).text();
            const QString head = Cp(List().ItemText(i)) + Cp(kFullWidthColon);
            if (text == head + Cp(sample)) {
                ++whole;
            } else {
                QVERIFY(text.endsWith(QChar(0x2026)));
                QVERIFY((head + Cp(sample)).startsWith(text.chopped(1)));
            }
            viewBytes += static_cast<std::int64_t>(ToCp936(text).size()) + 2;
        }
        QVERIFY(whole >= 1);
        QCOMPARE(static_cast<std::int64_t>(View().TextLength()), viewBytes);
        QVERIFY(document.documentLayout()->documentSize().height() < 2 * kHeightBudget);
        QVERIFY(!started_->Window().grab().isNull());
        const long grown = ResidentKibibytes() - before;
        qInfo("resident memory grew by %ld MiB", grown / 1024);
        QVERIFY2(grown < 1024 * 1024, "more than 1 GiB for a 20 MiB preview");
    }

    void manyLinesAtTheLargestSizeStayWithinTheLayout() {
        TypeSize(QStringLiteral("2000"));
        QTest::mouseClick(started_->Find<QRadioButton>(ControlId::EnglishRadio), Qt::LeftButton);
        Preview(QString(3000, QLatin1Char('W')));
        QCOMPARE(View().document()->blockCount(), List().ItemCount() + 1);
        QVERIFY(View().document()->documentLayout()->documentSize().height() < 2 * kHeightBudget);
        QVERIFY(!started_->Window().grab().isNull());
    }

    void markupSamples_data() {
        QTest::addColumn<QByteArray>("sample");
        QTest::addColumn<QByteArray>("plain");
        QTest::addRow("shared sample") << QByteArray(shell_cases::kMarkupSample.data(), static_cast<qsizetype>(shell_cases::kMarkupSample.size()))
                                       << QByteArray(shell_cases::kMarkupPlain.data(), static_cast<qsizetype>(shell_cases::kMarkupPlain.size()));
        QTest::addRow("deep nesting") << QByteArray(50000, '{') + "x" + QByteArray(50000, '}') << QByteArray("x");
        QTest::addRow("unclosed groups") << QByteArray(50000, '{') + "y" << QByteArray("y");
        QTest::addRow("many paragraphs") << QByteArray("{\\rtf1 ") + QByteArray("\\par ").repeated(20000) + "}" << QByteArray("\r\n").repeated(20000);
        QTest::addRow("dangling escape") << QByteArray("z\\'") << QByteArray("z");
    }
    void markupSamples() {
        QFETCH(QByteArray, sample);
        QFETCH(QByteArray, plain);
        Preview(Cp(std::string_view(sample.constData(), static_cast<std::size_t>(sample.size()))));
        QString expected;
        QString plainText = Cp(std::string_view(plain.constData(), static_cast<std::size_t>(plain.size())));
        plainText.replace(QStringLiteral("\r\n"), QChar(QChar::ParagraphSeparator));
        for (int i = 0; i < List().ItemCount(); ++i) expected += Cp(List().ItemText(i)) + Cp(kFullWidthColon) + plainText + QChar(QChar::ParagraphSeparator);
        QCOMPARE(View().document()->toRawText(), expected);
    }
};

QTEST_MAIN(PreviewQtTest)
#include "preview_qt_test.moc"
