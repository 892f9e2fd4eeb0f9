// A save under every failure it can meet, under SIGKILL, and beside a second program saving.
#include "support/default_rows.h"
#include "support/scratch_directory.h"

#include <gmock/gmock.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace kavrena::testing {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;

const std::string kTarget = "WeeWindowListSetting.plist";

// Runs the save probe and gives what it printed, trimmed.
std::string probe(const std::string& arguments, bool withFaultShim = false) {
    std::string command;
    if (withFaultShim)
        // Under AddressSanitizer the shim comes before its runtime, which it then tolerates.
        command = "ASAN_OPTIONS=verify_asan_link_order=0 LD_PRELOAD='" KAVRENA_FAULT_SHIM "' ";
    command += "'" KAVRENA_SAVE_PROBE "' " + arguments;
    std::string output;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[256];
        while (std::fgets(buffer, sizeof buffer, pipe) != nullptr)
            output += buffer;
        pclose(pipe);
    }
    while (!output.empty() && (output.back() == '\n' || output.back() == ' '))
        output.pop_back();
    return output;
}

std::string quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

struct FaultCase {
    int error;
    bool earlierFile;
};

class EveryFailurePointOfASave : public ::testing::TestWithParam<FaultCase> {};

// Each file-system call of one save fails in turn. Whatever fails, the file is the earlier
// one or the complete new one, the user is told of a failure exactly when it is not the new
// one, and nothing else is left in the directory.
TEST_P(EveryFailurePointOfASave, LeavesTheEarlierOrTheNewDocumentAndSaysWhich) {
    const FaultCase& fault = GetParam();
    const std::string earlier = std::string(9'000, 'e') + "\n";
    const std::string document = defaultDocument();

    int calls = 0;
    {
        ScratchDirectory scratch;
        if (fault.earlierFile)
            writeFile(scratch.path() / kTarget, earlier);
        const std::string counted = probe("count " + quoted(scratch.path()) + " a", true);
        ASSERT_EQ(counted.rfind("success ", 0), 0u) << counted;
        calls = std::stoi(counted.substr(8));
    }
    ASSERT_GT(calls, 5) << "the shim saw no save";

    int reportedFailures = 0;
    for (int failAt = 1; failAt <= calls; ++failAt) {
        SCOPED_TRACE("failing call " + std::to_string(failAt) + " of " + std::to_string(calls));
        ScratchDirectory scratch;
        if (fault.earlierFile)
            writeFile(scratch.path() / kTarget, earlier);
        const std::string outcome =
            probe("fail " + std::to_string(failAt) + " " + std::to_string(fault.error) + " " +
                      quoted(scratch.path()) + " a",
                  true);
        const bool saved =
            fs::exists(scratch.path() / kTarget) && readFile(scratch.path() / kTarget) == document;
        if (!saved && fault.earlierFile) {
            EXPECT_EQ(readFile(scratch.path() / kTarget), earlier);
        }
        if (!saved && !fault.earlierFile) {
            EXPECT_FALSE(fs::exists(scratch.path() / kTarget));
        }
        EXPECT_EQ(outcome.substr(0, 7), saved ? "success" : "failure") << outcome;
        reportedFailures += saved ? 0 : 1;
        if (saved || fault.earlierFile) {
            EXPECT_THAT(scratch.entries(), ElementsAre(kTarget));
        } else {
            EXPECT_THAT(scratch.entries(), ::testing::IsEmpty());
        }
    }
    EXPECT_GT(reportedFailures, 0) << "no injected fault made a save fail";
    std::printf("%d failure points, %d of them failed the save\n", calls, reportedFailures);
}

INSTANTIATE_TEST_SUITE_P(Faults, EveryFailurePointOfASave,
                         ::testing::Values(FaultCase{EIO, true}, FaultCase{ENOSPC, true},
                                           FaultCase{EIO, false}, FaultCase{ENOSPC, false}),
                         [](const auto& info) {
                             return std::string(info.param.error == EIO ? "EIO" : "ENOSPC") +
                                    (info.param.earlierFile ? "OverEarlierFile"
                                                            : "IntoEmptyDirectory");
                         });

// The two documents the probe writes, made by clean saves.
struct TwoDocuments {
    std::string a;
    std::string b;
};

TwoDocuments referenceDocuments() {
    ScratchDirectory scratch;
    TwoDocuments documents;
    probe("save " + quoted(scratch.path()) + " a");
    documents.a = readFile(scratch.path() / kTarget);
    probe("save " + quoted(scratch.path()) + " b");
    documents.b = readFile(scratch.path() / kTarget);
    return documents;
}

TEST(SaveUnderSigkill, FileIsAlwaysOneOfTheTwoWholeDocuments) {
    const TwoDocuments documents = referenceDocuments();
    ASSERT_EQ(documents.a, defaultDocument());
    ASSERT_NE(documents.a, documents.b);
    ScratchDirectory scratch;
    probe("save " + quoted(scratch.path()) + " a");

    std::mt19937 random(20261211);
    std::uniform_int_distribution<int> delayMicroseconds(0, 40'000);
    int strayTemporaryFiles = 0;
    constexpr int kKills = 200;
    for (int kill = 0; kill < kKills; ++kill) {
        const pid_t saver = fork();
        if (saver == 0) {
            execl(KAVRENA_SAVE_PROBE, KAVRENA_SAVE_PROBE, "loop", scratch.path().c_str(), nullptr);
            _exit(127);
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayMicroseconds(random)));
        ::kill(saver, SIGKILL);
        int status = 0;
        waitpid(saver, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saver ended by itself";

        const std::string file = readFile(scratch.path() / kTarget);
        ASSERT_TRUE(file == documents.a || file == documents.b)
            << "after kill " << kill << " the file holds " << file.size() << " other bytes";
        // A kill between the temporary file's naming and its rename leaves it behind; the
        // settings file itself is whole all the same.
        for (const std::string& name : scratch.entries()) {
            if (name != kTarget) {
                ++strayTemporaryFiles;
                fs::remove(scratch.path() / name);
            }
        }
    }
    RecordProperty("StrayTemporaryFiles", strayTemporaryFiles);
    std::printf("%d kills, %d stray temporary files\n", kKills, strayTemporaryFiles);
}

TEST(TwoProgramsSavingAtOnce, FileIsAlwaysOneWholeDocument) {
    const TwoDocuments documents = referenceDocuments();
    ScratchDirectory scratch;
    const std::string directory = quoted(scratch.path());
    for (int round = 0; round < 50; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        std::string failuresOfA;
        std::thread first([&] { failuresOfA = probe("repeat 10 " + directory + " a"); });
        const std::string failuresOfB = probe("repeat 10 " + directory + " b");
        first.join();
        EXPECT_EQ(failuresOfA, "0");
        EXPECT_EQ(failuresOfB, "0");
        const std::string file = readFile(scratch.path() / kTarget);
        EXPECT_TRUE(file == documents.a || file == documents.b);
        EXPECT_THAT(scratch.entries(), ElementsAre(kTarget));
    }
}

} // namespace
} // namespace kavrena::testing
