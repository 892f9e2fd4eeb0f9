#!/usr/bin/env bash
# Builds the program and every test, then runs them all.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh

kavrena_ensure_packages "${KAVRENA_BUILD_PACKAGES[@]}" "${KAVRENA_TEST_PACKAGES[@]}"

cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/test -j"$(kavrena_jobs)"
ctest --test-dir build/test --output-on-failure -j"$(kavrena_jobs)"
