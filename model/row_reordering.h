// The move-up and move-down commands: the selected row's texts change places with a
// neighbour's, the selection follows the texts, and the ticks stay where they are.
#pragma once

#include "platform_services.h"
#include "toggle_list.h"

#include <string_view>

namespace kavrena {

class RowReordering {
public:
    static constexpr std::string_view kCaption = "提示";
    static constexpr std::string_view kAtTopMessage = "到顶啦！";
    static constexpr std::string_view kAtBottomMessage = "到底啦！";

    RowReordering(ToggleList& rows, InformationBox& box);

    void moveSelectionUp();
    void moveSelectionDown();

private:
    enum class Direction { Up, Down };
    void moveSelection(Direction direction);
    // Exchanges both text cells of the two rows.
    void exchangeTexts(int row, int neighbour);

    ToggleList& rows_;
    InformationBox& box_;
};

} // namespace kavrena
