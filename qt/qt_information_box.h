// The message box the commands report through: information icon, one OK button, no owner
// window, and modal to the whole program, so no second command starts while it is open.
#pragma once

#include "model/platform_services.h"

namespace kavrena {

class QtInformationBox final : public InformationBox {
public:
    void show(std::string_view text, std::string_view caption) override;
};

} // namespace kavrena
