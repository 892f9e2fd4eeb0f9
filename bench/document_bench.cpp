// What rendering the settings document costs, against a bare copy of as many bytes (the floor)
// and against libplist writing the same array as XML (the tool a user might reach for instead).
#include "model/generate_command.h"
#include "model/in_memory_toggle_list.h"

#include <benchmark/benchmark.h>
#include <plist/plist.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

using namespace kavrena;

PanelSettingsDocument documentWithEntries(int count) {
    PanelSettingsDocument document;
    for (int i = 0; i < count; ++i)
        document.appendEntry(ToggleCatalogue::entryAt(i % ToggleCatalogue::entryCount() + 1).key,
                             i % 2);
    return document;
}

void toBytes(benchmark::State& state) {
    const PanelSettingsDocument document = documentWithEntries(static_cast<int>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(document.toBytes());
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(document.byteCount()));
}
BENCHMARK(toBytes)->Arg(1)->Arg(18)->Arg(1'000)->Arg(100'000);

void memcpyOfTheSameBytes(benchmark::State& state) {
    const std::size_t size = documentWithEntries(static_cast<int>(state.range(0))).byteCount();
    const std::vector<char> source(size, 'x');
    for (auto _ : state) {
        std::vector<char> copy(size);
        std::memcpy(copy.data(), source.data(), size);
        benchmark::DoNotOptimize(copy.data());
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
}
BENCHMARK(memcpyOfTheSameBytes)->Arg(1)->Arg(18)->Arg(1'000)->Arg(100'000);

void buildDocumentOfDefaultRows(benchmark::State& state) {
    InMemoryToggleList rows;
    fillDefaultRows(rows);
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateCommand::buildDocument(rows));
}
BENCHMARK(buildDocumentOfDefaultRows);

void buildAndRenderDefaultRows(benchmark::State& state) {
    InMemoryToggleList rows;
    fillDefaultRows(rows);
    for (auto _ : state)
        benchmark::DoNotOptimize(GenerateCommand::buildDocument(rows).toBytes());
}
BENCHMARK(buildAndRenderDefaultRows);

plist_t libplistArray(int count) {
    plist_t array = plist_new_array();
    for (int i = 0; i < count; ++i) {
        const std::string key(
            ToggleCatalogue::entryAt(i % ToggleCatalogue::entryCount() + 1).key.word());
        plist_t dict = plist_new_dict();
        plist_dict_set_item(dict, "Id", plist_new_string(("multi_" + key).c_str()));
        plist_dict_set_item(dict, "Image",
                            plist_new_string(("list_multi_" + key + ".png").c_str()));
        plist_dict_set_item(dict, "Name", plist_new_string(("panel_" + key).c_str()));
        plist_dict_set_item(dict, "Visible", plist_new_uint(static_cast<uint64_t>(i % 2)));
        plist_array_append_item(array, dict);
    }
    return array;
}

void libplistToXml(benchmark::State& state) {
    plist_t array = libplistArray(static_cast<int>(state.range(0)));
    int64_t bytes = 0;
    for (auto _ : state) {
        char* xml = nullptr;
        uint32_t length = 0;
        plist_to_xml(array, &xml, &length);
        benchmark::DoNotOptimize(xml);
        bytes += length;
        std::free(xml);
    }
    state.SetBytesProcessed(bytes);
    plist_free(array);
}
BENCHMARK(libplistToXml)->Arg(18)->Arg(1'000);

} // namespace

BENCHMARK_MAIN();
