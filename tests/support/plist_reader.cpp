#include "plist_reader.h"

#include <plist/plist.h>

#include <cstdlib>
#include <memory>

namespace kavrena::testing {
namespace {

struct PlistFree {
    void operator()(plist_t node) const { plist_free(node); }
};
using PlistPtr = std::unique_ptr<void, PlistFree>;

std::string stringValue(plist_t node) {
    if (node == nullptr || plist_get_node_type(node) != PLIST_STRING)
        return "<not a string>";
    char* value = nullptr;
    plist_get_string_val(node, &value);
    std::string result = value != nullptr ? value : "";
    std::free(value);
    return result;
}

std::optional<ParsedPanel> parsePanel(plist_t dict) {
    if (plist_get_node_type(dict) != PLIST_DICT)
        return std::nullopt;
    ParsedPanel panel;
    plist_dict_iter iter = nullptr;
    plist_dict_new_iter(dict, &iter);
    for (;;) {
        char* key = nullptr;
        plist_t value = nullptr;
        plist_dict_next_item(dict, iter, &key, &value);
        if (key == nullptr)
            break;
        panel.keys.emplace_back(key);
        std::free(key);
    }
    std::free(iter);
    panel.id = stringValue(plist_dict_get_item(dict, "Id"));
    panel.image = stringValue(plist_dict_get_item(dict, "Image"));
    panel.name = stringValue(plist_dict_get_item(dict, "Name"));
    plist_t visible = plist_dict_get_item(dict, "Visible");
    if (visible != nullptr && plist_get_node_type(visible) == PLIST_UINT)
        plist_get_uint_val(visible, &panel.visible);
    return panel;
}

} // namespace

std::optional<std::vector<ParsedPanel>> parsePanelList(std::string_view xml) {
    plist_t raw = nullptr;
    plist_from_xml(xml.data(), static_cast<uint32_t>(xml.size()), &raw);
    const PlistPtr root(raw);
    if (root == nullptr || plist_get_node_type(root.get()) != PLIST_ARRAY)
        return std::nullopt;
    std::vector<ParsedPanel> panels;
    const uint32_t count = plist_array_get_size(root.get());
    for (uint32_t i = 0; i < count; ++i) {
        auto panel = parsePanel(plist_array_get_item(root.get(), i));
        if (!panel)
            return std::nullopt;
        panels.push_back(std::move(*panel));
    }
    return panels;
}

ParsedPanel expectedPanel(std::string_view key, std::uint64_t visible) {
    const std::string word(key);
    return {{"Id", "Image", "Name", "Visible"},
            "multi_" + word,
            "list_multi_" + word + ".png",
            "panel_" + word,
            visible};
}

} // namespace kavrena::testing
