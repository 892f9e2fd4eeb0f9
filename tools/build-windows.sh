#!/usr/bin/env bash
# Cross-builds the Windows program, kavrena.exe: one portable file that needs nothing installed.
# The last line printed is its path.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh

kavrena_ensure_packages "${KAVRENA_WINDOWS_BUILD_PACKAGES[@]}"
kavrena_build_windows build/windows-release -DKAVRENA_BUILD_TESTS=OFF
echo "$PWD/build/windows-release/win32/kavrena.exe"
