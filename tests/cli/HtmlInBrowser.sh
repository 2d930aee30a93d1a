#!/usr/bin/env bash
# The web-page reports in a real browser: the five HTML reports of the real
# file (of the colour sample where the real file is absent) are opened in
# headless Chromium, which must log nothing to its console; every link
# inside a page must find its anchor, every picture must decode, and the
# filter box must hide panels. A screenshot of the full report's top and of
# one panel is saved (into $VANTOR_SCREENSHOT when set, for docs/).
#
#   HtmlInBrowser.sh VANTOR_REPORT SOURCE_DIR
#
# Exits 77 (skipped) where Chromium (Debian package chromium) is missing.
set -u
report=$(realpath "$1") source=$(realpath "$2")
browser=$(command -v chromium || command -v chromium-browser || true)
if [ -z "$browser" ]; then
    echo "skipped: Chromium is not installed (Debian package chromium); the web-page reports were not opened in a browser"
    exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
input=$source/../shared/testdata/real/2002-10-17.ccf
[ -f "$input" ] || input=$source/samples/colour-v3.ccf
name=$(basename "${input%.ccf}")
cp "$input" "$work/"
cd "$work" || exit 1
for kind in full errors icons panels ircodes; do
    "$report" -q --format html -r $kind "$name.ccf" || { echo "$kind: not written"; exit 1; }
done

chrome() {
    "$browser" --headless --no-sandbox --disable-gpu --no-first-run --hide-scrollbars \
        --allow-file-access-from-files --enable-logging=stderr --v=0 "$@" 2>"$work/browser.log"
}

# The checks run in a page that holds the report in a frame of the same
# origin and writes its findings into its own text.
cat >check.html <<'HTML'
<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>check</title></head>
<body><pre id="result">not finished</pre><iframe id="page" width="1200" height="900"></iframe>
<script>
const frame = document.getElementById("page");
const wait = (ms) => new Promise((done) => setTimeout(done, ms));
frame.onload = async () => { try {
  const page = frame.contentDocument, found = [];
  let broken = 0, links = 0;
  for (const link of page.querySelectorAll('a[href^="#"], use')) {
    ++links;
    const target = decodeURIComponent(link.getAttribute("href").slice(1));
    if (!page.getElementById(target) && ++broken <= 5) found.push("no anchor " + target);
  }
  let pictures = 0, undecoded = 0;
  // The frame's load event comes after its images; an icon's picture (an
  // SVG image) is loaded once more as an image of its own.
  for (const img of page.images) {
    ++pictures;
    if (!img.complete || img.naturalWidth === 0) ++undecoded;
  }
  for (const image of page.querySelectorAll("image")) {
    ++pictures;
    const img = new Image();
    await new Promise((done) => { img.onload = img.onerror = done; img.src = image.getAttribute("href"); });
    if (img.naturalWidth === 0) ++undecoded;
  }
  // Nothing is loaded from elsewhere: every source is inline data.
  for (const element of page.querySelectorAll("[src], [href]:not(a):not(use)")) {
    const source = element.getAttribute("src") || element.getAttribute("href");
    if (!source.startsWith("data:")) found.push("loads " + source.slice(0, 60));
  }
  const filter = page.querySelector("#filter"), panels = page.querySelectorAll("section.panel");
  let filtered = "no panels";
  if (panels.length > 1) {
    const name = panels[panels.length - 1].querySelector("h4 .n");
    filter.querySelector("input").value = name ? name.textContent : "Panel";
    filter.querySelector("input").dispatchEvent(new Event("input"));
    await wait(600);
    const shown = page.querySelectorAll("section.panel:not([hidden])").length;
    filtered = shown >= 1 && shown < panels.length ? "filters" : "shows " + shown + " of " + panels.length;
  }
  document.getElementById("result").textContent = "RESULT links=" + links + " broken=" + broken +
    " pictures=" + pictures + " undecoded=" + undecoded + " filter=" + (filter.hidden ? "hidden" : filtered) +
    (found.length ? " " + found.join("; ") : "");
  } catch (e) { document.getElementById("result").textContent = "failed " + e; }
};
frame.src = decodeURIComponent(location.hash.slice(1));
</script></body></html>
HTML

failed=0
for page in "$name.html" "$name Errors.html" "$name Icons.html" "$name Panels.html" "$name IR Codes.html"; do
    encoded=$(printf '%s' "$page" | sed 's/ /%20/g')
    result=$(chrome --virtual-time-budget=60000 --dump-dom "file://$work/check.html#$encoded" |
        grep -o "<pre id=\"result\">[^<]*" | sed "s/.*>//")
    console=$(grep -c ':CONSOLE' "$work/browser.log")
    echo "$page: ${result#RESULT } console=$console"
    if [[ -z $result || $result != *" broken=0 "* || $result != *" undecoded=0 "* || $result == *"; "* ||
        $result == *" loads "* || $result == *"filter=hidden"* || $result == *"filter=shows"* || $console != 0 ]]; then
        grep ':CONSOLE' "$work/browser.log" | head -5
        failed=1
    fi
done

# The top of the full report, and its first panel of the devices group,
# each shown in a frame as large as the window (Chromium's own screenshot
# does not follow an anchor).
cat >shot.html <<'HTML'
<!DOCTYPE html><html lang="en"><head><meta charset="utf-8"><title>shot</title>
<style>html,body,iframe{margin:0;border:0;width:100%;height:100%;display:block;overflow:hidden}</style></head>
<body><iframe id="page"></iframe><script>document.getElementById("page").src = decodeURIComponent(location.hash.slice(1));</script></body></html>
HTML
shots=${VANTOR_SCREENSHOT:-$work}
panel=$(sed -n '/<section class="group" id="g1">/,$p' "$name.html" |
    grep -o -m1 '<section class="panel" id="p[0-9]*"' | grep -o 'p[0-9][0-9]*')
shoot() {
    chrome --virtual-time-budget=10000 --window-size=1100,900 --screenshot="$shots/$1" \
        "file://$work/shot.html#$(printf '%s' "$2" | sed 's/ /%20/g; s/#/%23/g')" >/dev/null
}
shoot html-report.png "$name.html"
shoot html-report-panel.png "$name.html#$panel"
for shot in html-report.png html-report-panel.png; do
    [ -s "$shots/$shot" ] || { echo "no screenshot $shot"; failed=1; }
done
echo "screenshots in $shots"
[ $failed -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit $failed
