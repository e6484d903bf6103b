#pragma once

// The standard controls as Qt widgets that carry out the core's control
// ports. Texts cross as code page 936 bytes; nothing here raises a control
// event, since the window binds only the signals a user causes.

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "app/controls.h"

namespace typovel::qt {

// 选择列表框_字体: checkable items that flow top to bottom into columns and
// scroll sideways. The item value is kept apart from the tick.
class FontCheckListWidget final : public QListWidget, public FontCheckList {
    Q_OBJECT
public:
    static constexpr int kValueRole = Qt::UserRole;

    explicit FontCheckListWidget(QWidget* parent);

    void FocusControl() override;
    void ClearList() override;
    int AddItem(std::string_view text, std::int32_t value = 0) override;
    bool TickItem(int index, bool ticked = true) override;
    int ItemCount() const override;
    bool IsItemTicked(int index) const override;
    std::string ItemText(int index) const override;
};

// 组合框1: an editable field over the 14 sizes that never keeps typed text
// as an item.
class SizeBoxWidget final : public QComboBox, public SizeBox {
    Q_OBJECT
public:
    explicit SizeBoxWidget(QWidget* parent);

    void FocusControl() override;
    std::string ReadText() const override;
    int ListItemCount() const override;
    void SetCurrentItem(int v) override;
};

// 编辑框_输入文本.
class InputBoxWidget final : public QLineEdit, public TextControl {
    Q_OBJECT
public:
    explicit InputBoxWidget(QWidget* parent);

    void FocusControl() override;
    std::string ReadText() const override;
};

}  // namespace typovel::qt
