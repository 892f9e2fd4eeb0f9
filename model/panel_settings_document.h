// The content of "WeeWindowListSetting.plist": an XML property list whose root array holds one
// dictionary per toggle. A phone reads these bytes, so every one of them is fixed here.
#pragma once

#include "toggle_catalogue.h"

#include <cstddef>
#include <string>
#include <vector>

namespace kavrena {

class PanelSettingsDocument {
public:
    // Entries are rendered in append order; the same key twice gives two dictionaries.
    // Any visible value other than 0 is written as 1.
    void appendEntry(ToggleKey key, int visible);

    // The exact length of toText(), known without rendering.
    std::size_t byteCount() const;

    // ASCII only, LF line ends, no byte-order mark and no terminator.
    std::string toText() const;
    std::vector<std::byte> toBytes() const;

private:
    struct Entry {
        ToggleKey key;
        char visibleDigit;
    };

    char* renderInto(char* out) const;

    std::vector<Entry> entries_;
};

} // namespace kavrena
