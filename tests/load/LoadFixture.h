// Loads built files the way a caller of CCFs::Add does, collecting the
// notices, and finds loaded objects by their record position.
#pragma once

#include "GraphWalk.h"

#include <kelpie/Error.h>
#include "file/NoticeLog.h"
#include <kelpie/model/CCFs.h>
#include <kelpie/model/IRCodes.h>
#include <kelpie/model/Icons.h>
#include "support/CCFBuilder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// The loaded objects of one file by record position (devices, panels and
// buttons are unique per position; a frame loaded twice keeps the last).
struct GraphIndex {
    explicit GraphIndex(kelpie::CCF& ccf) {
        walk::Graph(ccf, {.device = [this](kelpie::Device& d) { Devices[d.Position()] = &d; },
                          .panel = [this](kelpie::Panel& p) { Panels[p.Position()] = &p; },
                          .child =
                              [this](kelpie::Child& c, int) {
                                  if (auto* b = c.AsButton()) Buttons[b->Position()] = b;
                              },
                          .action =
                              [this](kelpie::Action& a) {
                                  if (auto* t = a.Timer()) Timers[t->Position()] = t;
                              }});
    }
    std::map<std::int32_t, kelpie::Device*> Devices;
    std::map<std::int32_t, kelpie::Panel*> Panels;
    std::map<std::int32_t, kelpie::Button*> Buttons;
    std::map<std::int32_t, kelpie::Timer*> Timers;
};

// The loaded list of a builder's hard key.
inline kelpie::Actions& KeyList(kelpie::Device& device, kelpie::builder::Key key) {
    using kelpie::builder::Key;
    switch (key) {
    case Key::Entry:
        return device.ActionsEntry();
    case Key::Left:
        return device.ActionsLeft();
    case Key::Right:
        return device.ActionsRight();
    case Key::VolMinus:
        return device.ActionsVolMinus();
    case Key::VolPlus:
        return device.ActionsVolPlus();
    case Key::ChanMinus:
        return device.ActionsChanMinus();
    case Key::ChanPlus:
        return device.ActionsChanPlus();
    case Key::Mute:
        return device.ActionsMute();
    case Key::FarLeft:
        return device.ActionsFarLeft();
    case Key::FarRight:
        return device.ActionsFarRight();
    }
    throw std::logic_error("no such key");
}

class LoadFixture : public ::testing::Test {
protected:
    LoadFixture() { files.SetNoticeHandler(notices.Handler()); }

    // Loads the file; an error fails the test.
    kelpie::CCF& Load(kelpie::builder::CCFBuilder& ccf, const std::string& name = "test.ccf") {
        return files.AddBytes(name, ccf.Build());
    }

    // Loads the file expecting the load to end with an error of `kind`;
    // keeps the error's message in `error` (and returns it).
    std::string LoadFails(kelpie::builder::CCFBuilder& ccf, kelpie::ErrorKind kind,
                          const std::string& name = "test.ccf") {
        return LoadFails(ccf.Build(), kind, name);
    }
    std::string LoadFails(std::vector<std::uint8_t> bytes, kelpie::ErrorKind kind,
                          const std::string& name = "test.ccf") {
        try {
            files.AddBytes(name, std::move(bytes));
        } catch (const kelpie::Error& error) {
            EXPECT_EQ(error.Kind(), kind) << error.what();
            return this->error = error.what();
        }
        ADD_FAILURE() << "the load ended without an error";
        return this->error = {};
    }

    // The file loaded last; it stays in `files` when its load ended with an error.
    kelpie::CCF& Last() const { return files.Item(files.Count()); }

    // The structure map's notice for a record reached a second time.
    static std::string ReachedAgain(kelpie::CCFtypes type, std::int32_t pos) {
        return "Attempting to have more than one reference to an object - type " +
               std::to_string(type) + ": " + kelpie::CCFfile::ObjectName(type) + " at " +
               std::to_string(pos);
    }

    NoticeLog notices;
    kelpie::CCFs files;
    std::string error; // the message of the last LoadFails
};
