#include "shells/qt/cp936.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace typovel::qt {
namespace {

// ICU knows code page 936 under this name; Qt reports it back as "GBK".
constexpr const char* kCodePage = "windows-936";

QStringEncoder& Encoder() {
    static QStringEncoder encoder(kCodePage);
    encoder.resetState();
    return encoder;
}

QStringDecoder& Decoder() {
    static QStringDecoder decoder(kCodePage);
    decoder.resetState();
    return decoder;
}

}  // namespace

std::string ToCp936(const QString& text) {
    const QByteArray bytes = Encoder().encode(text);
    const qsizetype zero = bytes.indexOf('\0');
    return std::string(bytes.constData(), static_cast<std::size_t>(zero < 0 ? bytes.size() : zero));
}

QString FromCp936(std::string_view bytes) {
    return Decoder().decode(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
}

bool FitsCp936(const QString& text) {
    // A "?" the text did not have marks a character the code page lacks.
    return FromCp936(ToCp936(text)) == text;
}

}  // namespace typovel::qt
