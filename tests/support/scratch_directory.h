// A fresh directory for one test, removed with everything in it afterwards.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace kavrena::testing {

class ScratchDirectory {
public:
    ScratchDirectory();
    ~ScratchDirectory();
    ScratchDirectory(const ScratchDirectory&) = delete;
    ScratchDirectory& operator=(const ScratchDirectory&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The names of the directory's entries, sorted.
    std::vector<std::string> entries() const;

private:
    std::filesystem::path path_;
};

std::string readFile(const std::filesystem::path& file);
void writeFile(const std::filesystem::path& file, const std::string& content);

#ifndef _WIN32
// Runs the body in a forked child and gives its exit status, or -1 when it did not exit.
int runInChild(const std::function<int()>& body);
#endif

} // namespace kavrena::testing
