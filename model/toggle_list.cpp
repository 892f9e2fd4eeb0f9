#include "toggle_list.h"

#include "toggle_catalogue.h"

namespace kavrena {

void fillDefaultRows(ToggleList& rows) {
    // Rows are addressed by position, not by what appendRow returned: on a full list the
    // setText and setTicked that follow a refused row change nothing.
    for (int position = 1; position <= ToggleCatalogue::entryCount(); ++position) {
        rows.appendRow();
        const int row = position - 1;
        rows.setText(row, kLabelColumn, ToggleCatalogue::entryAt(position).label);
        rows.setTicked(row, true);
    }
}

} // namespace kavrena
