# Shared by the scripts in tools/: the Debian packages the project needs, and how to get them.

# To build the program.
KAVRENA_BUILD_PACKAGES=(g++ cmake make pkg-config qt6-base-dev)
# The labels and messages are Chinese: without a CJK font they show as empty boxes.
KAVRENA_FONT_PACKAGES=(fonts-wqy-microhei)
# To cross-build the Windows program with mingw-w64 (the -posix compilers give the C++ library
# its threads).
KAVRENA_WINDOWS_BUILD_PACKAGES=(cmake make g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64)
# To build and run every test and benchmark. The fonts draw the Chinese labels; Xvfb and
# xdotool give the end-to-end test a real X server and real input, openbox a window manager
# that frames the window; the desktop's validators check its entry and AppStream description;
# Wine runs the Windows program and its tests, in a Chinese locale made
# from the locales package's sources.
KAVRENA_TEST_PACKAGES=(googletest libgtest-dev libgmock-dev libbenchmark-dev libplist-dev
    libxcb1-dev xvfb xdotool x11-utils openbox fonts-wqy-microhei clang-tidy cppcheck
    desktop-file-utils appstream
    "${KAVRENA_WINDOWS_BUILD_PACKAGES[@]}" wine wine64 fonts-wine locales)
# To show the program on a virtual display when the machine has none.
KAVRENA_RUN_PACKAGES=(xvfb xdotool)

# Installs those of the named packages that are missing: as root directly, else with sudo.
kavrena_ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local as_root=()
    if [ "$(id -u)" -ne 0 ]; then
        if ! command -v sudo >/dev/null; then
            echo "These Debian packages are missing and there is no sudo to install them: ${missing[*]}" >&2
            return 1
        fi
        as_root=(sudo)
    fi
    echo "Installing ${missing[*]}"
    "${as_root[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

kavrena_jobs() { nproc 2>/dev/null || echo 2; }

# Cross-builds the Windows program (and, with -DKAVRENA_BUILD_TESTS=ON, its tests) into DIR.
kavrena_build_windows() { # DIR [CMAKE_OPTION...]
    local dir=$1
    shift
    cmake -S . -B "$dir" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DKAVRENA_BUILD_BENCHMARKS=OFF "$@" >/dev/null
    cmake --build "$dir" -j"$(kavrena_jobs)"
}
