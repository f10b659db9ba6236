#!/usr/bin/env bash
# Starts the real program on a virtual X server under openbox, with its own D-Bus
# session and accessibility bus, and walks its windows over AT-SPI (atspi_walk.py).
# Usage: accessibility_tree.sh TOLVIN TREE_OUT (the windows' trees, the main window first)
set -euo pipefail
tolvin=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)

if [ -z "${TOLVIN_E2E_INNER:-}" ]; then
    . "$(dirname "$0")/empty_home.sh"
    e2e_empty_home
    unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
    # The whole walk is bounded: a bus or a window that never answers fails the test.
    exec timeout -k 5 150 xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
        dbus-run-session -- "$0" "$@"
fi

openbox >/dev/null 2>&1 &
wm=$!
# Qt registers with the accessibility bus only when a screen reader asks for it, or
# always with this; the bus itself starts on demand through the session bus.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb NO_AT_BRIDGE=0
"$tolvin" 2>"$HOME/stderr.txt" &
pid=$!
status=0
# Debian's own Python, which has python3-gi.
/usr/bin/python3 "$here/atspi_walk.py" "$out" "$pid" || status=$?
kill "$pid" "$wm" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
[ "$status" -eq 0 ] || { echo "program's errors:"; cat "$HOME/stderr.txt"; }
exit "$status"
