#include "shells/qt/control_widgets.h"

#include <QSignalBlocker>

#include <limits>

#include "app/main_window.h"
#include "shells/qt/cp936.h"

namespace typovel::qt {

FontCheckListWidget::FontCheckListWidget(QWidget* parent) : QListWidget(parent) {
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSortingEnabled(false);
    setFrameShadow(QFrame::Sunken);
}

void FontCheckListWidget::FocusControl() { setFocus(Qt::OtherFocusReason); }

void FontCheckListWidget::ClearList() {
    const QSignalBlocker blocker(this);
    clear();
}

int FontCheckListWidget::AddItem(std::string_view text, std::int32_t value) {
    const QSignalBlocker blocker(this);
    auto* item = new QListWidgetItem(FromCp936(text));
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
    item->setData(kValueRole, value);
    // The list does not sort, so a new item is always the last.
    addItem(item);
    return count() - 1;
}

bool FontCheckListWidget::TickItem(int index, bool ticked) {
    QListWidgetItem* target = index >= 0 ? item(index) : nullptr;
    if (target == nullptr) return false;
    const QSignalBlocker blocker(this);
    target->setCheckState(ticked ? Qt::Checked : Qt::Unchecked);
    return true;
}

int FontCheckListWidget::ItemCount() const { return count(); }

bool FontCheckListWidget::IsItemTicked(int index) const {
    const QListWidgetItem* target = index >= 0 ? item(index) : nullptr;
    return target != nullptr && target->checkState() == Qt::Checked;
}

std::string FontCheckListWidget::ItemText(int index) const {
    const QListWidgetItem* target = index >= 0 ? item(index) : nullptr;
    return target != nullptr ? ToCp936(target->text()) : std::string();
}

SizeBoxWidget::SizeBoxWidget(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    // Inline completion would put "32" in the field when the user types "3".
    setCompleter(nullptr);
    setDuplicatesEnabled(true);
    for (const std::string_view size : kSizeItems) addItem(FromCp936(size));
}

void SizeBoxWidget::FocusControl() { setFocus(Qt::OtherFocusReason); }

std::string SizeBoxWidget::ReadText() const { return ToCp936(currentText()); }

int SizeBoxWidget::ListItemCount() const { return count(); }

void SizeBoxWidget::SetCurrentItem(int v) {
    const QSignalBlocker blocker(this);
    const QSignalBlocker fieldBlocker(lineEdit());
    setCurrentIndex(v);
    // Setting the index it already has leaves typed text in the field.
    setEditText(v >= 0 ? itemText(v) : QString());
}

InputBoxWidget::InputBoxWidget(QWidget* parent) : QLineEdit(parent) {
    // The box has no length limit; QLineEdit's own stops at 32767.
    setMaxLength(std::numeric_limits<int>::max());
}

void InputBoxWidget::FocusControl() { setFocus(Qt::OtherFocusReason); }

std::string InputBoxWidget::ReadText() const { return ToCp936(text()); }

}  // namespace typovel::qt
