#!/usr/bin/env bash
# Builds both programs and every test and runs them all: the Windows program's tests under
# Wine; the Linux program's tests and the end-to-end scenarios against both programs; the Linux
# tests again under AddressSanitizer and UndefinedBehaviorSanitizer; then clang-tidy and cppcheck.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh

kavrena_ensure_packages "${KAVRENA_BUILD_PACKAGES[@]}" "${KAVRENA_TEST_PACKAGES[@]}"
jobs=$(kavrena_jobs)
# One Wine session for all that runs under Wine: its prefix is made once.
wine_session="$PWD/build/wine-session"

echo "== the Windows program and its tests, under Wine"
kavrena_build_windows build/windows -DKAVRENA_BUILD_TESTS=ON -DKAVRENA_BUILD_BENCHMARKS=ON \
    -DKAVRENA_WINE_SESSION="$wine_session"
ctest --test-dir build/windows --output-on-failure -j"$jobs"

echo "== tests, and the end-to-end scenarios against both programs"
cmake -S . -B build/test -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKAVRENA_WINDOWS_BUILD="$PWD/build/windows" -DKAVRENA_WINE_SESSION="$wine_session"
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
bash tools/lint.sh build/test build/windows
