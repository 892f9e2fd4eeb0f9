// The eighteen toggle panels the phone knows, and the one rule by which a row's text names one.
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace kavrena {

// The lower-case word from which the settings document forms a toggle's identifiers
// ("wifi" gives "multi_wifi", "list_multi_wifi.png" and "panel_wifi").
class ToggleKey {
public:
    constexpr explicit ToggleKey(std::string_view word)
        : word_(word) {}
    constexpr std::string_view word() const { return word_; }
    friend constexpr bool operator==(ToggleKey, ToggleKey) = default;

private:
    std::string_view word_;
};

struct ToggleEntry {
    int position;           // 1-based place in the catalogue
    std::string_view label; // UTF-8; exactly what the list shows
    ToggleKey key;
};

// Texts are equal when they hold the same bytes: no case folding, no trimming, no normalising.
// A missing text (a default string_view) is the empty text.
constexpr bool textEquals(std::string_view a, std::string_view b) {
    return a == b;
}

class ToggleCatalogue {
public:
    static constexpr int entryCount() { return static_cast<int>(kEntries.size()); }
    // Callers pass 1 to entryCount().
    static constexpr const ToggleEntry& entryAt(int position) { return kEntries.at(position - 1); }
    static std::optional<ToggleEntry> findByLabel(std::string_view text);

private:
    // The key is not derived from the label: "WIFI", "3G" and "GPS" are labels, "wifi" is not.
    static constexpr std::array<ToggleEntry, 18> kEntries{{
        {1, "WIFI", ToggleKey("wifi")},
        {2, "数据", ToggleKey("data")},
        {3, "3G", ToggleKey("3g")},
        {4, "清理", ToggleKey("cleanup")},
        {5, "手电筒", ToggleKey("flashlight")},
        {6, "亮度", ToggleKey("backlight")},
        {7, "GPS", ToggleKey("gps")},
        {8, "蓝牙", ToggleKey("bluetooth")},
        {9, "主屏幕", ToggleKey("home")},
        {10, "锁屏", ToggleKey("sleep")},
        {11, "声音", ToggleKey("mute")},
        {12, "自动锁定", ToggleKey("autolock")},
        {13, "方向锁", ToggleKey("rotation")},
        {14, "飞行", ToggleKey("airplane")},
        {15, "图标修复", ToggleKey("uicache")},
        {16, "注销", ToggleKey("respring")},
        {17, "重启", ToggleKey("reboot")},
        {18, "关机", ToggleKey("shutdown")},
    }};
};

// The lock-screen toggle is always written as visible, ticked or not.
inline constexpr ToggleKey kAlwaysVisibleKey{"sleep"};

} // namespace kavrena
