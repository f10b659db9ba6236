#!/usr/bin/env bash
# Starts the real program natively on Wayland (Qt's wayland platform) on a headless
# weston, checks that its main window is shown there, ends it as a session's end does
# (SIGTERM) and checks the settings: written, sizes kept, and the positions left as
# they were, since a Wayland client cannot learn where it stands.
set -euo pipefail
tolvin=$1

home=$(mktemp -d)
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home/run
mkdir -m 700 "$XDG_RUNTIME_DIR"
mkdir -p "$XDG_CONFIG_HOME/TOLVIN"
ini=$XDG_CONFIG_HOME/TOLVIN/TOLVIN.ini
socket=tolvin-e2e
weston --backend=headless-backend.so --use-pixman --socket=$socket --width=1280 --height=1024 \
    --idle-time=0 >"$home/weston.txt" 2>&1 &
compositor=$!
trap 'kill $compositor 2>/dev/null; wait $compositor 2>/dev/null; rm -rf "$home"' EXIT
for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$socket" ] && break; sleep 0.1; done
[ -S "$XDG_RUNTIME_DIR/$socket" ] || { echo "FAIL: weston did not start"; cat "$home/weston.txt"; exit 1; }

# Keys in an order of their own: the program rewrites the file in its order.
cat >"$ini" <<'INI'
[Startup]
left=4485
top=2730
width=10530
height=9345
windowstate=0
first_flag=1
lw_left=16500
lw_top=1500
lw_width=4500
lw_height=7620
lw_windowstate=0
bk_cmb3=jpg
bk_txt1=
bk_txt2=
bk_txt3=
bk_txt4=
bk_txt5=
bk_txt6=
comment_flag=1
help_comment_flag=0
save_type_flag=1
save_type_str=txt
INI

# The client's side of the protocol (libwayland's own trace) tells what it shows.
env -u DISPLAY QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$socket WAYLAND_DEBUG=client "$tolvin" \
    2>"$home/trace.txt" &
pid=$!
title='TOLVIN ダウンロードリスト作成 編集 SOFT'
for _ in $(seq 100); do
    grep -q "xdg_toplevel@[0-9]*\.set_title(\"$title\")" "$home/trace.txt" && break
    sleep 0.1
done
sleep 3 # its first frames, and the splash goes
fail() { echo "FAIL: $1"; grep -v '^\[' "$home/trace.txt" | head -20; kill $pid 2>/dev/null; exit 1; }
kill -0 $pid 2>/dev/null || fail "the program ended on its own"
grep -q "xdg_toplevel@[0-9]*\.set_title(\"$title\")" "$home/trace.txt" ||
    fail "no main window on the wayland platform"
grep -q 'xdg_surface@[0-9]*\.configure(' "$home/trace.txt" || fail "the compositor never configured a window"
grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@' "$home/trace.txt" || fail "the window was never drawn"

kill -TERM $pid
for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && fail "SIGTERM did not end the program"
wait $pid || fail "the program ended with status $?"

head -2 "$ini" | grep -q '^bk_cmb3=jpg$' || { echo "FAIL: the settings were not written"; cat "$ini"; exit 1; }
for kv in left=4485 top=2730 width=10530 height=9345 lw_left=16500 lw_top=1500 first_flag=1; do
    grep -q "^$kv$" "$ini" || { echo "FAIL: $kv not kept"; cat "$ini"; exit 1; }
done
echo "1 passed, 0 failed"
