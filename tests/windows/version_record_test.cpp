// The Windows version record, compiled here by mingw-w64's windres and read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string compiledResource() {
    std::ifstream in(KAVRENA_VERSION_RESOURCE, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string utf16(const std::string& ascii) {
    std::string wide;
    for (char c : ascii) {
        wide.push_back(c);
        wide.push_back('\0');
    }
    return wide;
}

std::uint32_t wordAt(const std::string& bytes, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, bytes.data() + offset, sizeof value); // both little-endian
    return value;
}

TEST(WindowsVersionRecord, CarriesVersionOnePointFourAndTheProductTexts) {
    const std::string resource = compiledResource();
    ASSERT_FALSE(resource.empty());

    // VS_FIXEDFILEINFO: signature, structure version, file version MS/LS, product version MS/LS.
    const std::string signature("\xBD\x04\xEF\xFE", 4);
    const std::size_t fixed = resource.find(signature);
    ASSERT_NE(fixed, std::string::npos);
    EXPECT_EQ(wordAt(resource, fixed + 8), 0x00010004u);
    EXPECT_EQ(wordAt(resource, fixed + 12), 0x00000000u);
    EXPECT_EQ(wordAt(resource, fixed + 16), 0x00010004u);
    EXPECT_EQ(wordAt(resource, fixed + 20), 0x00000000u);

    // Each value follows its name, padded to a 32-bit boundary.
    for (const auto& [name, value] :
         {std::pair{"FileDescription", "Kavrena1.4"}, std::pair{"ProductName", "Kavrena"},
          std::pair{"FileVersion", "1.4.0.0"}, std::pair{"ProductVersion", "1.4.0.0"}}) {
        const std::size_t at = resource.find(utf16(name) + std::string(2, '\0'));
        ASSERT_NE(at, std::string::npos) << name;
        const std::size_t valueAt = resource.find(utf16(value) + std::string(2, '\0'), at);
        EXPECT_LT(valueAt - at, utf16(name).size() + 8) << name << " is not " << value;
    }
}

TEST(WindowsVersionRecord, CarriesTheProgramIcon) {
    const std::string resource = compiledResource();
    std::ifstream icon(KAVRENA_ICON, std::ios::binary);
    const std::string iconBytes{std::istreambuf_iterator<char>(icon),
                                std::istreambuf_iterator<char>()};
    ASSERT_GT(iconBytes.size(), 22u);
    // The largest image of the .ico stands in the resource whole.
    const std::string tail = iconBytes.substr(iconBytes.size() - 4096);
    EXPECT_NE(resource.find(tail), std::string::npos);
}

} // namespace
