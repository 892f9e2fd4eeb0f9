// Stand-ins for the platform that remember what the commands asked of it.
#pragma once

#include "model/platform_services.h"

#include <string>
#include <vector>

namespace kavrena::testing {

struct ShownMessage {
    std::string text;
    std::string caption;
    friend bool operator==(const ShownMessage&, const ShownMessage&) = default;
};

class RecordingBox final : public InformationBox {
public:
    void show(std::string_view text, std::string_view caption) override {
        shown.push_back({std::string(text), std::string(caption)});
    }
    std::vector<ShownMessage> shown;
};

class RecordingWriter final : public WholeFileWriter {
public:
    bool writeWholeFile(const std::string& path, std::span<const std::byte> bytes) override {
        lastPath = path;
        lastBytes.assign(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        ++writes;
        return succeeds;
    }
    bool succeeds = true;
    int writes = 0;
    std::string lastPath;
    std::string lastBytes;
};

} // namespace kavrena::testing
