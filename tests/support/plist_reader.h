// Reads a settings document back with libplist, a parser that shares no code with ours.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kavrena::testing {

struct ParsedPanel {
    std::vector<std::string> keys; // in document order
    std::string id;
    std::string image;
    std::string name;
    std::uint64_t visible = 99;

    friend bool operator==(const ParsedPanel&, const ParsedPanel&) = default;
};

// Nothing when the bytes are not a property list whose root is an array of dictionaries.
std::optional<std::vector<ParsedPanel>> parsePanelList(std::string_view xml);

// The dictionary our document should hold for a key.
ParsedPanel expectedPanel(std::string_view key, std::uint64_t visible);

} // namespace kavrena::testing
