// The generate button's command: the rows become a settings document, the document becomes the
// file next to the executable, and a box tells the user whether it was written.
#pragma once

#include "panel_settings_document.h"
#include "platform_services.h"
#include "toggle_list.h"

#include <string>
#include <string_view>

namespace kavrena {

#ifdef _WIN32
inline constexpr char kNativePathSeparator = '\\';
#else
inline constexpr char kNativePathSeparator = '/';
#endif

inline constexpr std::string_view kSettingsFileName = "WeeWindowListSetting.plist";

// The executable's path without its last separator and what follows it, so the result never
// ends in a separator ("C:\kavrena.exe" gives "C:"). A bare file name gives ".".
std::string runDirectoryFromExecutablePath(std::string_view executablePath, char separator);

class GenerateCommand {
public:
    static constexpr std::string_view kCaption = "信息";
    static constexpr std::string_view kSuccessMessage =
        "文件生成成功\r\n请将生成的plist文件拷贝至/var/mobile/Library/kBatteryDoctor";
    static constexpr std::string_view kFailureMessage = "文件生成失败，请联系作者";

    GenerateCommand(const ToggleList& rows, WholeFileWriter& writer, InformationBox& box,
                    std::string runDirectory);

    // One entry per row whose text is a catalogue label, top row first; the visible digit is
    // the row's tick, except for the lock screen, which is always visible.
    static PanelSettingsDocument buildDocument(const ToggleList& rows);
    static std::string outputPath(std::string_view runDirectory,
                                  char separator = kNativePathSeparator);

    void execute();

private:
    const ToggleList& rows_;
    WholeFileWriter& writer_;
    InformationBox& box_;
    std::string runDirectory_;
};

} // namespace kavrena
