// The whole-file write on the Windows API: the new bytes go to a temporary file beside the
// target, reach the disk, and take the target's place in one rename.
#pragma once

#include "model/platform_services.h"

namespace kavrena {

class AtomicFileWriter final : public WholeFileWriter {
public:
    bool writeWholeFile(const std::string& path, std::span<const std::byte> bytes) override;
};

} // namespace kavrena
