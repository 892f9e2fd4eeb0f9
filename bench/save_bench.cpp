// One save as the generate button makes it: the document built from the rows, written through
// the real file writer (synced to disk and renamed into place) in a directory of the build
// tree, and the box asked for.
#include "model/generate_command.h"
#include "model/in_memory_toggle_list.h"
#include "qt/save_file_writer.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>

namespace {

using namespace kavrena;

class CountingBox final : public InformationBox {
public:
    void show(std::string_view, std::string_view) override { ++shown; }
    long shown = 0;
};

std::filesystem::path benchDirectory;

void generateAndSave(benchmark::State& state) {
    InMemoryToggleList rows;
    fillDefaultRows(rows);
    SaveFileWriter writer;
    CountingBox box;
    GenerateCommand command(rows, writer, box, benchDirectory.string());
    for (auto _ : state)
        command.execute();
    state.counters["boxes"] = static_cast<double>(box.shown);
}
BENCHMARK(generateAndSave)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ComputeStatistics("min",
                        [](const std::vector<double>& v) {
                            return *std::min_element(v.begin(), v.end());
                        })
    ->ComputeStatistics("max",
                        [](const std::vector<double>& v) {
                            return *std::max_element(v.begin(), v.end());
                        })
    ->ReportAggregatesOnly(true);

} // namespace

int main(int argc, char** argv) {
    benchDirectory = std::filesystem::absolute(argv[0]).parent_path() / "save-bench";
    std::filesystem::create_directories(benchDirectory);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::filesystem::remove_all(benchDirectory);
    return 0;
}
