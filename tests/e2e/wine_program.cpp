#include "wine_program.h"

namespace kavrena::testing {
namespace {

namespace fs = std::filesystem;

QProcessEnvironment readSessionEnvironment() {
    QProcess script;
    script.start(QStringLiteral("bash"),
                 {QStringLiteral(KAVRENA_WINE_SESSION_SCRIPT), QStringLiteral("environment"),
                  QStringLiteral(KAVRENA_WINE_SESSION)});
    script.waitForFinished(10'000);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_ALL", "LC_CTYPE", "LC_MESSAGES", "LANGUAGE"})
        environment.remove(name);
    for (const QString& line : QString::fromUtf8(script.readAllStandardOutput()).split('\n')) {
        const qsizetype equals = line.indexOf('=');
        if (equals > 0)
            environment.insert(line.left(equals), line.mid(equals + 1));
    }
    return environment;
}

// The Windows form of a path on this machine: Wine's drive Z: is the root.
QString windowsPath(const fs::path& path) {
    return QStringLiteral("Z:") + QString::fromStdString(path.string()).replace('/', '\\');
}

class WineProgram final : public ProgramUnderTest {
public:
    const VirtualDisplay& display() const override { return display_; }

    void start(QProcess& process, const fs::path& runDirectory) const override {
        fs::create_directories(runDirectory);
        fs::copy_file(KAVRENA_WINDOWS_EXECUTABLE, runDirectory / "kavrena.exe");
        process.setProcessEnvironment(display_.environment());
        process.start(QStringLiteral("wine"), {windowsPath(runDirectory / "kavrena.exe")});
    }

    const char* pictureName() const override { return "kavrena-windows-client.png"; }

private:
    VirtualDisplay display_{wineSessionEnvironment().value(QStringLiteral("DISPLAY")),
                            wineSessionEnvironment()};
};

} // namespace

QProcessEnvironment wineSessionEnvironment() {
    static const QProcessEnvironment environment = readSessionEnvironment();
    return environment;
}

std::optional<QString> runProbe(const QStringList& arguments) {
    QProcess probe;
    probe.setProcessEnvironment(wineSessionEnvironment());
    probe.start(QStringLiteral("wine"),
                QStringList{QStringLiteral(KAVRENA_WINDOW_PROBE)} + arguments);
    if (!probe.waitForFinished(20'000) || probe.exitStatus() != QProcess::NormalExit ||
        probe.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(probe.readAllStandardOutput()).remove('\r').trimmed();
}

FileHolder::FileHolder(const fs::path& file) {
    probe_.setProcessEnvironment(wineSessionEnvironment());
    probe_.start(QStringLiteral("wine"),
                 {QStringLiteral(KAVRENA_WINDOW_PROBE), QStringLiteral("hold"), windowsPath(file)});
    while (probe_.waitForReadyRead(20'000)) {
        if (probe_.readAll().contains("held")) {
            holding_ = true;
            break;
        }
    }
}

FileHolder::~FileHolder() {
    probe_.closeWriteChannel();
    if (!probe_.waitForFinished(10'000))
        probe_.kill();
    probe_.waitForFinished(5'000);
}

std::unique_ptr<ProgramUnderTest> makeProgramUnderTest() {
    return std::make_unique<WineProgram>();
}

} // namespace kavrena::testing
