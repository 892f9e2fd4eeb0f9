#!/usr/bin/env bash
# clang-tidy and cppcheck over the project's own code; any finding fails.
# Usage: tools/lint.sh LINUX_BUILD [WINDOWS_BUILD] (configured builds with compile_commands.json)
set -euo pipefail
cd "$(dirname "$0")/.."
linux_build=${1:?usage: tools/lint.sh LINUX_BUILD [WINDOWS_BUILD]}
windows_build=${2:-}
jobs=$(nproc 2>/dev/null || echo 2)
tidy() { # BUILD_DIR [CLANG_TIDY_ARGUMENT...] < files
    xargs -P "$jobs" -n 4 clang-tidy -p "$@" --quiet 2> >(grep -v -E '^[0-9]+ warnings? generated' >&2)
}

linux_folders=(model qt tools bench tests)
echo "clang-tidy (.clang-tidy) over ${linux_folders[*]}"
git ls-files -- "${linux_folders[@]/%//*.cpp}" ':!*/win32/*' | tidy "$linux_build"

if [ -n "$windows_build" ]; then
    # clang reads the cross build with mingw-w64's C++ library and Windows headers, and its own
    # compiler headers in place of GCC's.
    mingw=/usr/lib/gcc/x86_64-w64-mingw32/12-posix/include/c++
    echo "clang-tidy over win32 tests/win32 bench/win32, as Windows code"
    git ls-files -- 'win32/*.cpp' 'tests/win32/*.cpp' 'bench/win32/*.cpp' |
        tidy "$windows_build" --extra-arg=--target=x86_64-w64-mingw32 \
            --extra-arg=-isystem"$mingw" --extra-arg=-isystem"$mingw/x86_64-w64-mingw32" \
            --extra-arg=-isystem/usr/x86_64-w64-mingw32/include
fi

# cppcheck 2.10 reads no identifier outside ASCII, so it checks a copy in which the controls'
# names are spelt in ASCII; nothing else changes.
folders=(model qt win32 tools bench tests)
copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
cp -r "${folders[@]}" "$copy"
grep -rlP --include='*.cpp' --include='*.h' '[^\x00-\x7F]' "$copy" | xargs -r sed -i \
    's/超级列表框1/listView1/g; s/按钮_上移/buttonMoveUp/g; s/按钮_下移/buttonMoveDown/g; s/按钮_生成/buttonGenerate/g; s/标签1/label1/g'
echo "cppcheck over ${folders[*]}"
(cd "$copy" && cppcheck --enable=warning,performance,portability --std=c++20 \
    --library=googletest --library=qt --library=windows --error-exitcode=1 --inline-suppr --quiet -I. \
    --suppress=missingIncludeSystem "${folders[@]}")
echo "lint: no findings"
