#include "generate_command.h"

#include "toggle_catalogue.h"

#include <utility>

namespace kavrena {

std::string runDirectoryFromExecutablePath(std::string_view executablePath, char separator) {
    const std::size_t last = executablePath.rfind(separator);
    if (last == std::string_view::npos)
        return ".";
    return std::string(executablePath.substr(0, last));
}

GenerateCommand::GenerateCommand(const ToggleList& rows, WholeFileWriter& writer,
                                 InformationBox& box, std::string runDirectory)
    : rows_(rows)
    , writer_(writer)
    , box_(box)
    , runDirectory_(std::move(runDirectory)) {}

PanelSettingsDocument GenerateCommand::buildDocument(const ToggleList& rows) {
    PanelSettingsDocument document;
    const int count = rows.rowCount();
    for (int row = 0; row < count; ++row) {
        const bool ticked = rows.isTicked(row);
        const auto entry = ToggleCatalogue::findByLabel(rows.text(row, kLabelColumn));
        if (!entry)
            continue;
        const bool visible = ticked || entry->key == kAlwaysVisibleKey;
        document.appendEntry(entry->key, visible ? 1 : 0);
    }
    return document;
}

std::string GenerateCommand::outputPath(std::string_view runDirectory, char separator) {
    std::string path;
    path.reserve(runDirectory.size() + 1 + kSettingsFileName.size());
    path.append(runDirectory).push_back(separator);
    path.append(kSettingsFileName);
    return path;
}

void GenerateCommand::execute() {
    const std::vector<std::byte> bytes = buildDocument(rows_).toBytes();
    const bool written = writer_.writeWholeFile(outputPath(runDirectory_), bytes);
    box_.show(written ? kSuccessMessage : kFailureMessage, kCaption);
}

} // namespace kavrena
