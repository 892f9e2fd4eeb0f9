#include "model/panel_settings_document.h"

#include "support/plist_reader.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <cstring>
#include <sstream>

namespace kavrena::testing {
namespace {

using namespace std::string_literals;

const std::string kExpectedHeader = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                    "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
                                    "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
                                    "<plist version=\"1.0\">\n"
                                    "<array>\n\t";
const std::string kExpectedFooter = "\n</array>\n</plist>\n";
const std::string kWifiEntry =
    "<dict>\n\t\t<key>Id</key>\n\t\t<string>multi_wifi</string>\n\t\t<key>Image</key>\n\t\t"
    "<string>list_multi_wifi.png</string>\n\t\t<key>Name</key>\n\t\t<string>panel_wifi</string>"
    "\n\t\t<key>Visible</key>\n\t\t<integer>1</integer>\n\t</dict>\n\t";

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

PanelSettingsDocument documentOf(std::initializer_list<std::pair<const char*, int>> entries) {
    PanelSettingsDocument document;
    for (const auto& [key, visible] : entries)
        document.appendEntry(ToggleKey(key), visible);
    return document;
}

PanelSettingsDocument everyCatalogueKey(int visible) {
    PanelSettingsDocument document;
    for (int position = 1; position <= ToggleCatalogue::entryCount(); ++position)
        document.appendEntry(ToggleCatalogue::entryAt(position).key, visible);
    return document;
}

TEST(PanelSettingsDocument, PublishedIdentifiersFixTheHeaderAtItsLength) {
    EXPECT_EQ(std::string_view("http://www.apple.com/DTDs/PropertyList-1.0.dtd").size(), 46u);
    EXPECT_EQ(kExpectedHeader.size(), 173u);
    EXPECT_EQ(kWifiEntry.size(), 213u);
}

TEST(PanelSettingsDocument, EmptyDocumentIsHeaderAndFooter) {
    const std::string text = PanelSettingsDocument().toText();
    EXPECT_EQ(text, kExpectedHeader + kExpectedFooter);
    EXPECT_EQ(text.size(), 192u);
    EXPECT_THAT(linesOf(text),
                ::testing::ElementsAre("<?xml version=\"1.0\" encoding=\"UTF-8\"?>",
                                       ::testing::StartsWith("<!DOCTYPE plist PUBLIC"),
                                       "<plist version=\"1.0\">", "<array>", "\t", "</array>",
                                       "</plist>"));
}

TEST(PanelSettingsDocument, WorkedExampleForWifi) {
    EXPECT_EQ(documentOf({{"wifi", 1}}).toText(), kExpectedHeader + kWifiEntry + kExpectedFooter);
}

TEST(PanelSettingsDocument, EntryLengthGrowsThreeBytesPerKeyByteAndNotWithTheDigit) {
    const std::size_t empty = PanelSettingsDocument().toText().size();
    EXPECT_EQ(documentOf({{"3g", 0}}).toText().size() - empty, 207u);
    EXPECT_EQ(documentOf({{"3g", 1}}).toText().size() - empty, 207u);
    EXPECT_EQ(documentOf({{"flashlight", 1}}).toText().size() - empty, 231u);
}

TEST(PanelSettingsDocument, EveryCatalogueKeyOnceIs4152BytesIn187Lines) {
    for (int visible : {0, 1}) {
        const std::string text = everyCatalogueKey(visible).toText();
        EXPECT_EQ(text.size(), 4152u);
        EXPECT_EQ(linesOf(text).size(), 187u);
    }
}

TEST(PanelSettingsDocument, SameKeyTwiceGivesTwoIdenticalDictionariesInOrder) {
    const auto panels = parsePanelList(documentOf({{"gps", 1}, {"gps", 1}, {"mute", 0}}).toText());
    ASSERT_TRUE(panels.has_value());
    EXPECT_THAT(*panels, ::testing::ElementsAre(expectedPanel("gps", 1), expectedPanel("gps", 1),
                                                expectedPanel("mute", 0)));
}

TEST(PanelSettingsDocument, IndependentParserReadsTheDefaultDocument) {
    PanelSettingsDocument document = everyCatalogueKey(1);
    document.appendEntry(ToggleKey("wifi"), 0);
    const auto panels = parsePanelList(document.toText());
    ASSERT_TRUE(panels.has_value());
    ASSERT_EQ(panels->size(), 19u);
    for (int position = 1; position <= 18; ++position) {
        EXPECT_EQ((*panels)[static_cast<std::size_t>(position - 1)],
                  expectedPanel(ToggleCatalogue::entryAt(position).key.word(), 1));
    }
    EXPECT_EQ(panels->back(), expectedPanel("wifi", 0));
}

class DocumentShape : public ::testing::TestWithParam<int> {};

// The line layout and byte rules hold for any number of entries.
TEST_P(DocumentShape, LinesAndBytesFollowTheLayout) {
    const int entries = GetParam();
    PanelSettingsDocument document;
    for (int i = 0; i < entries; ++i)
        document.appendEntry(ToggleCatalogue::entryAt(i % 18 + 1).key, i % 2);
    const std::string text = document.toText();
    const std::vector<std::byte> bytes = document.toBytes();

    ASSERT_EQ(bytes.size(), text.size());
    EXPECT_EQ(std::memcmp(bytes.data(), text.data(), text.size()), 0);
    EXPECT_EQ(document.byteCount(), text.size());
    EXPECT_EQ(document.toText(), text) << "rendering twice differs";
    EXPECT_TRUE(std::ranges::all_of(
        text, [](char c) { return (c >= 0x20 && c <= 0x7E) || c == '\n' || c == '\t'; }));
    EXPECT_TRUE(text.ends_with("</plist>\n"));

    const auto lines = linesOf(text);
    ASSERT_EQ(lines.size(), 7 + 10 * static_cast<std::size_t>(entries));
    for (int i = 0; i < entries; ++i) {
        const std::size_t first = 4 + 10 * static_cast<std::size_t>(i);
        EXPECT_EQ(lines[first], "\t<dict>");
        EXPECT_EQ(lines[first + 1], "\t\t<key>Id</key>");
        EXPECT_EQ(lines[first + 3], "\t\t<key>Image</key>");
        EXPECT_EQ(lines[first + 5], "\t\t<key>Name</key>");
        EXPECT_EQ(lines[first + 7], "\t\t<key>Visible</key>");
        EXPECT_EQ(lines[first + 8],
                  i % 2 ? "\t\t<integer>1</integer>" : "\t\t<integer>0</integer>");
        EXPECT_EQ(lines[first + 9], "\t</dict>");
    }
    EXPECT_EQ(lines[lines.size() - 3], "\t");
    EXPECT_EQ(std::ranges::count(lines, "\t"), 1);
}

INSTANTIATE_TEST_SUITE_P(EntryCounts, DocumentShape, ::testing::Values(0, 1, 2, 18, 37));

} // namespace
} // namespace kavrena::testing
