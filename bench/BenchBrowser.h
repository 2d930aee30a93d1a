// A generated file opened in the browser, as vantor-report opens it, and
// the largest panel of a file (the one the panel benchmarks use).
#pragma once

#include "model/CCFlocal.h"
#include "model/RecordingSinks.h"
#include "session/basCCF.h"

#include <kelpie/model/Children.h>
#include <kelpie/model/Frame.h>

#include <cstdint>
#include <string>

namespace bench {

// Frames and buttons of a child list, all levels down.
inline std::int64_t ChildCount(const kelpie::Children& children) {
    std::int64_t count = 0;
    for (const kelpie::Child& child : children) {
        ++count;
        if (const auto* frame = dynamic_cast<const kelpie::Frame*>(&child))
            if (frame->Children() != nullptr) count += ChildCount(*frame->Children());
    }
    return count;
}

// The panel with the most frames and buttons, of every device's panels.
inline kelpie::Panel* LargestPanel(const kelpie::CCF& ccf) {
    kelpie::Panel* largest = nullptr;
    std::int64_t most = -1;
    for (const kelpie::Devices* group : {&ccf.HomeGroup(), &ccf.DevicesGroup(), &ccf.MacrosGroup()})
        for (kelpie::Device& device : *group)
            if (kelpie::Panels* panels = device.FindPanels())
                for (kelpie::Panel& panel : *panels) {
                    const kelpie::Children* children = panel.FindChildren();
                    if (const std::int64_t count = children ? ChildCount(*children) : 0;
                        count > most) {
                        most = count;
                        largest = &panel;
                    }
                }
    return largest;
}

// A browser with plain-data sinks, as vantor-report has, and one file open.
struct OpenBrowser {
    explicit OpenBrowser(const std::string& path) : browser(tree, list, display, ui) {
        browser.LibraryFiles.SetNoticeHandler([](const std::string&) {});
        file = &browser.OpenCCF(path);
    }
    vantor::RecordingTree tree;
    vantor::RecordingList list;
    vantor::RecordingDisplay display;
    vantor::RecordingUserInterface ui;
    vantor::basCCF browser;
    vantor::CCFlocal* file = nullptr;
};

} // namespace bench
