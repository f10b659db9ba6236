#!/usr/bin/env bash
# Shows files with awkward names in the desktop's text editor through the real
# launcher. The editor is a stub desktop entry for text/plain in a temporary
# XDG_DATA_HOME whose program records its arguments: each start must give it exactly
# one argument, the path, and no shell may have run anything the names spell.
set -euo pipefail
show_in_editor=$1

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/data/applications" "$work/config" "$work/config-dirs" "$work/calls" "$work/files"
export XDG_DATA_HOME=$work/data XDG_CONFIG_HOME=$work/config XDG_CONFIG_DIRS=$work/config-dirs HOME=$work
unset DISPLAY WAYLAND_DISPLAY DBUS_SESSION_BUS_ADDRESS

cat >"$work/record" <<'SCRIPT'
#!/usr/bin/env bash
out=$(dirname "$0")/calls/$$
printf '%s\0' "$#" "$@" >"$out.part" && mv "$out.part" "$out"
SCRIPT
chmod +x "$work/record"
cat >"$work/data/applications/tolvin-test-editor.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Recorder
Exec=$work/record %f
MimeType=text/plain;
ENTRY
printf '[Default Applications]\ntext/plain=tolvin-test-editor.desktop\n' >"$work/data/applications/mimeapps.list"

names=("with space.txt" "quote ' and \" too.lst" "-leading dash.txt" "semi;colon.html" '$(touch pwned).cgi'
       $'new\nline.txt' "日本語 リスト.txt" 'back\slash `touch pwned`.txt' "%f %u 100%.txt" "no extension")
paths=()
for n in "${names[@]}"; do
    printf 'x\r\n' >"$work/files/$n"
    paths+=("$work/files/$n")
done

cd "$work"
printf '%s\0' "${paths[@]}" | "$show_in_editor" 2>"$work/stderr.txt"

for _ in $(seq 100); do
    [ "$(find "$work/calls" -type f ! -name '*.part' | wc -l)" -ge ${#paths[@]} ] && break
    sleep 0.1
done
declare -A seen=()
for call in "$work/calls"/*; do
    [ -f "$call" ] || continue
    mapfile -d '' -t fields <"$call"
    if [ "${fields[0]}" != 1 ]; then
        echo "FAIL: the editor got ${fields[0]} arguments: ${fields[*]:1}"
        exit 1
    fi
    seen["${fields[1]}"]=1
done
for p in "${paths[@]}"; do
    [ -n "${seen[$p]:-}" ] || { echo "FAIL: the editor never got $p"; cat "$work/stderr.txt"; exit 1; }
done
[ ${#seen[@]} -eq ${#paths[@]} ] || { echo "FAIL: the editor got other paths"; exit 1; }
if [ -e "$work/pwned" ] || [ -e "$work/files/pwned" ]; then
    echo "FAIL: a command in a file name ran"
    exit 1
fi
echo "1 passed, 0 failed"
