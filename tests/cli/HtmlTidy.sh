#!/usr/bin/env bash
# The web-page reports are well-formed HTML5: HTML Tidy (Debian package tidy)
# finds no error in any report of the samples and of the real file (where
# present), the full report also with the structure positions.
#
#   HtmlTidy.sh VANTOR_REPORT SOURCE_DIR
#
# Exits 77 (skipped) where tidy is missing.
set -u
report=$(realpath "$1") source=$(realpath "$2")
if ! command -v tidy >/dev/null; then
    echo "skipped: HTML Tidy is not installed (Debian package tidy)"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
inputs=("$source"/samples/*.ccf)
real=$source/../shared/testdata/real/2002-10-17.ccf
[ -f "$real" ] && inputs+=("$real")

failed=0 pages=0
for input in "${inputs[@]}"; do
    name=$(basename "${input%.ccf}")
    cp "$input" .
    for kind in full errors icons panels ircodes; do
        "$report" -q --format html -r $kind "$name.ccf" || failed=1
    done
    "$report" -q --format html -p -o "$name Positions.html" "$name.ccf" || failed=1
    for page in "$name"*.html; do
        ((pages++))
        # Status 2 means errors; 1 warnings only.
        tidy -q -e "$page" >"$work/tidy.txt" 2>&1
        status=$?
        if [ $status -ge 2 ]; then
            echo "$page:"
            head -10 "$work/tidy.txt"
            failed=1
        elif [ -s "$work/tidy.txt" ]; then
            echo "$page: $(grep -c Warning "$work/tidy.txt") warnings"
        fi
    done
done
echo "$pages pages checked"
[ $failed -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
