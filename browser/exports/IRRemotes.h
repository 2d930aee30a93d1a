// The IR codes of a file as the remotes of today's IR hardware see them: one
// remote per device of the configuration, each with its buttons, for the
// exports that write a remote per device (Flipper Zero, LIRC).
//
// A remote lists each distinct signal once. A code that several buttons
// send (a key on a panel and the same hard key, a timer's start and end) is
// one button on a Flipper's small screen and one name in LIRC; two entries
// that send the same bytes would only make the list longer. The button is
// named after the first button that sends the code, in the order of the IR
// codes report (hard keys, then the panels' buttons), since that name fits a
// small screen and is what the user pressed on the remote; a button without a
// usable name (icons only, or the remote's symbols) takes the code's name.
#pragma once

#include "exports/IRDecodes.h"

#include <kelpie/file/CCF.h>

#include <functional>
#include <string>
#include <vector>

namespace vantor {

struct RemoteButton {
    std::string Name; // reduced by the export's rule and unique within its remote
    const kelpie::IRCode* Code = nullptr;
    const kelpie::ir::Decoded* Decoded = nullptr; // kept by the IRDecodes given
};

struct Remote {
    std::string Device; // the device's name as the file stores it (8-bit)
    std::vector<RemoteButton> Buttons;
};

// A name of the file (8-bit, Windows-1252) as the export accepts it, or ""
// when nothing usable is left of it.
using NameRule = std::function<std::string(const std::string&)>;

// The remotes of every device that sends an IR code, in the order of the IR
// codes report; the macro recording panels make one more remote, named
// "Macro Recording".
std::vector<Remote> RemotesOf(const kelpie::CCF& ccf, IRDecodes& decodes, const NameRule& rule);

// Windows-1252 text as printable ASCII: accented letters lose their accents
// (e -> e, ss for sharp s), typographic quotes and dashes become plain ones,
// any other character becomes `other`.
std::string PrintableAscii(const std::string& text, char other = '_');

// True when `name` holds a letter or a digit: a name of symbols alone says
// nothing on a Flipper's screen or in a LIRC key map.
bool SaysSomething(const std::string& name);

// `name`, or `name` followed by "_2", "_3" ... when `taken` says it is taken;
// the result is then taken.
std::string UniqueName(const std::string& name,
                       const std::function<bool(const std::string&)>& taken);

// What one press sends as whole microseconds: the once sequence followed by
// the repeat sequence (a code that has only one of them sends that one),
// ending with a burst: the closing gap, which only spaces one press from the
// next, is returned in `closingGap`.
std::vector<long> PressDurations(const kelpie::ir::Signal& signal, long& closingGap);

} // namespace vantor
