#!/usr/bin/env bash
# Builds both release archives into dist/: the Linux program as a .tar.gz and the Windows one as
# a .zip, each a folder to unpack anywhere its user can write, and their SHA256SUMS. The last
# lines printed are the archives' paths.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh

kavrena_ensure_packages "${KAVRENA_BUILD_PACKAGES[@]}" "${KAVRENA_WINDOWS_BUILD_PACKAGES[@]}"
mkdir -p dist
rm -f dist/kavrena-*.tar.gz dist/kavrena-*.zip dist/SHA256SUMS

cmake -S . -B build/package-linux -DCMAKE_BUILD_TYPE=Release -DKAVRENA_BUILD_TESTS=OFF \
    -DKAVRENA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/package-linux -j"$(kavrena_jobs)"
(cd build/package-linux && cpack -G TGZ -B "$PWD/../../dist" >/dev/null)

kavrena_build_windows build/package-windows -DKAVRENA_BUILD_TESTS=OFF
(cd build/package-windows && cpack -G ZIP -B "$PWD/../../dist" >/dev/null)

rm -rf dist/_CPack_Packages
(cd dist && sha256sum kavrena-*.tar.gz kavrena-*.zip >SHA256SUMS)
echo "$PWD/dist/SHA256SUMS"
ls -1 "$PWD"/dist/kavrena-*
