#!/usr/bin/env bash
# SIGTERM and SIGHUP, as a session's end or `kill` sends them, close the real program
# as its window's close does: settings written, exit status 0. Also while the options
# window's message waits for an answer and while the first-run greeting is up.
set -euo pipefail
tolvin=$1
cw=$2

if [ -z "${TOLVIN_E2E_INNER:-}" ]; then
    . "$(dirname "$0")/empty_home.sh"
    e2e_empty_home
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$0" "$@"
fi

main="TOLVIN ダウンロードリスト作成 編集 SOFT"
ini=$XDG_CONFIG_HOME/TOLVIN/TOLVIN.ini
mkdir -p "$XDG_CONFIG_HOME/TOLVIN"
openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
sleep 1

. "$(dirname "$0")/x11_windows.sh"
# Settings whose keys stand in an order of their own: the program writes them sorted.
write_settings() {
    printf '[Startup]\nsave_type_str=txt\nleft=1500\ntop=1500\nwidth=10530\nheight=9345\nwindowstate=0\n' >"$ini"
    printf 'first_flag=%s\nlw_left=7845\nlw_top=0\nlw_width=4125\nlw_height=7620\nlw_windowstate=0\n' "$1" >>"$ini"
    printf 'bk_cmb3=gif\nbk_txt1=a\ncomment_flag=1\nhelp_comment_flag=0\nsave_type_flag=1\n' >>"$ini"
}
# Sends the signal and checks that the program ended well and wrote its settings.
end_with() { # SIGNAL WHAT FIRST_FLAG
    kill -"$1" $pid
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    kill -0 $pid 2>/dev/null && { echo "FAIL: $1 $2 did not end the program"; kill -9 $pid; exit 1; }
    wait $pid || { echo "FAIL: $1 $2: exit status $?"; exit 1; }
    sed -n 2p "$ini" | grep -q '^bk_cmb3=gif$' || { echo "FAIL: $1 $2: no settings written"; cat "$ini"; exit 1; }
    grep -q "^first_flag=$3$" "$ini" || { echo "FAIL: $1 $2: first_flag not $3"; cat "$ini"; exit 1; }
    [ "$(grep -c '=' "$ini")" -eq 22 ] || { echo "FAIL: $1 $2: not 22 keys"; cat "$ini"; exit 1; }
}
start() {
    "$tolvin" 2>>"$HOME/stderr.txt" &
    pid=$!
    wait_for there "$main" || { echo "FAIL: no main window"; cat "$HOME/stderr.txt"; exit 1; }
    sleep 1
}

write_settings 1
start
end_with TERM "while idle" 1

write_settings 1
start
sleep 1.5
read -r x y < <("$cw" --client "$main")
xdotool mousemove $((x + 494)) $((y + 499)) click 1 # the options button
wait_for there "その他の設定" || { echo "FAIL: no options window"; exit 1; }
sleep 0.3
xdotool key Tab ctrl+a BackSpace Return # an empty extension, then OK
wait_for there TOLVIN || { echo "FAIL: no empty-extension message"; exit 1; }
end_with HUP "during a message" 1

write_settings 0
start
wait_for there "TOLVIN のバージョン情報" || { echo "FAIL: no greeting"; exit 1; }
end_with TERM "during the first-run greeting" 0
echo "3 passed, 0 failed"
