#include "model/toggle_catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kavrena {
namespace {

TEST(ToggleCatalogue, HoldsEighteenDistinctLabelsAndKeysInPositionOrder) {
    ASSERT_EQ(ToggleCatalogue::entryCount(), 18);
    std::set<std::string_view> labels;
    std::set<std::string_view> keys;
    for (int position = 1; position <= 18; ++position) {
        const ToggleEntry& entry = ToggleCatalogue::entryAt(position);
        EXPECT_EQ(entry.position, position);
        labels.insert(entry.label);
        keys.insert(entry.key.word());
        for (char c : entry.key.word())
            EXPECT_TRUE((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9')) << entry.key.word();
    }
    EXPECT_EQ(labels.size(), 18u);
    EXPECT_EQ(keys.size(), 18u);
    EXPECT_EQ(ToggleCatalogue::entryAt(10).key, kAlwaysVisibleKey);
    EXPECT_EQ(ToggleCatalogue::entryAt(10).label, "锁屏");
}

struct LabelCase {
    std::string text;
    const char* expectedKey; // nullptr: no entry
};

void PrintTo(const LabelCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class FindByLabel : public ::testing::TestWithParam<LabelCase> {};

TEST_P(FindByLabel, MatchesWholeLabelsExactly) {
    const auto entry = ToggleCatalogue::findByLabel(GetParam().text);
    if (GetParam().expectedKey == nullptr) {
        EXPECT_FALSE(entry.has_value()) << entry->key.word();
        return;
    }
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->key.word(), GetParam().expectedKey);
}

INSTANTIATE_TEST_SUITE_P(Texts, FindByLabel,
                         ::testing::Values(LabelCase{"3G", "3g"}, LabelCase{"WIFI", "wifi"},
                                           LabelCase{"关机", "shutdown"},
                                           LabelCase{"锁屏", "sleep"}, LabelCase{"3g", nullptr},
                                           LabelCase{"wifi", nullptr}, LabelCase{"WIFI ", nullptr},
                                           LabelCase{" WIFI", nullptr}, LabelCase{"", nullptr},
                                           LabelCase{"ＷＩＦＩ", nullptr},
                                           LabelCase{std::string("WIFI\0", 5), nullptr},
                                           LabelCase{"关", nullptr}));

TEST(TextEquals, IsExactByteEqualityWithMissingAsEmpty) {
    EXPECT_TRUE(textEquals(std::string_view(), ""));
    EXPECT_TRUE(textEquals("数据", "数据"));
    EXPECT_FALSE(textEquals("wifi", "WIFI"));
    EXPECT_FALSE(textEquals("WIFI", "WIFI "));
    for (int position = 1; position <= 18; ++position)
        EXPECT_FALSE(textEquals("", ToggleCatalogue::entryAt(position).label));
}

} // namespace
} // namespace kavrena
