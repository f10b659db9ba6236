#!/usr/bin/env bash
# Starts the real program on a virtual X server with an empty home, closes its main
# window as a window manager would, and checks the settings file it leaves behind.
set -euo pipefail
tolvin=$1
close_window=$2

if [ -z "${TOLVIN_E2E_INNER:-}" ]; then
    home=$(mktemp -d)
    trap 'rm -rf "$home"' EXIT
    export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_RUNTIME_DIR=$home/run TOLVIN_E2E_INNER=1
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    unset QT_QPA_PLATFORM
    # -noreset: the probes below come and go before the program connects, and a server
    # that resets whenever its last client leaves refuses connections meanwhile.
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi

title="TOLVIN ダウンロードリスト作成 編集 SOFT"
"$tolvin" 2>"$HOME/stderr.txt" &
pid=$!
for _ in $(seq 300); do
    "$close_window" --find "$title" && break
    sleep 0.1
done
"$close_window" --find "$title" || { echo "FAIL: the main window did not appear"; cat "$HOME/stderr.txt"; kill $pid; exit 1; }
# A loaded machine may map the window before the program listens for the close
# message: ask again, as a user would click again.
for _ in 1 2 3; do
    sleep 0.5
    "$close_window" "$title" || true
    for _ in $(seq 50); do
        kill -0 $pid 2>/dev/null || break
        sleep 0.1
    done
    kill -0 $pid 2>/dev/null || break
done
if kill -0 $pid 2>/dev/null; then
    echo "FAIL: the program did not end after its main window was closed"
    cat "$HOME/stderr.txt"
    kill $pid
    exit 1
fi
wait $pid || { echo "FAIL: the program ended with status $?"; exit 1; }

ini=$XDG_CONFIG_HOME/TOLVIN/TOLVIN.ini
[ -f "$ini" ] || { echo "FAIL: no settings file at $ini"; exit 1; }
keys=(left top width height windowstate first_flag lw_left lw_top lw_width lw_height lw_windowstate bk_cmb3
      bk_txt1 bk_txt2 bk_txt3 bk_txt4 bk_txt5 bk_txt6 comment_flag help_comment_flag save_type_flag save_type_str)
section=$(awk '/^\[Startup\]/{f=1;next} /^\[/{f=0} f' "$ini")
for k in "${keys[@]}"; do
    grep -q "^$k=" <<<"$section" || { echo "FAIL: key $k missing"; cat "$ini"; exit 1; }
done
[ "$(grep -c '=' <<<"$section")" -eq 22 ] || { echo "FAIL: not exactly 22 keys"; cat "$ini"; exit 1; }
grep -q '^bk_cmb3="\?http://' <<<"$section" || { echo "FAIL: bk_cmb3 not the default"; cat "$ini"; exit 1; }
echo "1 passed, 0 failed"
