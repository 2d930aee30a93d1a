#!/usr/bin/env bash
# Every output of vantor-report for the samples, byte for byte: the five
# reports, the full report with positions, the JSON graph, the IR codes as
# CSV, JSON, Flipper Zero files and lircd.conf, the byte map and the icon and
# panel pictures. For the real file (kept outside the project) the SHA-256 of
# each output instead.
#
#   GoldenOutputs.sh VANTOR_REPORT SOURCE_DIR            compare with tests/golden
#   GoldenOutputs.sh VANTOR_REPORT SOURCE_DIR --update   write tests/golden anew
#
# A change that alters an output shows as a diff of tests/golden in review.
set -u
report=$1 source=$2 mode=${3:-compare}
golden=$source/tests/golden
real=$source/../shared/testdata/real/2002-10-17.ccf
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# All outputs of one input, written into the current folder under names
# that start with the input's base name.
outputs() {
    local input=$1 base=${1%.ccf}
    for kind in full errors icons panels ircodes; do "$report" -q -r $kind "$input" || true; done
    "$report" -q -p -o "$base Positions.rtf" "$input" || true
    "$report" -q --json --ir-codes csv "$input" || true
    "$report" -q --ir-codes json "$input" || true
    "$report" -q --ir-codes flipper "$input" || true
    "$report" -q --ir-codes lirc "$input" || true
    "$report" -q --byte-map "$base Byte Map.png" "$input" || true
    "$report" -q -r full -o /dev/null --export-icons "$base icons" "$input" || true
    # Panels as PNG in a state of their own; as BMP (uncompressed, large) for
    # the colour sample and the real file only.
    "$report" -q -r full -o /dev/null --image-format png --button-state inactive-selected \
        --export-panels "$base panels png" "$input" || true
    [[ $input == grey* ]] || "$report" -q -r full -o /dev/null --export-panels "$base panels" "$input" || true
}

mkdir "$work/samples" "$work/real"
cd "$work/samples" || exit 1
for sample in "$source"/samples/*.ccf; do
    cp "$sample" .
    outputs "$(basename "$sample")"
    rm "$(basename "$sample")"
done
if [ -f "$real" ]; then
    cd "$work/real" || exit 1
    cp "$real" .
    outputs 2002-10-17.ccf
    rm 2002-10-17.ccf
    find . -type f | LC_ALL=C sort | xargs -d '\n' sha256sum >"$work/real-file.sha256"
fi

if [ "$mode" = --update ]; then
    rm -rf "$golden/samples"
    cp -r "$work/samples" "$golden/samples"
    [ -f "$work/real-file.sha256" ] && cp "$work/real-file.sha256" "$golden/real-file.sha256"
    echo "tests/golden written anew"
    exit 0
fi

failed=0
if diff -r -q "$golden/samples" "$work/samples"; then
    echo "samples: $(find "$work/samples" -type f | wc -l) outputs identical"
else
    failed=1
fi
if [ -f "$work/real-file.sha256" ]; then
    if diff "$golden/real-file.sha256" "$work/real-file.sha256"; then
        echo "real file: $(wc -l <"$work/real-file.sha256") outputs identical"
    else
        failed=1
    fi
else
    echo "real file absent: its outputs not compared"
fi
[ $failed -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
