#!/usr/bin/env bash
# Starts the real program on a virtual X server with an empty home: the first start
# greets, the greeting is answered with Return on its "OK", the demonstration runs,
# and the main window is closed as a window manager would close it; the settings file
# it leaves behind is checked. Then a later start, whose splash must go by itself.
set -euo pipefail
tolvin=$1
close_window=$2

if [ -z "${TOLVIN_E2E_INNER:-}" ]; then
    . "$(dirname "$0")/empty_home.sh"
    e2e_empty_home
    # -noreset: the probes below come and go before the program connects, and a server
    # that resets whenever its last client leaves refuses connections meanwhile.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi

title="TOLVIN ダウンロードリスト作成 編集 SOFT"
about="TOLVIN のバージョン情報"

# Waits for a window to be there ("there") or gone ("gone"), up to 30 s or the
# tenths of a second given.
wait_for() {
    local want=$1 t=$2 tenths=${3:-300}
    for _ in $(seq "$tenths"); do
        if "$close_window" --find "$t"; then [ "$want" = there ] && return 0; else [ "$want" = gone ] && return 0; fi
        sleep 0.1
    done
    return 1
}
fail() { echo "FAIL: $1"; cat "$HOME/stderr.txt"; kill $pid 2>/dev/null; exit 1; }

# Closes the main window and waits for the program to end. A loaded machine may map
# the window before the program listens for the close message: ask again, as a user
# would click again.
close_main() {
    for _ in 1 2 3; do
        sleep 0.5
        "$close_window" "$title" || true
        for _ in $(seq 50); do
            kill -0 $pid 2>/dev/null || break
            sleep 0.1
        done
        kill -0 $pid 2>/dev/null || break
    done
    kill -0 $pid 2>/dev/null && fail "the program did not end after its main window was closed"
    wait $pid || { echo "FAIL: the program ended with status $?"; exit 1; }
}

# The first start.
"$tolvin" 2>"$HOME/stderr.txt" &
pid=$!
wait_for there "$title" || fail "the main window did not appear"
wait_for there "$about" || fail "the first start showed no greeting"
# Part of the list box above the greeting, in pixels of the main window: empty until
# the demonstration fills the list.
list_part=(10 50 300 100)
sleep 0.5
"$close_window" --find "$about" || fail "the greeting closed by itself"
[ "$("$close_window" --ink "$title" "${list_part[@]}")" -eq 0 ] || fail "the list was not empty behind the greeting"
for _ in 1 2 3; do
    "$close_window" --enter "$about" || true
    wait_for gone "$about" 50 && break
done
"$close_window" --find "$about" && fail "Return on OK did not close the greeting"
for _ in $(seq 50); do
    [ "$("$close_window" --ink "$title" "${list_part[@]}")" -gt 500 ] && break
    sleep 0.1
done
[ "$("$close_window" --ink "$title" "${list_part[@]}")" -gt 500 ] || fail "the demonstration did not fill the list"
close_main

ini=$XDG_CONFIG_HOME/TOLVIN/TOLVIN.ini
[ -f "$ini" ] || { echo "FAIL: no settings file at $ini"; exit 1; }
keys=(left top width height windowstate first_flag lw_left lw_top lw_width lw_height lw_windowstate bk_cmb3
      bk_txt1 bk_txt2 bk_txt3 bk_txt4 bk_txt5 bk_txt6 comment_flag help_comment_flag save_type_flag save_type_str)
section=$(awk '/^\[Startup\]/{f=1;next} /^\[/{f=0} f' "$ini")
for k in "${keys[@]}"; do
    grep -q "^$k=" <<<"$section" || { echo "FAIL: key $k missing"; cat "$ini"; exit 1; }
done
[ "$(grep -c '=' <<<"$section")" -eq 22 ] || { echo "FAIL: not exactly 22 keys"; cat "$ini"; exit 1; }
# The demonstration's texts went back before they were saved.
grep -q '^bk_cmb3="\?http://' <<<"$section" || { echo "FAIL: bk_cmb3 not the default"; cat "$ini"; exit 1; }
grep -q '^bk_txt1=$' <<<"$section" || { echo "FAIL: bk_txt1 not empty"; cat "$ini"; exit 1; }
grep -q '^first_flag=1$' <<<"$section" || { echo "FAIL: first_flag not 1"; cat "$ini"; exit 1; }

# A later start: the splash sits over the main window and goes by itself, not before
# its 2 seconds, leaving the main window.
started=$(date +%s%N)
"$tolvin" 2>"$HOME/stderr.txt" &
pid=$!
wait_for there "$title" || fail "the main window did not appear at the later start"
wait_for there "$about" || fail "the later start showed no splash"
wait_for gone "$about" || fail "the splash did not go"
gone=$(date +%s%N)
[ $(((gone - started) / 1000000)) -ge 2000 ] || fail "the splash went after $(((gone - started) / 1000000)) ms"
"$close_window" --find "$title" || fail "the main window went with the splash"
close_main
echo "2 passed, 0 failed"
