// The look and feel of the toggle list: check boxes, one selected row, and a highlight behind
// the selected row's text that is drawn only while the list has the keyboard focus.
#pragma once

#include <QListWidget>

namespace kavrena {

class PanelListView final : public QListWidget {
public:
    explicit PanelListView(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace kavrena
