#!/usr/bin/env bash
# Makes the Debian package of the build folder with CPack and checks it against the
# staged install tree: it holds every file the install rules put in place and nothing
# else, under /usr, with the project's version and the libraries the programs link.
set -euo pipefail
build=$1
stage=$2
version=$3

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 ||
    { echo "FAIL: cpack"; cat "$work/cpack.log"; exit 1; }
debs=("$work"/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: cpack made no single .deb"; ls "$work"; exit 1; }
deb=${debs[0]}
failures=0
fail() {
    echo "FAIL: $1"
    failures=$((failures + 1))
}

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tolvin ] || fail "package name '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "version '$(field Version)', not $version"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "architecture '$(field Architecture)'"
for lib in libqt6widgets6 libqt6svg6 libc6 'libicu[0-9]+'; do
    grep -Eq "\b$lib\b" <<<"$(field Depends)" || fail "Depends lacks $lib: $(field Depends)"
done
dpkg-deb -I "$deb" >/dev/null || fail "dpkg-deb -I cannot read the package"

# Files and links, as paths from the root; folders only come along.
(cd "$stage" && find . ! -type d | sed 's|^\./|/|' | sort) >"$work/installed"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./|/|' | sort >"$work/packaged"
if ! diff -u "$work/installed" "$work/packaged" >"$work/diff"; then
    fail "the package's files differ from the installed ones (- installed only, + packaged only):"
    cat "$work/diff"
fi
[ -s "$work/installed" ] || fail "nothing was installed"
grep -qv '^/usr/' "$work/packaged" && fail "files outside /usr: $(grep -v '^/usr/' "$work/packaged")"

# The copyright in Debian's machine-readable format, under the licence the metainfo names.
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/tolvin/copyright >"$work/copyright" 2>/dev/null ||
    fail "no /usr/share/doc/tolvin/copyright"
head -1 "$work/copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
    fail "the copyright is not in the machine-readable format"
project_license=$(sed -n 's|.*<project_license>\(.*\)</project_license>.*|\1|p' "$stage"/usr/share/metainfo/*.xml)
licences=$(sed -n 's/^License: *//p' "$work/copyright" | sort -u)
[ -n "$project_license" ] && [ "$licences" = "$project_license" ] ||
    fail "the copyright's licences '$licences' are not the metainfo's '$project_license'"

[ "$failures" -eq 0 ] || exit 1
echo "1 passed, 0 failed"
