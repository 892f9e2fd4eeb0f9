#!/usr/bin/env bash
# Builds optimised and runs the benchmark programs: rendering the document, a save to disk,
# start-up against a bare Qt window; then the Windows program's size and its start-up under
# Wine against a bare Win32 window.
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

echo "== the Windows program"
kavrena_build_windows build/windows-bench -DKAVRENA_BUILD_TESTS=OFF -DKAVRENA_BUILD_BENCHMARKS=ON
program=build/windows-bench/win32/kavrena.exe
echo "kavrena.exe: $(stat -c %s "$program") bytes; imports:" \
    $(x86_64-w64-mingw32-objdump -p "$program" | sed -n 's/.*DLL Name: //p')
echo "== its start-up under Wine, on the Wine session's display"
session="$PWD/build/wine-session"
bash tests/wine/wine-session.sh start "$session"
trap 'bash tests/wine/wine-session.sh stop "$session"' EXIT
while IFS= read -r line; do export "${line?}"; done < <(bash tests/wine/wine-session.sh environment "$session")
unset LC_ALL LC_CTYPE
KAVRENA_BENCH_DISPLAY=$DISPLAY "$bench/kavrena_startup_bench" "$program" \
    build/windows-bench/bench/kavrena_bare_win32_window.exe \
    build/windows-bench/bench/kavrena_bare_win32_window_with_list_view.exe
