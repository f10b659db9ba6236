#!/usr/bin/env bash
# The real program under a real window manager (openbox) on a 1920x1080 virtual screen,
# each case repeated to catch a race:
#   - the options window stays open after its empty-extension message, dismissed with
#     Return or a click; a click on the main window then closes it;
#   - the first-run greeting stays through Alt+F4; only its OK closes it;
#   - maximise and restore put the main and the result list window back where they were;
#   - closing while maximised keeps the saved normal bounds, session after session;
#   - the minimised main window, restored as a taskbar does after a list-up, comes back
#     active, and what the user types goes into its list box.
set -euo pipefail
tolvin=$1
cw=$2
tries=${TOLVIN_E2E_TRIES:-20}

if [ -z "${TOLVIN_E2E_INNER:-}" ]; then
    . "$(dirname "$0")/empty_home.sh"
    e2e_empty_home
    exec xvfb-run -a -s "-screen 0 1920x1080x24 -noreset" "$0" "$@"
fi

main="TOLVIN ダウンロードリスト作成 編集 SOFT"
ini=$XDG_CONFIG_HOME/TOLVIN/TOLVIN.ini
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

openbox >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null' EXIT
sleep 1

# A later start without the help text, both windows where the user left them.
write_settings() {
    mkdir -p "$XDG_CONFIG_HOME/TOLVIN"
    cat >"$ini" <<EOF
[Startup]
left=4485
top=2730
width=10530
height=9345
windowstate=0
first_flag=${1:-1}
lw_left=16500
lw_top=1500
lw_width=4500
lw_height=7620
lw_windowstate=0
bk_cmb3=http://
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
EOF
}
bounds() { grep -E "^${1:-}(left|top|width|height)=" "$ini" | sort | tr '\n' ' '; }

. "$(dirname "$0")/x11_windows.sh"
start() {
    "$tolvin" 2>>"$HOME/stderr.txt" &
    pid=$!
    wait_for there "$main" || { echo "FAIL: no main window"; cat "$HOME/stderr.txt"; exit 1; }
    sleep 2.5 # the splash goes
}
stop() {
    "$cw" "$main" || true
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    kill -0 $pid 2>/dev/null && { echo "FAIL: the program did not end"; kill $pid; exit 1; }
    wait $pid || true
}
click_in() { # TITLE X Y: a click at a place of the window's client area
    local x y
    read -r x y < <("$cw" --client "$1")
    xdotool mousemove $((x + $2)) $((y + $3)) click 1
}
# Places in the main window's client area at the size above, in pixels.
options_button=(494 499)
list_up_button=(310 14)
list_box=(300 150)

echo "options window after its empty-extension message"
write_settings
start
for i in $(seq "$tries"); do
    click_in "$main" "${options_button[@]}"
    wait_for there "その他の設定" || { fail "try $i: the options window did not open"; continue; }
    sleep 0.3
    xdotool key Tab ctrl+a BackSpace
    click_in "その他の設定" 49 198 # OK
    wait_for there TOLVIN || { fail "try $i: no message"; continue; }
    sleep 0.$((RANDOM % 4))
    if [ $((i % 2)) -eq 0 ]; then
        xdotool key Return
    else
        read -r x y w h < <("$cw" --frame TOLVIN)
        xdotool mousemove $((x + w - 51)) $((y + h - 24)) click 1
    fi
    wait_for gone TOLVIN || fail "try $i: the message stayed"
    sleep 0.5
    "$cw" --find "その他の設定" || { fail "try $i: the options window closed after the message"; continue; }
    xdotool key Escape
    wait_for gone "その他の設定" || fail "try $i: Escape left the options window open"
done
click_in "$main" "${options_button[@]}"
wait_for there "その他の設定" && sleep 0.3
click_in "$main" "${list_box[@]}"
wait_for gone "その他の設定" || fail "a click on the main window left the options window open"

echo "maximise and restore"
click_in "$main" "${list_box[@]}"
xdotool type "http://a.example/b.jpg"
click_in "$main" "${list_up_button[@]}"
result="TOLVIN リスト (1)"
wait_for there "$result" || fail "no result list window"
sleep 0.5
for title in "$main" "$result"; do
    normal=$("$cw" --frame "$title")
    for i in $(seq "$tries"); do
        "$cw" --maximize "$title"
        sleep 0.$((2 + RANDOM % 4))
        "$cw" --restore "$title"
        # Back where it was once the window manager and the program are done, however
        # busy the machine: a window pinned in the corner stays there.
        for _ in $(seq 30); do
            sleep 0.2
            now=$("$cw" --frame "$title")
            [ "$now" = "$normal" ] && break
        done
        [ "$now" = "$normal" ] || { fail "try $i: $title at $now after restore, not $normal"; break; }
    done
done

echo "restoring the minimised main window"
for i in $(seq "$tries"); do
    "$cw" --minimize "$main"
    sleep 0.4
    "$cw" --activate "$main"
    sleep 0.6
    active=$("$cw" --active || true)
    [ "$active" = "$main" ] || fail "try $i: \"$active\" active after the main window came back"
done
# What the user types goes into the list box: it shows there as text.
click_in "$main" "${list_box[@]}"
xdotool key ctrl+a Delete
"$cw" --minimize "$main"
sleep 0.4
"$cw" --activate "$main"
sleep 0.6
xdotool type "MMMMMMMMMMMMMMMMMMMM"
sleep 0.3
[ "$("$cw" --ink "$main" 10 50 400 40)" -gt 100 ] || fail "typing after the restore did not reach the list box"
stop

echo "closing while maximised, session after session"
before="$(bounds) $(bounds lw_)"
for i in 1 2 3; do
    start
    "$cw" --maximize "$main"
    click_in "$main" "${list_box[@]}"
    sleep 0.3
    stop
    after="$(bounds) $(bounds lw_)"
    [ "$after" = "$before" ] || fail "session $i saved $after, not $before"
    grep -q '^windowstate=2$' "$ini" || fail "session $i did not save the maximised state"
done

echo "the first-run greeting through Alt+F4"
write_settings 0
start
wait_for there "TOLVIN のバージョン情報" || fail "no greeting"
for i in 1 2 3 4 5; do
    xdotool key alt+F4
    sleep 0.3
    "$cw" --find "TOLVIN のバージョン情報" || { fail "Alt+F4 closed the greeting"; break; }
done
"$cw" --enter "TOLVIN のバージョン情報" || true
wait_for gone "TOLVIN のバージョン情報" || fail "OK did not close the greeting"
stop

[ $failures -eq 0 ] || { cat "$HOME/stderr.txt"; exit 1; }
echo "5 passed, 0 failed"
