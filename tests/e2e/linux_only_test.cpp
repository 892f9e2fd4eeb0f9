// What only the Linux program has: its X window's own geometry, the frame a window manager
// puts around it, and the message when there is no display at all.
#include "kavrena_on_x.h"

#include "support/default_rows.h"

#include <QElapsedTimer>
#include <QRect>
#include <QThread>

#include <optional>
#include <sys/stat.h>
#include <unistd.h>

#include <gmock/gmock.h>

// Shows a rectangle in a failure as x,y w×h.
inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.x() << ',' << rect.y() << ' ' << rect.width() << 'x' << rect.height();
}

namespace kavrena::testing {
namespace {

// Without a window manager the X window is the whole window.
TEST_F(KavrenaOnX, WindowIsCentredAtItsSize) {
    const QString geometry = input.run({"getwindowgeometry", "--shell", window}).value_or("");
    EXPECT_TRUE(geometry.contains("X=403\n") && geometry.contains("Y=205\n"))
        << geometry.toStdString();
    EXPECT_TRUE(geometry.contains("WIDTH=218\n") && geometry.contains("HEIGHT=357"))
        << geometry.toStdString();
}

// Gives the tree to a user who is not root, as if that user had installed it.
void giveTo(const std::filesystem::path& tree, uid_t user) {
    ASSERT_EQ(::chown(tree.c_str(), user, user), 0);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(tree))
        ASSERT_EQ(::lchown(entry.path().c_str(), user, user), 0) << entry.path();
}

// Runs a command to its end; its standard error when it failed, nothing when it succeeded.
std::optional<std::string> failureOf(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (process.waitForFinished(120'000) && process.exitStatus() == QProcess::NormalExit &&
        process.exitCode() == 0)
        return std::nullopt;
    return program.toStdString() + ": " + process.readAllStandardError().toStdString();
}

QString text(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

// The two ways a user gets the program: each lays it out in the user's home, as root would
// (the test then gives it to the user), and says where the program is.
struct WayOfGettingIt {
    const char* name;
    std::filesystem::path (*layOut)(const std::filesystem::path& home);
};

void PrintTo(const WayOfGettingIt& way, std::ostream* out) {
    *out << way.name;
}

const WayOfGettingIt kWaysOfGettingIt[] = {
    {"PerUserInstall",
     [](const std::filesystem::path& home) {
         const auto failed = failureOf(
             "cmake", {"--install", KAVRENA_BUILD_DIRECTORY, "--prefix", text(home / ".local")});
         EXPECT_FALSE(failed.has_value()) << *failed;
         return home / ".local" / "bin" / "kavrena";
     }},
    {"UnpackedArchive",
     [](const std::filesystem::path& home) {
         const std::filesystem::path packages = home / "packages";
         const std::filesystem::path config =
             std::filesystem::path(KAVRENA_BUILD_DIRECTORY) / "CPackConfig.cmake";
         auto failed =
             failureOf("cpack", {"-G", "TGZ", "--config", text(config), "-B", text(packages)});
         EXPECT_FALSE(failed.has_value()) << *failed;
         const std::filesystem::path archive = packages / "kavrena-1.4.0-linux-x86_64.tar.gz";
         failed = failureOf("tar", {"-xzf", text(archive), "-C", text(home)});
         EXPECT_FALSE(failed.has_value()) << *failed;
         return home / "kavrena-1.4.0-linux-x86_64" / "kavrena";
     }},
};

class KavrenaForOneUser : public ::testing::TestWithParam<WayOfGettingIt> {};

// Not root: the program saves as that user, beside itself.
TEST_P(KavrenaForOneUser, SavesBesideItselfAsThatUser) {
    constexpr uid_t kUnprivileged = 65534;
    ScratchDirectory scratch;
    const std::filesystem::path home = scratch.path() / "home";
    std::filesystem::create_directory(home);
    const std::filesystem::path executable = GetParam().layOut(home);
    ASSERT_TRUE(std::filesystem::exists(executable));
    giveTo(home, kUnprivileged);

    VirtualDisplay display;
    ASSERT_TRUE(display.isRunning());
    XInput input(display);
    QProcessEnvironment environment = display.environment();
    environment.insert("HOME", text(home));
    environment.remove("XDG_RUNTIME_DIR"); // root's
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral("setpriv"),
                  {"--reuid=65534", "--regid=65534", "--clear-groups", "--", text(executable)});
    const auto window = input.waitForWindow(QStringLiteral("Kavrena1.4"));
    ASSERT_TRUE(window.has_value()) << program.readAllStandardError().toStdString();
    input.clickAt(*window, kGenerateButton.x(), kGenerateButton.y());
    const auto box = input.waitForWindow(QStringLiteral("信息"));
    ASSERT_TRUE(box.has_value());
    input.focus(*box);
    input.key(QStringLiteral("Return"));
    EXPECT_TRUE(input.waitUntilGone(QStringLiteral("信息")));
    program.kill();
    program.waitForFinished(5'000);

    const std::filesystem::path file = executable.parent_path() / "WeeWindowListSetting.plist";
    EXPECT_EQ(readFile(file), defaultDocument());
    struct stat status {};
    ASSERT_EQ(::stat(file.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, kUnprivileged) << "written by someone else";
}

INSTANTIATE_TEST_SUITE_P(Ways, KavrenaForOneUser, ::testing::ValuesIn(kWaysOfGettingIt),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KavrenaWithoutDisplay, SaysSoOnStandardErrorAndFails) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", ":9999");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KAVRENA_EXECUTABLE), QStringList{});
    ASSERT_TRUE(program.waitForFinished(kPatienceMs));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(program.exitCode(), 0);
    EXPECT_THAT(program.readAllStandardError().toStdString(),
                ::testing::HasSubstr("cannot show the window: no display could be opened"));
}

} // namespace
} // namespace kavrena::testing

namespace kavrena::testing {
namespace {

// "N, N, N, N" of an xprop CARDINAL list; empty when the property is not set yet.
std::vector<int> cardinals(const QString& xpropLine) {
    std::vector<int> values;
    const qsizetype equals = xpropLine.indexOf(QLatin1Char('='));
    if (equals < 0)
        return values;
    for (const QString& part : xpropLine.mid(equals + 1).split(QLatin1Char(',')))
        values.push_back(part.trimmed().toInt());
    return values;
}

// The client area from xwininfo's "Absolute upper-left X:", "Width:" and the like.
QRect clientArea(const QString& xwininfo) {
    auto field = [&](const QString& name) {
        const qsizetype at = xwininfo.indexOf(name);
        return at < 0 ? -1
                      : xwininfo.mid(at + name.size())
                            .section(QLatin1Char('\n'), 0, 0)
                            .trimmed()
                            .toInt();
    };
    return {field("Absolute upper-left X:"), field("Absolute upper-left Y:"), field("Width:"),
            field("Height:")};
}

QString run(const QString& program, const QStringList& arguments,
            const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    process.waitForFinished(10'000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

// With a window manager that frames the window, the frame is part of the 218 x 357.
TEST(KavrenaUnderAWindowManager, OuterSizeIncludesTheFrameAndStaysCentred) {
    VirtualDisplay display;
    ASSERT_TRUE(display.isRunning());
    XInput input(display);
    QProcess windowManager;
    windowManager.setProcessEnvironment(display.environment());
    windowManager.start(QStringLiteral("openbox"), QStringList{});
    ASSERT_TRUE(windowManager.waitForStarted(10'000));
    QElapsedTimer clock;
    clock.start();
    while (
        !run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}, display.environment()).contains('#') &&
        clock.elapsed() < kPatienceMs)
        QThread::msleep(50);

    QProcess program;
    program.setProcessEnvironment(display.environment());
    program.start(QStringLiteral(KAVRENA_EXECUTABLE), QStringList{});
    const auto window = input.waitForWindow(QStringLiteral("Kavrena1.4"));
    ASSERT_TRUE(window.has_value());

    // left, right, top, bottom, as the window manager reports them; and where the client area
    // stands on the screen (xdotool would add the frame to the position).
    std::vector<int> frame;
    QRect client;
    auto expectedClient = [&] {
        return QRect(403 + frame[0], 205 + frame[2], 218 - frame[0] - frame[1],
                     357 - frame[2] - frame[3]);
    };
    clock.restart();
    while (clock.elapsed() < kPatienceMs) {
        frame =
            cardinals(run("xprop", {"-id", *window, "_NET_FRAME_EXTENTS"}, display.environment()));
        client = clientArea(run("xwininfo", {"-id", *window}, display.environment()));
        if (frame.size() == 4 && client == expectedClient())
            break;
        QThread::msleep(50);
    }
    program.kill();
    program.waitForFinished(5'000);
    windowManager.kill();
    windowManager.waitForFinished(5'000);

    ASSERT_EQ(frame.size(), 4u) << "the window manager reported no frame";
    EXPECT_GT(frame[2], 0) << "no title bar";
    EXPECT_EQ(client, expectedClient());
}

} // namespace
} // namespace kavrena::testing
