#!/usr/bin/env bash
# A Wine session for the tests of the Windows program: a prefix, a Chinese locale, one virtual
# X display and a wineserver kept running, shared by every Windows program a test starts there.
# Programs of one session share the screen of the display it started with, so it has just one.
#   wine-session.sh start DIR                   makes what is missing, starts display and server
#   wine-session.sh run DIR PROGRAM [ARG...]    runs a Windows program in the session
#   wine-session.sh environment DIR             the session's environment, NAME=VALUE a line
#   wine-session.sh stop DIR                    ends the server and the display
set -euo pipefail
action=${1:?usage: wine-session.sh start|run|environment|stop DIR ...}
dir=${2:?usage: wine-session.sh start|run|environment|stop DIR ...}
dir=$(realpath -m "$dir")
shift 2

# The Chinese locale is made inside the session rather than on the machine: Wine takes the
# Windows locale, and with it the fonts that draw Chinese, from the C library's locale, and
# converts non-ASCII file names with it.
environment() {
    echo "WINEPREFIX=$dir/prefix"
    echo "WINEDLLOVERRIDES=mscoree,mshtml="
    echo "WINEDEBUG=-all"
    echo "LANG=zh_CN.UTF-8"
    echo "LOCPATH=$dir/locale"
    if [ -s "$dir/display" ]; then echo "DISPLAY=:$(cat "$dir/display")"; fi
}

enter() {
    unset LC_ALL LC_CTYPE LC_MESSAGES LANGUAGE
    local line
    while IFS= read -r line; do export "${line?}"; done < <(environment)
}

# The display answers, not merely a process by that number lives.
running() { [ -s "$dir/display" ] && xdpyinfo -display ":$(cat "$dir/display")" >/dev/null 2>&1; }

start() {
    mkdir -p "$dir"
    exec 9>"$dir/lock"
    flock 9
    if [ ! -d "$dir/locale/zh_CN.UTF-8" ]; then
        mkdir -p "$dir/locale"
        localedef -i zh_CN -f UTF-8 "$dir/locale/zh_CN.UTF-8" || [ -d "$dir/locale/zh_CN.UTF-8" ]
    fi
    if ! running; then
        rm -f "$dir/display"
        setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display" \
            </dev/null >/dev/null 2>&1 9>&- &
        echo $! >"$dir/xvfb.pid"
        for _ in $(seq 150); do [ -s "$dir/display" ] && break; sleep 0.1; done
        [ -s "$dir/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
    fi
    enter
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "Making the Wine prefix $WINEPREFIX"
        wineboot -i </dev/null >/dev/null 2>&1 9>&-
        wineserver -w
    fi
    # A server that stays makes each program start in a fraction of a second; one may run already.
    setsid wineserver -p </dev/null >/dev/null 2>&1 9>&- || true
    # A program that crashes ends at once instead of waiting in Wine's debugger.
    wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger \
        /d '' /f </dev/null >/dev/null 2>&1 9>&- || { echo "Wine does not start" >&2; exit 1; }
    echo "Wine session on display :$(cat "$dir/display")"
}

stop() {
    if [ -f "$dir/prefix/system.reg" ]; then
        enter
        wineserver -k 2>/dev/null || true
    fi
    if [ -s "$dir/xvfb.pid" ]; then kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true; fi
    # Gone before this returns, so that the next server to start cannot meet this one.
    for _ in $(seq 50); do running || break; sleep 0.1; done
    rm -f "$dir/xvfb.pid" "$dir/display"
}

case $action in
start) start ;;
stop) stop ;;
environment) environment ;;
run)
    running || { echo "no Wine session in $dir: start it first" >&2; exit 1; }
    enter
    exec wine "$@"
    ;;
*) echo "unknown action $action" >&2; exit 2 ;;
esac
