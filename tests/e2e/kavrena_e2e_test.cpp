// The built program on a real X server, driven by real X input events.
#include "x_session.h"

#include "support/default_rows.h"
#include "support/recording_services.h"
#include "support/scratch_directory.h"
#include "model/row_reordering.h"

#include <QImage>
#include <QThread>

#include <gmock/gmock.h>

// Shows a rectangle in a failure as x,y w×h.
inline void PrintTo(const QRect& rect, std::ostream* out) {
    *out << rect.x() << ',' << rect.y() << ' ' << rect.width() << 'x' << rect.height();
}

namespace kavrena::testing {
namespace {

namespace fs = std::filesystem;

// Places in the window's client area, from its fixed layout.
constexpr QPoint kGenerateButton{157, 229};
constexpr QPoint kMoveUpButton{157, 33};
constexpr QPoint kMoveDownButton{157, 84};
// Within the top row whatever the font: its check box, and its text.
constexpr QPoint kTopRowBox{17, 16};
constexpr QPoint kTopRowText{60, 16};

class KavrenaOnX : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(display.isRunning()) << "Xvfb did not start";
        fs::create_directory(runDirectory);
        fs::copy_file(KAVRENA_EXECUTABLE, runDirectory / "kavrena");
        program.setProcessEnvironment(display.environment());
        program.setProgram(QString::fromStdString((runDirectory / "kavrena").string()));
        program.start();
        ASSERT_TRUE(program.waitForStarted(10'000));
        const auto found = input.waitForWindow(QStringLiteral("Kavrena1.4"));
        ASSERT_TRUE(found.has_value()) << "the window did not appear";
        window = *found;
    }

    void TearDown() override {
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(5'000);
        }
    }

    void click(QPoint place) { input.clickAt(window, place.x(), place.y()); }

    // Clicks the generate button and closes the box it opens with Return; the box's caption.
    void generate() {
        click(kGenerateButton);
        closeBox(QStringLiteral("信息"));
    }

    void closeBox(const QString& caption) {
        const auto box = input.waitForWindow(caption);
        ASSERT_TRUE(box.has_value()) << "no box captioned " << caption.toStdString();
        input.focus(*box);
        input.key(QStringLiteral("Return"));
        ASSERT_TRUE(input.waitUntilGone(caption));
    }

    std::string writtenFile() { return readFile(runDirectory / "WeeWindowListSetting.plist"); }

    VirtualDisplay display;
    XInput input{display};
    ScratchDirectory scratch;
    fs::path runDirectory = scratch.path() / "运行 目录";
    QProcess program;
    QString window;
};

TEST_F(KavrenaOnX, WindowIsCentredAtItsSizeWithItsCaption) {
    EXPECT_EQ(input.run({"getwindowname", window}).value_or(""), "Kavrena1.4");
    const QString geometry = input.run({"getwindowgeometry", "--shell", window}).value_or("");
    EXPECT_TRUE(geometry.contains("X=403\n") && geometry.contains("Y=205\n"))
        << geometry.toStdString();
    EXPECT_TRUE(geometry.contains("WIDTH=218\n") && geometry.contains("HEIGHT=357"))
        << geometry.toStdString();
}

TEST_F(KavrenaOnX, GenerateWritesTheDefaultDocumentAndTheBoxBlocksTheWindow) {
    click(kGenerateButton);
    const auto box = input.waitForWindow(QStringLiteral("信息"));
    ASSERT_TRUE(box.has_value());
    // While the box is open the window takes no click: neither of these starts a command.
    click(kMoveUpButton);
    click(kGenerateButton);
    input.focus(*box);
    input.key(QStringLiteral("Return"));
    ASSERT_TRUE(input.waitUntilGone(QStringLiteral("信息")));
    EXPECT_FALSE(input.waitForWindow(QStringLiteral("信息"), 500).has_value())
        << "a second box opened";
    EXPECT_FALSE(input.waitForWindow(QStringLiteral("提示"), 0).has_value());

    EXPECT_EQ(writtenFile(), documentOf(defaultRows()));
    EXPECT_EQ(writtenFile().size(), 4152u);

    const fs::path shot = fs::path(KAVRENA_SCREENSHOT_DIRECTORY) / "kavrena-window.png";
    QProcess grab;
    grab.setProcessEnvironment(display.environment());
    grab.start(QStringLiteral(KAVRENA_WINDOW_SHOT),
               {window, QString::fromStdString(shot.string())});
    ASSERT_TRUE(grab.waitForFinished(10'000));
    EXPECT_EQ(grab.exitCode(), 0) << grab.readAllStandardError().toStdString();
    EXPECT_EQ(QImage(QString::fromStdString(shot.string())).size(), QSize(218, 357));
}

TEST_F(KavrenaOnX, UntickedRowsAreWrittenHidden) {
    click(kTopRowBox);                            // unticks row 0
    click(kTopRowText);                           // selects row 0, the list takes the focus
    input.key(QStringLiteral("Down Down space")); // unticks row 2
    input.key(QStringLiteral("Down Down Down Down Down Down Down space")); // row 9, the lock screen
    generate();

    InMemoryToggleList expected = defaultRows();
    for (int row : {0, 2, 9})
        expected.setTicked(row, false);
    EXPECT_EQ(writtenFile(), documentOf(expected));
}

TEST_F(KavrenaOnX, MovedRowsAreWrittenInTheirNewOrder) {
    click(kTopRowText);
    input.key(QStringLiteral("End"));
    for (int clickCount = 0; clickCount < 17; ++clickCount)
        click(kMoveUpButton);
    click(kMoveUpButton); // one too many
    closeBox(QStringLiteral("提示"));
    input.key(QStringLiteral("Down Down space"));
    click(kMoveDownButton);
    generate();

    InMemoryToggleList expected = defaultRows();
    RecordingBox box;
    RowReordering reordering(expected, box);
    expected.selectRow(17);
    for (int clickCount = 0; clickCount < 18; ++clickCount)
        reordering.moveSelectionUp();
    expected.selectRow(2);
    expected.setTicked(2, false);
    reordering.moveSelectionDown();
    EXPECT_EQ(writtenFile(), documentOf(expected));
    EXPECT_EQ(expected.text(0), "关机");
}

TEST_F(KavrenaOnX, EscapeEndsTheProgramWithStatusZeroAndWritesNothing) {
    click(kTopRowText);
    input.key(QStringLiteral("Escape"));
    ASSERT_TRUE(program.waitForFinished(10'000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_FALSE(fs::exists(runDirectory / "WeeWindowListSetting.plist"));
}

TEST(KavrenaWithoutDisplay, SaysSoOnStandardErrorAndFails) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", ":9999");
    environment.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(KAVRENA_EXECUTABLE), QStringList{});
    ASSERT_TRUE(program.waitForFinished(10'000));
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
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (run("xprop", {"-root", "_NET_SUPPORTING_WM_CHECK"}, display.environment())
                .contains('#'))
            break;
        QThread::msleep(50);
    }

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
    for (int attempt = 0; attempt < 100; ++attempt) {
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
