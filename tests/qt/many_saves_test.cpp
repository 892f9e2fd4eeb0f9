// A thousand saves in one running program: every file exact, memory flat.
#include "qt/main_window.h"

#include "qt/save_file_writer.h"
#include "support/default_rows.h"
#include "support/scratch_directory.h"
#include "qt/panel_list_view.h"

#include <QPushButton>

#include <gtest/gtest.h>

#include <fstream>
#include <unistd.h>

namespace kavrena::testing {
namespace {

class CountingBox final : public InformationBox {
public:
    void show(std::string_view text, std::string_view) override {
        failures += text == GenerateCommand::kSuccessMessage ? 0 : 1;
    }
    int failures = 0;
};

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

TEST(ManySaves, AThousandGenerateClicksWriteExactFilesInFlatMemory) {
    ScratchDirectory scratch;
    CountingBox box;
    SaveFileWriter writer;
    MainWindow window(box, writer, scratch.path().string());
    window.showCentred();
    ListViewToggleList rows(*window.超级列表框1);
    const std::string defaults = defaultDocument();

    long residentAfterTen = 0;
    for (int save = 1; save <= 1'000; ++save) {
        rows.setTicked(4, save % 2 == 0); // odd saves differ from the default document
        window.按钮_生成->click();
        const std::string file = readFile(scratch.path() / "WeeWindowListSetting.plist");
        ASSERT_EQ(file, documentOf(rows)) << "save " << save;
        ASSERT_EQ(file == defaults, save % 2 == 0) << "save " << save;
        if (save == 10)
            residentAfterTen = residentBytes();
    }
    const long growth = residentBytes() - residentAfterTen;
    EXPECT_EQ(box.failures, 0);
#ifndef __SANITIZE_ADDRESS__ // AddressSanitizer holds freed memory back on purpose
    EXPECT_LT(growth, 1024 * 1024) << "resident size grew by " << growth << " bytes";
#endif
    std::printf("resident size after 10 saves %ld KiB, growth to 1000 saves %ld KiB\n",
                residentAfterTen / 1024, growth / 1024);
}

} // namespace
} // namespace kavrena::testing
