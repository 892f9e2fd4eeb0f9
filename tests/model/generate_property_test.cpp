// Random row lists at the model's door: whatever the texts and ticks, the document is well
// formed, has the length its entries call for, and holds exactly the recognised rows in order.
#include "model/generate_command.h"

#include "model/in_memory_toggle_list.h"
#include "support/plist_reader.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace kavrena::testing {
namespace {

class RandomRows {
public:
    explicit RandomRows(unsigned seed)
        : random_(seed) {}

    std::string text() {
        std::string label(ToggleCatalogue::entryAt(pick(1, 18)).label);
        switch (pick(0, 9)) {
        case 0:
        case 1:
        case 2:
        case 3:
            return label;
        case 4:
            return label + " ";
        case 5:
            return " " + label;
        case 6:
            return label.substr(0, label.size() - 1); // a cut character: invalid UTF-8
        case 7:
            return std::string(ToggleCatalogue::entryAt(pick(1, 18)).key.word());
        case 8:
            return bytes(pick(0, 40));
        default:
            return pick(0, 30) == 0 ? bytes(100'000) : std::string();
        }
    }
    bool tick() { return pick(0, 1) == 1; }
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

private:
    std::string bytes(int count) {
        std::string result;
        for (int i = 0; i < count; ++i)
            result.push_back(static_cast<char>(pick(0, 255)));
        return result;
    }
    std::mt19937 random_;
};

TEST(GenerateProperty, TenThousandRandomListsGiveWellFormedDocumentsOfTheRecognisedRows) {
    std::map<std::string, std::string> keyOfLabel;
    for (int position = 1; position <= 18; ++position) {
        const ToggleEntry& entry = ToggleCatalogue::entryAt(position);
        keyOfLabel.emplace(entry.label, entry.key.word());
    }
    RandomRows random(20261211);
    for (int list = 0; list < 10'000; ++list) {
        InMemoryToggleList rows;
        std::vector<ParsedPanel> expected;
        std::size_t expectedLength = 192;
        const int count = random.pick(0, 40);
        for (int row = 0; row < count; ++row) {
            rows.appendRow();
            const std::string text = random.text();
            const bool ticked = random.tick();
            rows.setText(row, kLabelColumn, text);
            rows.setTicked(row, ticked);
            const auto known = keyOfLabel.find(text);
            if (known == keyOfLabel.end())
                continue;
            expected.push_back(expectedPanel(known->second, ticked || known->second == "sleep"));
            expectedLength += 201 + 3 * known->second.size();
        }
        const std::string document = GenerateCommand::buildDocument(rows).toText();
        ASSERT_EQ(document.size(), expectedLength) << "list " << list;
        const auto parsed = parsePanelList(document);
        ASSERT_TRUE(parsed.has_value()) << "list " << list << " does not parse";
        ASSERT_EQ(*parsed, expected) << "list " << list;
    }
}

} // namespace
} // namespace kavrena::testing
