#!/usr/bin/env bash
# Takes the README's screenshots from the real program on a virtual X server, driven
# as a user drives it: a first start with an empty home, "OK" on the greeting, which
# starts the demonstration (docs/screenshots/main-window.png), then a click on
# "検索してリストを作る", whose list of the demonstration's addresses shows in the result
# list window (docs/screenshots/result-window.png). Run by hand after changing a window:
#   scripts/screenshots.sh [BUILD_DIR]     (an existing build folder, else build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}

if [ -z "${TOLVIN_SCREENSHOTS_INNER:-}" ]; then
    scripts/install-deps.sh xdotool imagemagick
    if [ ! -f "$build/CMakeCache.txt" ]; then
        cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTOLVIN_TESTS=OFF -DTOLVIN_BENCH=OFF >/dev/null
    fi
    cmake --build "$build" --target tolvin
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    mkdir -m 700 "$home/run"
    export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home/run TOLVIN_SCREENSHOTS_INNER=1
    export LANG=C.UTF-8 LC_ALL=C.UTF-8
    unset QT_QPA_PLATFORM QT_SCALE_FACTOR WAYLAND_DISPLAY
    xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$0" "$build"
    exit
fi

out=docs/screenshots
mkdir -p "$out"
main_title="TOLVIN ダウンロードリスト作成 編集 SOFT"
greeting_title="TOLVIN のバージョン情報"
result_title="TOLVIN リスト (25)"

# The id of the window whose title is exactly the one given, once it is shown.
window() {
    for _ in $(seq 300); do
        for id in $(xdotool search --onlyvisible --name '^TOLVIN' 2>/dev/null); do
            if [ "$(xdotool getwindowname "$id")" = "$1" ]; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    echo "no window '$1' appeared" >&2
    return 1
}

# A window's picture, without its frame, as a small PNG.
shoot() {
    import -window "$1" "png:$out/$2.raw.png"
    convert "$out/$2.raw.png" -strip -colors 256 "png8:$out/$2.png"
    rm -f "$out/$2.raw.png"
}

"$build/src/app/tolvin" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

main=$(window "$main_title")
greeting=$(window "$greeting_title")
# Return on the greeting's "OK"; a loaded machine may show the window before it takes
# keys, so press again as a user would.
shown() { xdotool search --onlyvisible --name '^TOLVIN' 2>/dev/null | grep -qx "$1"; }
for _ in 1 2 3; do
    xdotool windowfocus --sync "$greeting" key Return 2>/dev/null || true
    for _ in $(seq 30); do
        shown "$greeting" || break 2
        sleep 0.1
    done
done
if shown "$greeting"; then
    echo "Return did not close the greeting" >&2
    exit 1
fi
sleep 1
shoot "$main" main-window

# "検索してリストを作る" sits in the search strip, 1335 + 2325 twips from the window's left
# and 30 from its top, 1950 by 360 twips; at 15 twips a pixel its middle is (309, 14).
xdotool mousemove --window "$main" 309 14 click 1
result=$(window "$result_title")
# Wide enough to read whole addresses, as a user would drag it.
xdotool windowsize --sync "$result" 500 380
sleep 1
shoot "$result" result-window
ls -l "$out"
