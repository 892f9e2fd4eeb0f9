#!/usr/bin/env bash
# Builds the program and every test and runs them all: once as shipped, once under
# AddressSanitizer and UndefinedBehaviorSanitizer; then clang-tidy and cppcheck.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh

kavrena_ensure_packages "${KAVRENA_BUILD_PACKAGES[@]}" "${KAVRENA_TEST_PACKAGES[@]}"
jobs=$(kavrena_jobs)

echo "== tests"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build/test -j"$jobs"
ctest --test-dir build/test --output-on-failure -j"$jobs"

echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
cmake -S . -B build/sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKAVRENA_SANITIZE=ON \
    -DKAVRENA_BUILD_BENCHMARKS=OFF
cmake --build build/sanitize -j"$jobs"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
ctest --test-dir build/sanitize --output-on-failure -j"$jobs"

echo "== lint"
bash tools/lint.sh build/test
