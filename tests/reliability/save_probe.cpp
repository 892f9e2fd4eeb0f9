// One program that saves the settings file the way Kavrena does, for the reliability tests:
//   kavrena_save_probe save DIR a|b    one save of document a or b; prints "success" or
//                                      "failure", the message the user would have seen
//   kavrena_save_probe count DIR a|b   the same, and prints how many file-system calls it made
//   kavrena_save_probe fail N ERRNO DIR a|b   the same, with the N-th call failing
//   kavrena_save_probe repeat N DIR a|b       N saves; prints how many reported failure
//   kavrena_save_probe loop DIR        saves a and b in turn until it is killed
#include "fault_injection.h"

#include "model/generate_command.h"
#include "model/in_memory_toggle_list.h"
#include "qt/save_file_writer.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using namespace kavrena;

class RememberingBox final : public InformationBox {
public:
    void show(std::string_view text, std::string_view) override {
        succeeded = text == GenerateCommand::kSuccessMessage;
    }
    bool succeeded = false;
};

// Document a is the default list; b has every row unticked and the order reversed.
InMemoryToggleList rowsFor(char variant) {
    InMemoryToggleList rows;
    fillDefaultRows(rows);
    if (variant != 'b')
        return rows;
    for (int row = 0; row < rows.rowCount(); ++row) {
        rows.setTicked(row, false);
        rows.setText(row, kLabelColumn, ToggleCatalogue::entryAt(rows.rowCount() - row).label);
    }
    return rows;
}

bool saveOnce(const std::string& directory, char variant, int failAt, int error, int* calls) {
    const InMemoryToggleList rows = rowsFor(variant);
    SaveFileWriter writer;
    RememberingBox box;
    GenerateCommand command(rows, writer, box, directory);
    if (calls != nullptr && kavrena_faults_arm != nullptr)
        kavrena_faults_arm(failAt, error);
    command.execute();
    if (calls != nullptr && kavrena_faults_disarm != nullptr)
        *calls = kavrena_faults_disarm();
    return box.succeeded;
}

int usage() {
    std::fprintf(stderr, "usage: kavrena_save_probe save|count DIR a|b | fail N ERRNO DIR a|b | "
                         "repeat N DIR a|b | loop DIR\n");
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "loop" && argc == 3) {
        for (char variant = 'a';; variant = variant == 'a' ? 'b' : 'a')
            saveOnce(argv[2], variant, 0, 0, nullptr);
    }
    if (mode == "repeat" && argc == 5) {
        int failures = 0;
        for (int save = std::atoi(argv[2]); save > 0; --save)
            failures += saveOnce(argv[3], argv[4][0], 0, 0, nullptr) ? 0 : 1;
        std::printf("%d\n", failures);
        return 0;
    }
    int calls = -1;
    if ((mode == "save" || mode == "count") && argc == 4) {
        const bool succeeded = saveOnce(argv[2], argv[3][0], 0, 0, &calls);
        std::printf("%s", succeeded ? "success" : "failure");
        if (mode == "count")
            std::printf(" %d", calls);
        std::printf("\n");
        return 0;
    }
    if (mode == "fail" && argc == 6) {
        const bool succeeded =
            saveOnce(argv[4], argv[5][0], std::atoi(argv[2]), std::atoi(argv[3]), &calls);
        std::printf("%s %d\n", succeeded ? "success" : "failure", calls);
        return 0;
    }
    return usage();
}
