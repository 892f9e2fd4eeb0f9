// The list as the program starts with it, and the document it gives.
#pragma once

#include "model/generate_command.h"
#include "model/in_memory_toggle_list.h"

#include <string>

namespace kavrena::testing {

inline InMemoryToggleList defaultRows() {
    InMemoryToggleList rows;
    fillDefaultRows(rows);
    return rows;
}

inline std::string documentOf(const ToggleList& rows) {
    return GenerateCommand::buildDocument(rows).toText();
}

inline std::string defaultDocument() {
    return documentOf(defaultRows());
}

} // namespace kavrena::testing
