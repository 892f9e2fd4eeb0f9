// The Linux program, each test on a fresh X server of its own.
#include "program_under_test.h"

namespace kavrena::testing {
namespace {

namespace fs = std::filesystem;

class QtProgram final : public ProgramUnderTest {
public:
    const VirtualDisplay& display() const override { return display_; }

    void start(QProcess& process, const fs::path& runDirectory) const override {
        fs::create_directories(runDirectory);
        fs::copy_file(KAVRENA_EXECUTABLE, runDirectory / "kavrena");
        process.setProcessEnvironment(display_.environment());
        process.setProgram(QString::fromStdString((runDirectory / "kavrena").string()));
        process.start();
    }

    const char* pictureName() const override { return "kavrena-window.png"; }

private:
    VirtualDisplay display_;
};

} // namespace

std::unique_ptr<ProgramUnderTest> makeProgramUnderTest() {
    return std::make_unique<QtProgram>();
}

} // namespace kavrena::testing
