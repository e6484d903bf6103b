// The message box port on a real QMessageBox: the buttons each style asks
// for, the answer each button gives, and the caption rule through the core.

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "services/message_box.h"
#include "shells/qt/cp936.h"
#include "shells/qt/message_box_qt.h"

using namespace typovel;
using namespace typovel::qt;

namespace {

struct Seen {
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    Qt::WindowModality modality = Qt::NonModal;
    QWidget* parent = nullptr;
};

// Presses one button of the next modal box once it is up.
void PressOnNextBox(QMessageBox::StandardButton button, Seen& seen) {
    QTimer::singleShot(0, [button, &seen] {
        QTRY_VERIFY(qobject_cast<QMessageBox*>(QApplication::activeModalWidget()) != nullptr);
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        seen = {box->windowTitle(), box->text(), box->standardButtons(), box->windowModality(), box->parentWidget()};
        QTest::mouseClick(box->button(button), Qt::LeftButton);
    });
}

}  // namespace

class MessageBoxQtTest : public QObject {
    Q_OBJECT

private slots:
    void buttonsAndAnswers_data() {
        QTest::addColumn<quint32>("style");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("pressed");
        QTest::addColumn<int>("answer");
        const auto add = [](const char* name, quint32 style, QMessageBox::StandardButtons buttons, QMessageBox::StandardButton pressed, int answer) {
            QTest::addRow("%s", name) << style << static_cast<int>(buttons) << static_cast<int>(pressed) << answer;
        };
        add("ok", kMbOk | kMbTaskModal, QMessageBox::Ok, QMessageBox::Ok, kIdOk);
        add("ok cancel, cancel", 1, QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel, kIdCancel);
        add("abort retry ignore, retry", 2, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Retry, kIdRetry);
        add("abort retry ignore, ignore", 2, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Ignore, kIdIgnore);
        add("abort retry ignore, abort", 2, QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Abort, kIdAbort);
        add("yes no cancel, no", 3, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::No, kIdNo);
        add("yes no, yes", 4 | kMbSystemModal, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes, kIdYes);
        add("retry cancel, retry", 5, QMessageBox::Retry | QMessageBox::Cancel, QMessageBox::Retry, kIdRetry);
    }
    void buttonsAndAnswers() {
        QFETCH(quint32, style);
        QFETCH(int, buttons);
        QFETCH(int, pressed);
        QFETCH(int, answer);
        QtMessageBox port;
        Seen seen;
        PressOnNextBox(static_cast<QMessageBox::StandardButton>(pressed), seen);
        QCOMPARE(port.Show("\xC7\xEB\xCA\xE4\xC8\xEB\xC4\xDA\xC8\xDD\xA3\xA1", kDefaultCaption, style, nullptr), answer);
        QCOMPARE(static_cast<int>(seen.buttons), buttons);
        QCOMPARE(seen.caption, QString::fromUtf8("信息："));
        QCOMPARE(seen.text, QString::fromUtf8("请输入内容！"));
        QCOMPARE(seen.modality, Qt::ApplicationModal);
        QCOMPARE(seen.parent, nullptr);
    }

    void showMessageMapsTheAnswer() {
        QtMessageBox port;
        Seen seen;
        PressOnNextBox(QMessageBox::No, seen);
        QCOMPARE(ShowMessage(port, "x", 4), 6);
        QCOMPARE(seen.caption, QString::fromUtf8("信息："));
        PressOnNextBox(QMessageBox::Ok, seen);
        QCOMPARE(ShowMessage(port, "x", 0, std::string_view("Typovel")), 0);
        QCOMPARE(seen.caption, QStringLiteral("Typovel"));
    }
};

QTEST_MAIN(MessageBoxQtTest)
#include "message_box_qt_test.moc"
