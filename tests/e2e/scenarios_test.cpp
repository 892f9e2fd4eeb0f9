// What a user does with Kavrena, written once and run against each program: the Linux one on
// its own X server, and the Windows one under Wine.
#include "kavrena_on_x.h"

#include "model/row_reordering.h"
#include "support/default_rows.h"
#include "support/recording_services.h"

#include <QElapsedTimer>
#include <QImage>

#include <gmock/gmock.h>

namespace kavrena::testing {
namespace {

namespace fs = std::filesystem;

// What a window manager shows as titles: the captions exactly, nothing added.
TEST_F(KavrenaOnX, WindowAndBoxesShowExactlyTheirCaptions) {
    EXPECT_EQ(input.shownTitle(window), "Kavrena1.4");
    click(kGenerateButton);
    const auto box = input.waitForWindow(QStringLiteral("信息"));
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(input.shownTitle(*box), "信息");
    closeBox(QStringLiteral("信息"));

    click(kTopRowText);
    click(kMoveUpButton); // refused at the top
    const auto notice = input.waitForWindow(QStringLiteral("提示"));
    ASSERT_TRUE(notice.has_value());
    EXPECT_EQ(input.shownTitle(*notice), "提示");
    closeBox(QStringLiteral("提示"));
}

// With no window manager to hand the keyboard back, the program itself makes its window active
// again once a box closes: Esc works at once, without a click.
TEST_F(KavrenaOnX, EscapeWorksRightAfterABoxCloses) {
    generate();
    // Pressed again until it is taken: the keyboard may reach the window a moment after the box
    // is gone, but it must reach it without a click.
    QElapsedTimer clock;
    clock.start();
    bool ended = false;
    while (!ended && clock.elapsed() < kPatienceMs) {
        input.key(QStringLiteral("Escape"));
        ended = process.waitForFinished(1'000);
    }
    ASSERT_TRUE(ended) << "Esc did not reach the window";
    EXPECT_EQ(process.exitCode(), 0);
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

    const fs::path shot = fs::path(KAVRENA_SCREENSHOT_DIRECTORY) / program->pictureName();
    QProcess grab;
    grab.setProcessEnvironment(program->display().environment());
    grab.start(QStringLiteral(KAVRENA_WINDOW_SHOT),
               {window, QString::fromStdString(shot.string())});
    ASSERT_TRUE(grab.waitForFinished(10'000));
    EXPECT_EQ(grab.exitCode(), 0) << grab.readAllStandardError().toStdString();
    EXPECT_FALSE(QImage(QString::fromStdString(shot.string())).isNull());
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
    // The list has the focus back: the keys act on it at once.
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
    ASSERT_TRUE(process.waitForFinished(kPatienceMs));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 0);
    EXPECT_FALSE(fs::exists(runDirectory / "WeeWindowListSetting.plist"));
}

} // namespace
} // namespace kavrena::testing
