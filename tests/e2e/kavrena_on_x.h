// A running Kavrena on an X server, driven by real X input events, whichever program it is.
#pragma once

#include "program_under_test.h"

#include "support/scratch_directory.h"

#include <QPoint>

#include <gtest/gtest.h>

namespace kavrena::testing {

// Places in the window's client area, from its fixed layout.
inline constexpr QPoint kGenerateButton{157, 229};
inline constexpr QPoint kMoveUpButton{157, 33};
inline constexpr QPoint kMoveDownButton{157, 84};
// Within the top row whatever the font: its check box, and its text.
inline constexpr QPoint kTopRowBox{17, 16};
inline constexpr QPoint kTopRowText{60, 16};

class KavrenaOnX : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(program->display().isRunning()) << "no X server";
        program->start(process, runDirectory);
        ASSERT_TRUE(process.waitForStarted(10'000));
        const auto found = input.waitForWindow(QStringLiteral("Kavrena1.4"));
        ASSERT_TRUE(found.has_value()) << "the window did not appear";
        window = *found;
    }

    void TearDown() override {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5'000);
        }
    }

    void click(QPoint place) { input.clickAt(window, place.x(), place.y()); }

    // Clicks the generate button and closes the box it opens with Return.
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

    std::string writtenFile() const {
        return readFile(runDirectory / "WeeWindowListSetting.plist");
    }

    std::unique_ptr<ProgramUnderTest> program = makeProgramUnderTest();
    XInput input{program->display()};
    ScratchDirectory scratch;
    std::filesystem::path runDirectory = scratch.path() / "运行 目录";
    QProcess process;
    QString window;
};

} // namespace kavrena::testing
