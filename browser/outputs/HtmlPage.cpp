#include "outputs/HtmlPage.h"

namespace vantor {

namespace {

// Lines keep their spaces (the object counts line up, a line that begins
// with a space stands in by one); names are marked "n" and shown in the
// body font, so a user's style sheet can give them the remote's font.
// Pictures keep their pixels square at any zoom.
constexpr const char* Style = R"css(
body{font:10pt/1.35 Arial,Helvetica,sans-serif;margin:0 1.5em 2em;color:#111;background:#fff}
p,h1,h2,h3,h4,h5,th,td{white-space:pre-wrap;margin:0;font-weight:normal}
h1,h2,h3{font-size:20pt;margin-top:.4em}
h4{font-size:16pt;margin-top:.3em}
h5{font-size:12pt}
section.device{border-top:1px solid #bbb;margin-top:.6em}
.in{margin-left:1.5em}
.n{font-family:inherit}
.chk{color:#a00000}
.props{border-collapse:collapse}
.props th{text-align:left;padding:0 .6em 0 0;vertical-align:top}
.props td{padding:0}
pre{font:9pt "Courier New",Courier,monospace;margin:0}
.pic{image-rendering:pixelated;image-rendering:crisp-edges;vertical-align:top}
a{color:#0645ad}
#filter{position:sticky;top:0;z-index:1;background:#eef;padding:.4em .6em;margin:0 -1.5em;border-bottom:1px solid #ccd}
#filter input{width:20em;font:inherit}
nav ul{margin:.1em 0;padding-left:1.5em}
nav summary{cursor:pointer;font-size:12pt}
#missing{margin-top:1em;color:#555}
[id]{scroll-margin-top:2.6em}
@media print{
#filter{display:none}
section.device{break-before:page;border:0}
img,svg,table,pre,h1,h2,h3,h4,h5{break-inside:avoid}
h1,h2,h3,h4,h5{break-after:avoid}
a{color:inherit;text-decoration:none}
}
)css";

// Hides the device groups, devices and panels whose text does not contain
// what is typed. A section whose own text matches shows whole; one that
// does not stays when something inside it matches. Without scripts the
// box stays hidden and the page is complete.
constexpr const char* Script = R"js(
(function () {
  var box = document.getElementById("filter");
  var input = box.querySelector("input");
  var count = box.appendChild(document.createElement("output"));
  var roots = null, timer = 0;
  function tree(section) {
    var own = "", kids = [];
    for (var c = section.firstChild; c; c = c.nextSibling) {
      if (c.nodeName === "SECTION") kids.push(tree(c));
      else own += " " + c.textContent;
    }
    return { el: section, own: own.toLowerCase(), kids: kids };
  }
  function show(node, query, whole) {
    var own = whole || node.own.indexOf(query) >= 0, any = own;
    for (var i = 0; i < node.kids.length; ++i) if (show(node.kids[i], query, own)) any = true;
    node.el.hidden = !any;
    return any;
  }
  function apply() {
    var query = input.value.trim().toLowerCase();
    if (!roots) roots = Array.prototype.map.call(document.querySelectorAll("main > section"), tree);
    roots.forEach(function (root) { show(root, query, query === ""); });
    count.value = query === "" ? "" :
      document.querySelectorAll("main section.panel:not([hidden])").length + " panels shown";
  }
  input.addEventListener("input", function () { clearTimeout(timer); timer = setTimeout(apply, 200); });
  box.hidden = false;
})();
)js";

} // namespace

std::string PageBeginning(const std::string& title) {
    return std::string("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
                       "<title>") +
           title + "</title>\n<style>" + Style +
           "</style>\n</head>\n<body>\n"
           "<div id=\"filter\" hidden><label>Filter: <input type=\"search\" "
           "placeholder=\"a name, a word, a number\"></label> </div>\n";
}

std::string PageEnd() {
    return std::string("<script>") + Script + "</script>\n</body>\n</html>\n";
}

} // namespace vantor
