#!/usr/bin/env bash
# Builds optimised and runs the benchmark programs: rendering the document, a save to disk,
# and start-up against a bare Qt window.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh

kavrena_ensure_packages "${KAVRENA_BUILD_PACKAGES[@]}" "${KAVRENA_TEST_PACKAGES[@]}"

cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DKAVRENA_BUILD_TESTS=OFF >/dev/null
cmake --build build/bench -j"$(kavrena_jobs)"
bench=build/bench/bench
echo "== rendering the settings document"
"$bench/kavrena_document_bench"
echo "== one save, from the click to the file on disk"
"$bench/kavrena_save_bench"
echo "== start-up on a private X server"
"$bench/kavrena_startup_bench" build/bench/qt/kavrena "$bench/kavrena_bare_window" \
    "$bench/kavrena_bare_window_with_label"
