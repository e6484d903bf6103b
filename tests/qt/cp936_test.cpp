// The text boundary: what crosses between Qt and the core, both ways.

#include <QTest>

#include "shells/qt/cp936.h"

using namespace typovel::qt;

class Cp936Test : public QObject {
    Q_OBJECT

private slots:
    void toCodePage_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addRow("ascii") << QStringLiteral("Arial 12") << QByteArray("Arial 12");
        QTest::addRow("hanzi") << QString::fromUtf8("宋体") << QByteArray("\xCB\xCE\xCC\xE5");
        QTest::addRow("full-width colon") << QString::fromUtf8("：") << QByteArray("\xA3\xBA");
        QTest::addRow("traditional") << QString::fromUtf8("驛") << QByteArray("\xF3\x41");
        QTest::addRow("euro") << QString::fromUtf8("€") << QByteArray("\x80");
        QTest::addRow("hangul is not held") << QString::fromUtf8("a한b") << QByteArray("a?b");
        QTest::addRow("astral is one mark") << QString::fromUtf8("x😀y") << QByteArray("x?y");
        QTest::addRow("zero cuts") << QString(QStringLiteral("ab") + QChar(0) + QStringLiteral("cd")) << QByteArray("ab");
        QTest::addRow("empty") << QString() << QByteArray();
    }
    void toCodePage() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        const std::string encoded = ToCp936(text);
        QCOMPARE(QByteArray(encoded.data(), static_cast<qsizetype>(encoded.size())), bytes);
    }

    void fromCodePage_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addRow("hanzi") << QByteArray("\xCE\xC4\xC8\xAA\xE6\xE4") << QString::fromUtf8("文泉驿");
        QTest::addRow("crlf stays") << QByteArray("a\r\nb") << QStringLiteral("a\r\nb");
        QTest::addRow("markup stays") << QByteArray("{\\rtf1 x}") << QStringLiteral("{\\rtf1 x}");
    }
    void fromCodePage() {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(FromCp936(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))), text);
    }

    void fits_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("fits");
        QTest::addRow("simplified") << QString::fromUtf8("文泉驿正黑") << true;
        QTest::addRow("latin") << QStringLiteral("DejaVu Sans") << true;
        QTest::addRow("hangul") << QString::fromUtf8("나눔고딕") << false;
        QTest::addRow("a real question mark") << QStringLiteral("Why?") << true;
    }
    void fits() {
        QFETCH(QString, text);
        QFETCH(bool, fits);
        QCOMPARE(FitsCp936(text), fits);
    }
};

QTEST_APPLESS_MAIN(Cp936Test)
#include "cp936_test.moc"
