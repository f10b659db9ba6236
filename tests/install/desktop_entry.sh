#!/usr/bin/env bash
# Checks the staged install tree as a desktop reads it: the desktop entry and the
# AppStream metainfo pass their validators, the entry starts an installed program and
# names an installed icon, and its name and comment are there in English and Japanese.
set -euo pipefail
stage=$1
id=$2
picture=$3
usr=$stage/usr
entry=$usr/share/applications/$id.desktop
metainfo=$usr/share/metainfo/$id.metainfo.xml
failures=0
fail() {
    echo "FAIL: $1"
    failures=$((failures + 1))
}
key() { sed -n "s/^$1=//p" "$entry"; }

[ -f "$entry" ] || { echo "FAIL: no desktop entry at $entry"; exit 1; }
[ -f "$metainfo" ] || { echo "FAIL: no metainfo at $metainfo"; exit 1; }

# Hints (such as two main categories, which the entry has on purpose) pass; errors and
# warnings do not.
report=$(desktop-file-validate "$entry" 2>&1) || fail "desktop-file-validate: $report"
grep -qE ': (error|warning):' <<<"$report" && fail "desktop-file-validate complains"
appstreamcli validate --no-net "$metainfo" >/dev/null 2>&1 ||
    fail "appstreamcli validate: $(appstreamcli validate --no-net "$metainfo" 2>&1)"
appstreamcli validate-tree --no-net "$stage/usr" >/dev/null 2>&1 ||
    fail "appstreamcli validate-tree: $(appstreamcli validate-tree --no-net "$stage/usr" 2>&1)"

exec_program=$(key Exec | cut -d' ' -f1)
[ -x "$usr/bin/$exec_program" ] || fail "Exec names '$exec_program', which is not installed in bin"
[ "$(key Icon)" = "$id" ] || fail "Icon is '$(key Icon)', not $id"
cmp -s "$usr/share/icons/hicolor/scalable/apps/$id.svg" "$picture" ||
    fail "the scalable icon is not the program's picture"
[ -n "$(key Name)" ] && [ -n "$(key Comment)" ] || fail "no English name or comment"
# Japanese is beyond ASCII.
for k in Name Comment; do
    LC_ALL=C grep -q $'[\x80-\xff]' <<<"$(key "$k\\[ja\\]")" || fail "$k[ja] holds no Japanese"
done
for category in Utility Network; do
    grep -q "^Categories=\(.*;\)\?$category;" "$entry" || fail "not in the category $category"
done
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo does not launch $id.desktop"
grep -q '<screenshot' "$metainfo" || fail "the metainfo has no screenshot"
# The programs it provides are exactly those installed.
provided=$(sed -n 's|.*<binary>\(.*\)</binary>.*|\1|p' "$metainfo" | sort)
[ "$provided" = "$(ls "$usr/bin" | sort)" ] ||
    fail "the metainfo provides '$(echo $provided)', bin holds '$(ls "$usr/bin" | tr '\n' ' ')'"

[ "$failures" -eq 0 ] || exit 1
echo "1 passed, 0 failed"
