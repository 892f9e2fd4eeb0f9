// What only the Windows program has, read the way another Windows program reads it: the outer
// frame and its place, the window's styles, where the focus is, a file held open by another
// program, and a program that lives in a drive's root.
#include "kavrena_on_x.h"
#include "wine_program.h"

#include "support/default_rows.h"

#include <QElapsedTimer>
#include <QThread>

#include <gmock/gmock.h>

#include <map>

namespace kavrena::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

constexpr long kCaption = 0xC00000, kSystemMenu = 0x80000, kSizingFrame = 0x40000,
               kMinimiseBox = 0x20000, kMaximiseBox = 0x10000;
constexpr int kListId = 101, kGenerateId = 104;

// The probe's "name=value" lines about the main window.
std::map<QString, QString> describeWindow() {
    std::map<QString, QString> fields;
    for (const QString& line : runProbe({"window"}).value_or("").split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            fields[line.left(equals)] = line.mid(equals + 1);
    }
    return fields;
}

// Wine hands the focus on a moment after X does: wait until it is where it should be.
std::map<QString, QString> describeWindowOnceFocused(int controlId) {
    QElapsedTimer clock;
    clock.start();
    std::map<QString, QString> fields;
    do {
        fields = describeWindow();
        if (fields["focus"] == QString::number(controlId) && fields["active"] == "1")
            break;
        QThread::msleep(100);
    } while (clock.elapsed() < kPatienceMs);
    return fields;
}

using KavrenaOnWindows = KavrenaOnX;

TEST_F(KavrenaOnWindows, OuterFrameIsCentredWithItsIconOnlyACloseButtonAndTheFocusOnGenerate) {
    auto fields = describeWindowOnceFocused(kGenerateId);
    const QStringList screen = fields["screen"].split('x');
    ASSERT_EQ(screen.size(), 2);
    const int left = (screen[0].toInt() - 218) / 2;
    const int top = (screen[1].toInt() - 357) / 2;
    EXPECT_EQ(fields["outer"], QString("%1,%2,218x357").arg(left).arg(top));
    const long style = fields["style"].toLong(nullptr, 16);
    EXPECT_EQ(style & (kCaption | kSystemMenu), kCaption | kSystemMenu);
    EXPECT_EQ(style & (kSizingFrame | kMinimiseBox | kMaximiseBox), 0) << std::hex << style;
    EXPECT_EQ(fields["focus"], QString::number(kGenerateId));
    EXPECT_EQ(fields["active"], "1");

    // The icons Wine hands the desktop for the title bar and the taskbar, from the window's.
    QProcess xprop;
    xprop.setProcessEnvironment(program->display().environment());
    xprop.start(QStringLiteral("xprop"), {"-id", window, "_NET_WM_ICON"});
    ASSERT_TRUE(xprop.waitForFinished(kPatienceMs));
    const QString icons = QString::fromUtf8(xprop.readAllStandardOutput());
    EXPECT_TRUE(icons.contains("Icon (16 x 16)") && icons.contains("Icon (32 x 32)"))
        << icons.left(200).toStdString();
}

TEST_F(KavrenaOnWindows, WindowIsActiveAgainWithItsFocusWhereItWasOnceABoxCloses) {
    generate(); // the click gave the generate button the focus
    EXPECT_EQ(describeWindowOnceFocused(kGenerateId)["focus"], QString::number(kGenerateId));

    click(kTopRowText);
    click(kMoveUpButton); // refused at the top; the focus goes to the list
    closeBox(QStringLiteral("提示"));
    auto fields = describeWindowOnceFocused(kListId);
    EXPECT_EQ(fields["focus"], QString::number(kListId));
    EXPECT_EQ(fields["active"], "1");
    input.key(QStringLiteral("Escape"));
    ASSERT_TRUE(process.waitForFinished(kPatienceMs)) << "Esc did not reach the window";
    EXPECT_EQ(process.exitCode(), 0);
}

TEST_F(KavrenaOnWindows, AFileAnotherProgramHoldsOpenIsKeptAndTheFailureReported) {
    const fs::path file = runDirectory / "WeeWindowListSetting.plist";
    writeFile(file, "earlier content");
    {
        FileHolder holder(file);
        ASSERT_TRUE(holder.isHolding());
        click(kGenerateButton);
        ASSERT_TRUE(input.waitForWindow(QStringLiteral("信息")).has_value());
        EXPECT_EQ(runProbe({"box", "信息"}).value_or(""), "文件生成失败，请联系作者");
        closeBox(QStringLiteral("信息"));
    }
    EXPECT_EQ(readFile(file), "earlier content");
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(runDirectory))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    EXPECT_THAT(names, ElementsAre("WeeWindowListSetting.plist", "kavrena.exe"));

    click(kGenerateButton); // once the other program has let go
    ASSERT_TRUE(input.waitForWindow(QStringLiteral("信息")).has_value());
    EXPECT_EQ(runProbe({"box", "信息"}).value_or(""),
              "文件生成成功\n请将生成的plist文件拷贝至/var/mobile/Library/kBatteryDoctor");
    closeBox(QStringLiteral("信息"));
    EXPECT_EQ(writtenFile(), defaultDocument());
}

// Drive K: of the Wine session, pointing at a directory for the length of one test.
class DriveLetter {
public:
    explicit DriveLetter(const fs::path& root)
        : link_(fs::path(wineSessionEnvironment().value("WINEPREFIX").toStdString()) /
                "dosdevices" / "k:") {
        fs::remove(link_);
        fs::create_directory_symlink(root, link_);
    }
    ~DriveLetter() { fs::remove(link_); }
    DriveLetter(const DriveLetter&) = delete;
    DriveLetter& operator=(const DriveLetter&) = delete;

private:
    fs::path link_;
};

TEST(KavrenaInADriveRoot, WritesTheFileInThatRootWithOneBackslash) {
    ScratchDirectory root;
    fs::copy_file(KAVRENA_WINDOWS_EXECUTABLE, root.path() / "kavrena.exe");
    DriveLetter drive(root.path());
    const QProcessEnvironment environment = wineSessionEnvironment();
    VirtualDisplay display(environment.value("DISPLAY"), environment);
    XInput input(display);
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral("wine"), {QStringLiteral("K:\\kavrena.exe")});
    const auto window = input.waitForWindow(QStringLiteral("Kavrena1.4"));
    ASSERT_TRUE(window.has_value());
    input.clickAt(*window, kGenerateButton.x(), kGenerateButton.y());
    const auto box = input.waitForWindow(QStringLiteral("信息"));
    ASSERT_TRUE(box.has_value());
    EXPECT_THAT(runProbe({"box", "信息"}).value_or("").toStdString(),
                ::testing::StartsWith("文件生成成功"));
    program.kill();
    program.waitForFinished(5'000);
    EXPECT_EQ(readFile(root.path() / "WeeWindowListSetting.plist"), defaultDocument());
}

} // namespace
} // namespace kavrena::testing
