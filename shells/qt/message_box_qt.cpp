#include "shells/qt/message_box_qt.h"

#include <QMessageBox>

#include "shells/qt/cp936.h"

namespace typovel::qt {
namespace {

QMessageBox::StandardButtons ButtonsFor(std::uint32_t style) {
    switch (style & 0xFU) {
        case 1: return QMessageBox::Ok | QMessageBox::Cancel;
        case 2: return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
        case 3: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case 4: return QMessageBox::Yes | QMessageBox::No;
        case 5: return QMessageBox::Retry | QMessageBox::Cancel;
        default: return QMessageBox::Ok;
    }
}

int AnswerFor(int button) {
    switch (button) {
        case QMessageBox::Ok: return kIdOk;
        case QMessageBox::Cancel: return kIdCancel;
        case QMessageBox::Abort: return kIdAbort;
        case QMessageBox::Retry: return kIdRetry;
        case QMessageBox::Ignore: return kIdIgnore;
        case QMessageBox::Yes: return kIdYes;
        case QMessageBox::No: return kIdNo;
        default: return 0;
    }
}

}  // namespace

int QtMessageBox::Show(std::string_view message, std::string_view caption, std::uint32_t style, const Control* owner) {
    QMessageBox box(QMessageBox::NoIcon, FromCp936(caption), FromCp936(message), ButtonsFor(style),
                    const_cast<QWidget*>(dynamic_cast<const QWidget*>(owner)));
    box.setObjectName(QStringLiteral("messageBox"));
    // Task-modal and system-modal both keep every window of the program from input.
    box.setWindowModality(Qt::ApplicationModal);
    return AnswerFor(box.exec());
}

}  // namespace typovel::qt
