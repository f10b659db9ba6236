#!/usr/bin/env bash
# A list made by tolvin-list expand, piped into wget -i -, fetches every file it names
# from a web server on the loopback address: the numbered files and the extra one.
set -euo pipefail
tolvin_list=$1

work=$(mktemp -d)
server=
cleanup() {
    [ -n "$server" ] && kill "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
mkdir -p "$work/site/pics" "$work/got"
names=(top.jpg)
for n in $(seq -w 0 24); do names+=("p0$n.jpg"); done
for name in "${names[@]}"; do printf 'picture %s\n' "$name" >"$work/site/pics/$name"; done

# A small HTTP/1.1 server, so that wget keeps its connection as it would with a real
# one; on port 0 the system picks a free port, which its first line tells.
cat >"$work/serve.py" <<'SCRIPT'
import functools, http.server, sys
http.server.SimpleHTTPRequestHandler.protocol_version = "HTTP/1.1"
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=sys.argv[1])
with http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler) as httpd:
    print("port", httpd.server_address[1], flush=True)
    httpd.serve_forever()
SCRIPT
python3 "$work/serve.py" "$work/site" >"$work/server.log" 2>&1 &
server=$!
port=
for _ in $(seq 100); do
    port=$(sed -n 's/^port \([0-9]*\)$/\1/p' "$work/server.log" | head -n 1)
    [ -n "$port" ] && break
    sleep 0.1
done
[ -n "$port" ] || { echo "FAIL: the test server did not start"; cat "$work/server.log"; exit 1; }

printf 'Pictures: http://127.0.0.1:%s/pics/p[000-024].jpg+top.jpg (25)\r\n' "$port" >"$work/list.txt"
"$tolvin_list" expand "$work/list.txt" |
    wget --no-proxy --no-verbose --tries=1 --timeout=10 --directory-prefix="$work/got" --input-file=- 2>"$work/wget.log" ||
    { echo "FAIL: wget reported an error"; cat "$work/wget.log"; exit 1; }

for name in "${names[@]}"; do
    cmp -s "$work/site/pics/$name" "$work/got/$name" || { echo "FAIL: $name was not fetched"; exit 1; }
done
[ "$(ls "$work/got" | wc -l)" -eq ${#names[@]} ] || { echo "FAIL: other files were fetched"; exit 1; }
echo "1 passed, 0 failed"
