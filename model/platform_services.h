// What the model needs of the platform, and nothing more: a message box and a whole-file write.
// The run directory reaches the model as a plain text, taken once at start.
#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace kavrena {

// A modal box with the information icon and one OK button; returns when the user closed it.
class InformationBox {
public:
    virtual ~InformationBox() = default;
    virtual void show(std::string_view text, std::string_view caption) = 0;
};

// Replaces the file at the path with exactly these bytes. True only when the whole content is
// on disk in place of the earlier file; on false the earlier file is unchanged.
class WholeFileWriter {
public:
    virtual ~WholeFileWriter() = default;
    virtual bool writeWholeFile(const std::string& path, std::span<const std::byte> bytes) = 0;
};

} // namespace kavrena
