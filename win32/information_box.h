// The message box the commands report through: MessageBoxW with no owner, the information icon
// and one OK button, modal to every window of the program while it is open.
#pragma once

#include "model/platform_services.h"

namespace kavrena {

class Win32InformationBox final : public InformationBox {
public:
    void show(std::string_view text, std::string_view caption) override;
};

} // namespace kavrena
