#!/usr/bin/env bash
# Opens the home page through the real platform services on a desktop whose only way
# to a browser is its https handler: a stub desktop entry in a temporary XDG_DATA_HOME
# whose program records its arguments. An xdg-open that fails stands first on PATH, as
# if xdg-utils were missing. The handler must get the address as its one argument.
set -euo pipefail
open_web_page=$(realpath "$1")
address=https://tolvin.example.org/

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data/applications" "$work/config" "$work/config-dirs" "$work/calls" "$work/bin"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/config-dirs HOME=$work
export PATH=$work/bin:$PATH
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS

printf '#!/bin/sh\nexit 3\n' >"$work/bin/xdg-open"
cat >"$work/record" <<'SCRIPT'
#!/usr/bin/env bash
out=$(dirname "$0")/calls/$$
printf '%s\0' "$#" "$@" >"$out.part" && mv "$out.part" "$out"
SCRIPT
chmod +x "$work/record" "$work/bin/xdg-open"
cat >"$work/data/applications/tolvin-test-browser.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Recorder
Exec=$work/record %u
MimeType=x-scheme-handler/https;
ENTRY
printf '[Default Applications]\nx-scheme-handler/https=tolvin-test-browser.desktop\n' \
    >"$work/data/applications/mimeapps.list"

cd "$work"
"$open_web_page" "$address" 2>"$work/stderr.txt"
for _ in $(seq 100); do
    [ -n "$(find "$work/calls" -type f ! -name '*.part')" ] && break
    sleep 0.1
done
calls=("$work/calls"/*)
[ -f "${calls[0]}" ] || { echo "FAIL: the https handler was not started"; cat "$work/stderr.txt"; exit 1; }
mapfile -d '' -t fields <"${calls[0]}"
[ "${#calls[@]}" -eq 1 ] && [ "${fields[0]}" = 1 ] && [ "${fields[1]}" = "$address" ] ||
    { echo "FAIL: the handler got: ${fields[*]}"; exit 1; }
echo "1 passed, 0 failed"
