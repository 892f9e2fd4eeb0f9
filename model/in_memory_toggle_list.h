// A ToggleList held in memory: what the tests and any use without a window run on.
#pragma once

#include "toggle_list.h"

#include <limits>

namespace kavrena {

class InMemoryToggleList final : public ToggleList {
public:
    enum class Selection { Single, Multiple };
    static constexpr int kUnlimited = std::numeric_limits<int>::max();

    explicit InMemoryToggleList(Selection selection = Selection::Single, int capacity = kUnlimited);

    int rowCount() const override;
    int appendRow() override;
    void setText(int row, int column, std::string_view text) override;
    bool isTicked(int row) const override;
    void setTicked(int row, bool ticked) override;
    int selectedCount() const override;
    std::vector<int> selectedRows() const override;
    void selectRow(int row) override;
    void deselectRow(int row) override;
    void takeFocus() override;

    bool hasFocus() const { return hasFocus_; }
    // -1 until a row has been selected.
    int currentRow() const { return currentRow_; }

protected:
    std::string cellText(int row, int column) const override;

private:
    bool contains(int row) const { return row >= 0 && row < rowCount(); }

    std::vector<ToggleRow> rows_;
    Selection selection_;
    int capacity_;
    int currentRow_ = -1;
    bool hasFocus_ = false;
};

} // namespace kavrena
