#!/usr/bin/env bash
# vantor-report and the user's files, as a shell meets them: an output that
# is an input, a write that fails (a full disk is simulated with a file size
# limit, a full device with /dev/full), targets that are not regular files,
# two outputs on one path, inputs that are no file in a folder, and two
# processes writing one report. Each case checks the exit status and what is
# left on the disk.
# Usage: OutputSafety.sh VANTOR_REPORT SAMPLES_DIR
set -u
report=$1 samples=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0 passes=0

pass() { passes=$((passes + 1)); }
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# expect STATUS TEXT -- COMMAND...: the command exits with STATUS and its
# standard error holds TEXT.
expect() {
    local status=$1 text=$2; shift 3
    "$@" >"$work/out.txt" 2>"$work/err.txt"
    local got=$?
    if [ "$got" -ne "$status" ]; then fail "$* exited $got, not $status: $(head -c 300 "$work/err.txt")"; return 1; fi
    if [ -n "$text" ] && ! grep -qF -- "$text" "$work/err.txt"; then
        fail "$*: no \"$text\" in: $(head -c 300 "$work/err.txt")"; return 1
    fi
    pass
}
same() { if cmp -s "$1" "$2"; then pass; else fail "$3"; fi; }
# Nothing but the named entries is left in a folder (no temporary files).
only() {
    local dir=$1; shift
    local left; left=$(cd "$dir" && ls -A | sort | tr '\n' ' ')
    local want=""; [ $# -gt 0 ] && want=$(printf '%s\n' "$@" | sort | tr '\n' ' ')
    if [ "$left" = "$want" ]; then pass; else fail "$dir holds [$left], not [$want]"; fi
}
fresh() { rm -rf "$work/t" && mkdir "$work/t" && cp "$samples/colour-v3.ccf" "$work/t/a.ccf" && cd "$work/t"; }

# 1. The input is never an output: named directly, through a symbolic link
#    or a hard link, by any output option, or by the default name.
fresh; cp a.ccf original.ccf; ln -s a.ccf link.ccf; ln a.ccf hard.ccf
for args in "-o a.ccf" "-o link.ccf" "-o hard.ccf" "--json -o a.ccf" "--ir-codes csv -o a.ccf" \
            "--byte-map hard.ccf" "-r errors -o link.ccf"; do
    # shellcheck disable=SC2086
    expect 1 "error: the output" -- "$report" -q $args a.ccf && same a.ccf original.ccf "$args replaced the input"
done
cp a.ccf x.rtf; cp a.ccf x.json
expect 1 "x.rtf is the input file itself" -- "$report" -q x.rtf && same x.rtf original.ccf "x.rtf was replaced"
expect 1 "x.json is the input file itself" -- "$report" -q --json x.json && same x.json original.ccf "x.json was replaced"
only . a.ccf original.ccf link.ccf hard.ccf x.rtf x.json

# 2. A write that fails leaves the previous output as it was, and no
#    temporary or partial file; every output says so and exits 1.
limited() { (ulimit -f 2; trap '' XFSZ; exec "$report" -q "$@" a.ccf); }
fresh; mkdir icons panels
for out in a.rtf a.json "a IR Codes.csv" map.png; do echo previous >"$out"; done
expect 1 "cannot write a.rtf: File too large" -- limited -o a.rtf
expect 1 "cannot write a.json: File too large" -- limited --json
expect 1 "cannot write a IR Codes.csv: File too large" -- limited --ir-codes csv
expect 1 "cannot write map.png: File too large" -- limited --byte-map map.png
for out in a.rtf a.json "a IR Codes.csv" map.png; do
    if [ "$(cat "$out")" = previous ]; then pass; else fail "$out was not kept"; fi
done
(ulimit -f 1; trap '' XFSZ; "$report" -q --export-panels panels --image-format png a.ccf >/dev/null 2>&1)
(ulimit -f 1; trap '' XFSZ; "$report" -q --export-panels panels a.ccf >/dev/null 2>&1)
if [ -z "$(find panels -size 0)" ]; then pass; else fail "empty pictures left: $(find panels -size 0)"; fi
only . a.ccf a.rtf a.json "a IR Codes.csv" map.png icons panels

# 3. A target that is not a regular file is written straight through and
#    never removed, also when the write fails.
fresh; ln -s /dev/full full
expect 1 "cannot write full: No space left on device" -- "$report" -q -o full a.ccf
if [ -L full ]; then pass; else fail "the link to /dev/full was removed"; fi
expect 1 "No space left on device" -- "$report" -q --byte-map full a.ccf
if [ -L full ]; then pass; else fail "the link to /dev/full was removed by the byte map"; fi
expect 0 "" -- "$report" -q -o /dev/null a.ccf
if [ -c /dev/null ]; then pass; else fail "/dev/null is gone"; fi
"$report" -q -o - a.ccf >stdout.rtf 2>/dev/null && "$report" -q -o file.rtf a.ccf
same stdout.rtf file.rtf "-o - differs from the file"
# A symbolic link stays a link; the file it leads to gets the output.
echo previous >target.rtf; ln -s target.rtf link.rtf
expect 0 "" -- "$report" -q -o link.rtf a.ccf
if [ -L link.rtf ]; then pass; else fail "the output link was replaced by a file"; fi
same target.rtf file.rtf "the link's target did not get the report"

# 4. Two outputs of one call on one path: a usage error, nothing written.
fresh; mkdir x y out; cp a.ccf x/remote.ccf; cp a.ccf y/remote.ccf; cp a.ccf remote.ccf; cp a.ccf remote.bak
expect 2 "would both be written to" -- "$report" -q --output-dir out x/remote.ccf y/remote.ccf
expect 2 "--output-dir" -- "$report" -q remote.ccf remote.bak
expect 2 "would both be written to" -- "$report" -q --json a.ccf ./a.ccf
only out
only . a.ccf x y out remote.ccf remote.bak

# 5. An input that is no file in a folder needs its outputs named.
fresh; mkdir out
expect 2 "name them with -o or --output-dir" -- "$report" -q /dev/stdin <a.ccf
expect 2 "name them with -o or --output-dir" -- "$report" -q - <a.ccf
expect 0 "" -- "$report" -q --output-dir out - <a.ccf
cat a.ccf | "$report" -q -o piped.rtf - 2>/dev/null
if [ -s out/stdin.rtf ] && [ -s piped.rtf ]; then pass; else fail "standard input was not reported"; fi
only . a.ccf out piped.rtf

# 6. Two processes writing one report leave one of the two whole.
fresh; cp "$samples/grey-v1.ccf" b.ccf
"$report" -q -o ref-a.rtf a.ccf; "$report" -q -o ref-b.rtf b.ccf
for _ in 1 2 3 4; do
    "$report" -q -o both.rtf a.ccf & "$report" -q -o both.rtf b.ccf & wait
    if cmp -s both.rtf ref-a.rtf || cmp -s both.rtf ref-b.rtf; then pass; else fail "two writers mixed their reports"; fi
done
only . a.ccf b.ccf ref-a.rtf ref-b.rtf both.rtf

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
