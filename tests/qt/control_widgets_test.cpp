// The control ports carried out by the real widgets: each operation's edge
// cases, and that none of them raises a signal a handler is bound to.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "app/controls.h"
#include "app/main_window.h"
#include "shells/qt/control_widgets.h"
#include "shells/qt/cp936.h"
#include "tests/shared/shell_cases.h"

using namespace typovel;
using namespace typovel::qt;

class ControlWidgetsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QWidget> host_;
    FontCheckListWidget* list_ = nullptr;
    SizeBoxWidget* sizeBox_ = nullptr;
    InputBoxWidget* input_ = nullptr;

private slots:
    void init() {
        host_ = std::make_unique<QWidget>();
        list_ = new FontCheckListWidget(host_.get());
        sizeBox_ = new SizeBoxWidget(host_.get());
        input_ = new InputBoxWidget(host_.get());
        host_->show();
        QVERIFY(QTest::qWaitForWindowExposed(host_.get()));
    }
    void cleanup() { host_.reset(); }

    void addAfterClearCountsFromZero() {
        list_->AddItem("old");
        list_->ClearList();
        QCOMPARE(list_->ItemCount(), 0);
        QCOMPARE(list_->AddItem("A"), 0);
        QCOMPARE(list_->AddItem("B", 7), 1);
        QCOMPARE(list_->AddItem("\xCB\xCE\xCC\xE5"), 2);
        QCOMPARE(list_->ItemCount(), 3);
        for (int i = 0; i < 3; ++i) QVERIFY(!list_->IsItemTicked(i));
        QCOMPARE(list_->item(2)->text(), QString::fromUtf8("宋体"));
        QCOMPARE(list_->ItemText(2), std::string("\xCB\xCE\xCC\xE5"));
        // The value lives apart from the tick.
        QCOMPARE(list_->item(1)->data(FontCheckListWidget::kValueRole).toInt(), 7);
        QCOMPARE(list_->item(0)->data(FontCheckListWidget::kValueRole).toInt(), 0);
        QCOMPARE(list_->item(1)->checkState(), Qt::Unchecked);
        QVERIFY(list_->item(1)->flags() & Qt::ItemIsUserCheckable);
    }

    void outOfRangeIndexes_data() {
        QTest::addColumn<int>("index");
        QTest::addRow("count") << 2;
        QTest::addRow("past count") << 50;
        QTest::addRow("minus one") << -1;
        QTest::addRow("very negative") << std::numeric_limits<int>::min();
    }
    void outOfRangeIndexes() {
        QFETCH(int, index);
        list_->AddItem("A");
        list_->AddItem("B");
        QVERIFY(!list_->TickItem(index));
        QVERIFY(!list_->TickItem(index, false));
        QVERIFY(!list_->IsItemTicked(index));
        QCOMPARE(list_->ItemText(index), std::string());
        QCOMPARE(list_->ItemCount(), 2);
        QVERIFY(!list_->IsItemTicked(0) && !list_->IsItemTicked(1));
    }

    void tickingAndItsDefault() {
        list_->AddItem("A");
        list_->AddItem("B");
        QVERIFY(list_->TickItem(1));
        QVERIFY(list_->IsItemTicked(1));
        QVERIFY(!list_->IsItemTicked(0));
        QVERIFY(list_->TickItem(1, false));
        QVERIFY(!list_->IsItemTicked(1));
    }

    void emptyItemText() {
        QCOMPARE(list_->AddItem(""), 0);
        QCOMPARE(list_->ItemCount(), 1);
        QCOMPARE(list_->ItemText(0), std::string());
    }

    void userTicksAreRead() {
        list_->AddItem("A");
        list_->AddItem("B");
        list_->setFocus();
        list_->setCurrentRow(1);
        QTest::keyClick(list_, Qt::Key_Space);
        QVERIFY(list_->IsItemTicked(1));
        QTest::keyClick(list_, Qt::Key_Space);
        QVERIFY(!list_->IsItemTicked(1));
        const QRect row = list_->visualItemRect(list_->item(0));
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, QPoint(row.left() + 8, row.center().y()));
        QVERIFY(list_->IsItemTicked(0));
    }

    void operationsRaiseNothing() {
        QSignalSpy changed(list_, &QListWidget::itemChanged);
        QSignalSpy chosen(sizeBox_, &QComboBox::activated);
        QSignalSpy indexChanged(sizeBox_, &QComboBox::currentIndexChanged);
        QSignalSpy edited(sizeBox_->lineEdit(), &QLineEdit::textEdited);
        list_->TickItem(list_->AddItem("A"));
        list_->ClearList();
        for (const shell_cases::SelectCase& row : shell_cases::kSelectListItem) SelectListItem(*sizeBox_, row.index);
        QCoreApplication::processEvents();
        QCOMPARE(changed.count(), 0);
        QCOMPARE(chosen.count(), 0);
        QCOMPARE(indexChanged.count(), 0);
        QCOMPARE(edited.count(), 0);
    }

    void selectListItemClamps() {
        for (const shell_cases::SelectCase& row : shell_cases::kSelectListItem) {
            SelectListItem(*sizeBox_, row.index);
            QCOMPARE(sizeBox_->ReadText(), std::string(row.field));
            QCOMPARE(sizeBox_->lineEdit()->text(), QString::fromUtf8(row.field.data(), static_cast<qsizetype>(row.field.size())));
        }
        // Selecting the current item again replaces what the user typed.
        SelectListItem(*sizeBox_, 7);
        sizeBox_->lineEdit()->setText(QStringLiteral("abc"));
        SelectListItem(*sizeBox_, 7);
        QCOMPARE(sizeBox_->ReadText(), std::string("24"));
    }

    void readTextIsTheField() {
        SelectListItem(*sizeBox_, 3);
        sizeBox_->setFocus();
        sizeBox_->lineEdit()->selectAll();
        QTest::keyClicks(sizeBox_->lineEdit(), "abc");
        QCOMPARE(sizeBox_->ReadText(), std::string("abc"));
        QCOMPARE(sizeBox_->currentIndex(), 3);
        // Full-width digits, as an input method hands them over.
        for (const QChar digit : QString::fromUtf8("３６")) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(digit));
            QApplication::sendEvent(sizeBox_->lineEdit(), &press);
        }
        QCOMPARE(sizeBox_->ReadText(), std::string("abc\xA3\xB3\xA3\xB6"));
    }

    void typedSizesAreNeverInserted() {
        sizeBox_->setFocus();
        sizeBox_->lineEdit()->selectAll();
        QTest::keyClicks(sizeBox_->lineEdit(), "55");
        QTest::keyClick(sizeBox_->lineEdit(), Qt::Key_Return);
        QCOMPARE(sizeBox_->count(), static_cast<int>(kSizeItems.size()));
        QCOMPARE(sizeBox_->findText(QStringLiteral("55")), -1);
        QCOMPARE(sizeBox_->ReadText(), std::string("55"));
    }

    void inputBoxHasNoLengthLimit() {
        const QString longText(100000, QLatin1Char('x'));
        input_->setText(longText);
        QCOMPARE(input_->ReadText().size(), std::size_t{100000});
        input_->clear();
        QCOMPARE(input_->ReadText(), std::string());
    }

    void focusControlMovesTheFocus() {
        for (Control* control : std::initializer_list<Control*>{list_, sizeBox_, input_}) {
            control->FocusControl();
            QVERIFY(dynamic_cast<QWidget*>(control)->hasFocus() || QApplication::focusWidget() == sizeBox_->lineEdit());
        }
    }
};

QTEST_MAIN(ControlWidgetsTest)
#include "control_widgets_test.moc"
