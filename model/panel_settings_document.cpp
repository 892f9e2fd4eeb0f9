#include "panel_settings_document.h"

#include <cstring>
#include <string_view>

namespace kavrena {
namespace {

using namespace std::string_view_literals;

constexpr std::string_view kHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                     "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                     "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                                     "<plist version=\"1.0\">\n"
                                     "<array>\n\t"sv;

// One entry is these pieces with the key after each of the first three and the visible digit
// after the fourth. The header and every entry end in the TAB that indents the next "<dict>".
constexpr std::string_view kBeforeId = "<dict>\n\t\t<key>Id</key>\n\t\t<string>multi_"sv;
constexpr std::string_view kBeforeImage =
    "</string>\n\t\t<key>Image</key>\n\t\t<string>list_multi_"sv;
constexpr std::string_view kBeforeName = ".png</string>\n\t\t<key>Name</key>\n\t\t<string>panel_"sv;
constexpr std::string_view kBeforeVisible = "</string>\n\t\t<key>Visible</key>\n\t\t<integer>"sv;
constexpr std::string_view kAfterVisible = "</integer>\n\t</dict>\n\t"sv;

constexpr std::string_view kFooter = "\n</array>\n</plist>\n"sv;

constexpr std::size_t kFixedEntryBytes = kBeforeId.size() + kBeforeImage.size() +
                                         kBeforeName.size() + kBeforeVisible.size() + 1 +
                                         kAfterVisible.size();

char* put(char* out, std::string_view piece) {
    std::memcpy(out, piece.data(), piece.size());
    return out + piece.size();
}

} // namespace

void PanelSettingsDocument::appendEntry(ToggleKey key, int visible) {
    entries_.push_back({key, visible == 0 ? '0' : '1'});
}

std::size_t PanelSettingsDocument::byteCount() const {
    std::size_t total = kHeader.size() + kFooter.size();
    for (const Entry& entry : entries_)
        total += kFixedEntryBytes + 3 * entry.key.word().size();
    return total;
}

std::string PanelSettingsDocument::toText() const {
    std::string text(byteCount(), '\0');
    renderInto(text.data());
    return text;
}

std::vector<std::byte> PanelSettingsDocument::toBytes() const {
    std::vector<std::byte> bytes(byteCount());
    renderInto(reinterpret_cast<char*>(bytes.data()));
    return bytes;
}

char* PanelSettingsDocument::renderInto(char* out) const {
    out = put(out, kHeader);
    for (const Entry& entry : entries_) {
        const std::string_view key = entry.key.word();
        out = put(out, kBeforeId);
        out = put(out, key);
        out = put(out, kBeforeImage);
        out = put(out, key);
        out = put(out, kBeforeName);
        out = put(out, key);
        out = put(out, kBeforeVisible);
        *out++ = entry.visibleDigit;
        out = put(out, kAfterVisible);
    }
    return put(out, kFooter);
}

} // namespace kavrena
