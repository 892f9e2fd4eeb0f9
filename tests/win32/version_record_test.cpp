// The built kavrena.exe read back through the Windows API: its version record, its icon and its
// manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The program's path on this machine in Wine's drive Z:.
std::wstring programPath() {
    std::wstring path = L"Z:";
    for (const char c : std::string(KAVRENA_PROGRAM))
        path.push_back(c == '/' ? L'\\' : static_cast<wchar_t>(c));
    return path;
}

std::wstring stringValue(const std::vector<BYTE>& record, const wchar_t* name) {
    void* value = nullptr;
    UINT length = 0;
    const std::wstring query = std::wstring(L"\\StringFileInfo\\080404b0\\") + name;
    if (!VerQueryValueW(record.data(), query.c_str(), &value, &length) || length == 0)
        return {};
    return {static_cast<const wchar_t*>(value), length - 1};
}

TEST(KavrenaExe, CarriesVersionOnePointFourAndTheProductTexts) {
    const std::wstring program = programPath();
    const DWORD size = GetFileVersionInfoSizeW(program.c_str(), nullptr);
    ASSERT_GT(size, 0u);
    std::vector<BYTE> record(size);
    ASSERT_TRUE(GetFileVersionInfoW(program.c_str(), 0, size, record.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(record.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010004u);
    EXPECT_EQ(fixed->dwFileVersionLS, 0u);
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010004u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0u);
    EXPECT_EQ(stringValue(record, L"ProductName"), L"Kavrena");
    EXPECT_EQ(stringValue(record, L"FileDescription"), L"Kavrena1.4");
    EXPECT_EQ(stringValue(record, L"FileVersion"), L"1.4.0.0");
}

TEST(KavrenaExe, CarriesItsIconAndTheCommonControlsManifest) {
    const HMODULE module = LoadLibraryExW(programPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr);
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(14)),
              nullptr); // RT_GROUP_ICON
    const HRSRC manifest =
        FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24)); // RT_MANIFEST
    ASSERT_NE(manifest, nullptr);
    const auto* text = static_cast<const char*>(LockResource(LoadResource(module, manifest)));
    const std::string content(text, SizeofResource(module, manifest));
    EXPECT_NE(content.find("Microsoft.Windows.Common-Controls"), std::string::npos);
    FreeLibrary(module);
}

} // namespace
