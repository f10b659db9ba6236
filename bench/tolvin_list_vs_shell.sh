#!/usr/bin/env bash
# Whole processes at the list limit: tolvin-list expand against bash's brace expansion,
# and tolvin-list search against grep -oE, each doing the same work; and search on a
# page of a common size (17 KB: a gallery with its head, menu, links and Japanese text). Prints the time
# of one run of each (the mean of many) and how many times the faster shell command
# tolvin-list takes. Run by hand: bench/tolvin_list_vs_shell.sh build/test/src/cli/tolvin-list [runs]
set -euo pipefail
tolvin_list=$(realpath "$1")
runs=${2:-300}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

# 1,560 URLs of 40 characters: 65,522 characters with their CR LF and the leading one.
printf 'http://example.com/pics/kurukuru[0000-1559].jpg\r\n' >template.txt
# A page of 65,502 characters, 1,213 image tags.
for i in $(seq 0 1212); do printf '<img src="http://example.com/pics/kurukuru%04d.jpg">\r\n' "$i"; done >page.html

# A gallery page of 17,069 bytes with 144 addresses, in UTF-8 with Japanese captions.
{
    printf '<!DOCTYPE html>\n<html lang="ja">\n<head>\n<meta charset="utf-8">\n<title>写真ギャラリー - 春の旅行</title>\n'
    printf '<link rel="stylesheet" href="http://example.com/css/style.css">\n'
    printf '<script src="http://example.com/js/jquery.min.js"></script>\n</head>\n<body>\n'
    printf '<div id="header"><a href="http://example.com/"><img src="http://example.com/img/logo.png" alt="ロゴ"></a></div>\n<ul class="menu">\n'
    for i in $(seq 0 11); do printf '<li><a href="http://example.com/gallery/page%d.html">ギャラリー %d</a></li>\n' "$i" "$i"; done
    printf '</ul>\n<div class="photos">\n'
    for i in $(seq 0 63); do
        printf '<div class="photo"><a href="http://example.com/photos/2026/spring/IMG_%04d.jpg">' $((1000 + i))
        printf '<img src="http://example.com/photos/2026/spring/thumb/IMG_%04d_s.jpg" width="160" height="120" alt="桜と川 %d"></a>' $((1000 + i)) "$i"
        printf '<p>撮影日 2026年4月%d日 京都</p></div>\n' $((i % 30 + 1))
    done
    printf '</div>\n<p>Copyright (c) example.com</p>\n</body>\n</html>\n'
} >gallery.html

expand_tolvin() { "$tolvin_list" expand template.txt; }
expand_bash() { bash -c 'printf "%s\r\n" http://example.com/pics/kurukuru{0000..1559}.jpg'; }
search_tolvin() { "$tolvin_list" search jpg page.html; }
search_grep() { LC_ALL=C grep -oE '[!#-&(-~]*jpg[!#-&(-~]*' page.html; }
page_tolvin() { "$tolvin_list" search http gallery.html; }
page_grep() { LC_ALL=C grep -oaE '[!#-&(-~]*http[!#-&(-~]*' gallery.html; }

# The same lines, whatever their line breaks.
same() { diff <("$1" | tr -d '\r' | grep -v '^$') <("$2" | tr -d '\r' | grep -v '^$') >/dev/null; }
same expand_tolvin expand_bash || { echo "expand and bash differ" >&2; exit 1; }
same search_tolvin search_grep || { echo "search and grep differ" >&2; exit 1; }
same page_tolvin page_grep || { echo "search and grep differ on the page" >&2; exit 1; }

# Milliseconds of one run, the mean of $runs: wall-clock time and processor time (user
# and system, of every process the run starts). On a busy machine the processor time
# is the steadier figure.
per_run() {
    local TIMEFORMAT='%3R %3U %3S' times
    "$1" >/dev/null # warm the caches
    times=$({ time for ((i = 0; i < runs; i++)); do "$1" >/dev/null; done; } 2>&1)
    awk -v runs="$runs" '{ printf "%.3f %.3f", $1 * 1000 / runs, ($2 + $3) * 1000 / runs }' <<<"$times"
}

compare() {
    local ours_wall ours_cpu theirs_wall theirs_cpu
    read -r ours_wall ours_cpu <<<"$(per_run "$1")"
    read -r theirs_wall theirs_cpu <<<"$(per_run "$2")"
    printf '%-13s %6s ms (cpu %6s)   %-13s %6s ms (cpu %6s)   ratio %s (cpu %s)\n' \
        "$1" "$ours_wall" "$ours_cpu" "$2" "$theirs_wall" "$theirs_cpu" \
        "$(awk -v a="$ours_wall" -v b="$theirs_wall" 'BEGIN { printf "%.2f", a / b }')" \
        "$(awk -v a="$ours_cpu" -v b="$theirs_cpu" 'BEGIN { printf "%.2f", a / b }')"
}
compare expand_tolvin expand_bash
compare search_tolvin search_grep
compare page_tolvin page_grep
