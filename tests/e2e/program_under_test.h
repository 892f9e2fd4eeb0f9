// The program the end-to-end scenarios drive: the Linux build on an X server of its own, or
// kavrena.exe under Wine on the Wine session's display. Each test program links one of the two.
#pragma once

#include "x_session.h"

#include <QProcess>

#include <filesystem>
#include <memory>

namespace kavrena::testing {

class ProgramUnderTest {
public:
    virtual ~ProgramUnderTest() = default;
    virtual const VirtualDisplay& display() const = 0;
    // Copies the program into the directory and starts that copy, which writes its file there.
    virtual void start(QProcess& process, const std::filesystem::path& runDirectory) const = 0;
    // The name a picture of its window is saved under in the build tree.
    virtual const char* pictureName() const = 0;
};

std::unique_ptr<ProgramUnderTest> makeProgramUnderTest();

} // namespace kavrena::testing
