#!/usr/bin/env bash
# Builds Kavrena and starts it. On a machine with no display it starts the program on a
# virtual one instead, writes the default file through the real button and takes a picture.
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/lib.sh

kavrena_ensure_packages "${KAVRENA_BUILD_PACKAGES[@]}" "${KAVRENA_FONT_PACKAGES[@]}"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DKAVRENA_BUILD_TESTS=OFF \
    -DKAVRENA_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build build/release -j"$(kavrena_jobs)"
program="$PWD/build/release/qt/kavrena"

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec "$program"
fi

echo "There is no display here: starting Kavrena on a virtual display (Xvfb) instead."
kavrena_ensure_packages "${KAVRENA_RUN_PACKAGES[@]}"

exec {display_fd}< <(Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp 2>/dev/null)
xvfb_pid=$!
read -r -t 15 display_number <&"$display_fd"
export DISPLAY=":$display_number" QT_QPA_PLATFORM=xcb
runtime_dir=""
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    runtime_dir=$(mktemp -d)
    export XDG_RUNTIME_DIR="$runtime_dir"
fi
"$program" &
program_pid=$!
trap 'kill "$program_pid" "$xvfb_pid" 2>/dev/null || true; [ -z "$runtime_dir" ] || rm -rf "$runtime_dir"' EXIT

wait_for_window() { # NAME: prints the id of the visible window with exactly that name
    local attempt
    for attempt in $(seq 200); do
        if xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1 | grep .; then
            return 0
        fi
        sleep 0.05
    done
    echo "The window \"$1\" did not appear." >&2
    return 1
}

window=$(wait_for_window 'Kavrena1\.4')
xdotool mousemove --window "$window" 157 229 click 1 # the 生成plist button
box=$(wait_for_window '信息')
xdotool windowfocus --sync "$box" key Return
sleep 0.3
shot="$PWD/build/release/kavrena-window.png"
build/release/tools/kavrena_window_shot "$window" "$shot"
xdotool windowfocus --sync "$window" key Escape
wait "$program_pid" || true

echo "Kavrena wrote $(dirname "$program")/WeeWindowListSetting.plist"
echo "A picture of its window: $shot"
