#include "toggle_catalogue.h"

#include <algorithm>

namespace kavrena {

std::optional<ToggleEntry> ToggleCatalogue::findByLabel(std::string_view text) {
    const auto* found = std::ranges::find_if(
        kEntries, [text](const ToggleEntry& entry) { return textEquals(entry.label, text); });
    if (found == kEntries.end())
        return std::nullopt;
    return *found;
}

} // namespace kavrena
