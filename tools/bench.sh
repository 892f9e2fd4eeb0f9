#!/usr/bin/env bash
# Builds optimised and runs the benchmark programs.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh

kavrena_ensure_packages "${KAVRENA_BUILD_PACKAGES[@]}" "${KAVRENA_TEST_PACKAGES[@]}"

cmake -S . -B build/bench -DCMAKE_BUILD_TYPE=Release -DKAVRENA_BUILD_TESTS=OFF
cmake --build build/bench -j"$(kavrena_jobs)"
build/bench/bench/kavrena_document_bench
