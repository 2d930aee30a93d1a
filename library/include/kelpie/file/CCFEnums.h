// The enumerations of the CCF format that callers and the library share.
// Values are fixed: they are the numbers the file stores or the browser prints.
#pragma once

#include <array>
#include <cstdint>

namespace kelpie {

// Kind of record that starts at a byte of the structure map.
enum CCFtypes : std::int32_t {
    mtypNotStructure = 0,
    mtypHeader = 1,
    mtypDevice = 2,
    mtypPanel = 3,
    mtypChild = 4,
    mtypFrame = 5,
    mtypButton = 6,
    mtypActionList = 7,
    mtypAction = 8,
    mtypIRCode = 9,
    mtypIcon = 10,
    mtypTimer = 11,
    mtypName = 12,
};

// Display names of the record kinds, indexed by CCFtypes: the one list that
// reports, notices and error messages name records by.
inline constexpr std::array<const char*, mtypName + 1> CCFtypesNames = {
    "Not Structure", // mtypNotStructure
    "Header",        // mtypHeader
    "Device",        // mtypDevice
    "Panel",         // mtypPanel
    "Child",         // mtypChild
    "Frame",         // mtypFrame
    "Button",        // mtypButton
    "Action List",   // mtypActionList
    "Action",        // mtypAction
    "IR code",       // mtypIRCode
    "Icon",          // mtypIcon
    "Timer",         // mtypTimer
    "Name",          // mtypName
};

enum CCFActionTypes : std::int32_t {
    actCode = 1,
    actButtonAlias = 2,
    actJump = 3,
    actDelay = 4,
    actKeyAlias = 5,
    actAliasDevice = 6,
    actTimer = 7,
    actSound = 8,
};

// Special jump targets, stored in place of a panel position.
enum CCFJumpTypes : std::uint32_t {
    jmpScrollDown = 0xDDDDDDDDu,
    jmpScrollUp = 0xEEEEEEEEu,
    jmpMouseMode = 0xFFFFFFFFu,
    jmpBack = 0xCCCCCCCCu,
    jmpForward = 0xBBBBBBBBu,
};

enum CCFKeyAliases : std::int32_t {
    kalLeft = 0,
    kalRight = 1,
    kalVolDown = 2,
    kalVolUp = 3,
    kalChanDown = 4,
    kalChanUp = 5,
    kalMute = 6,
};

// Day bits of a timer's start and end.
enum CCFTimerDays : std::int32_t {
    tmdMonday = 1,
    tmdTuesday = 2,
    tmdWednesday = 4,
    tmdThursday = 8,
    tmdFriday = 16,
    tmdSaturday = 32,
    tmdSunday = 64,
    tmdWeekly = 128,
};

// Grey levels of the two grey formats. Colour files store a palette index
// 0 to 255 in the same fields instead.
enum CCFColors : std::int32_t {
    clrBlack = 0,
    clrDarkGrey = 1,
    clrLightGrey = 2,
    clrWhite = 3,
};

enum CCFFonts : std::int32_t {
    fntNone = 0,
    fnt8 = 1,
    fnt10 = 2,
    fnt12 = 3,
    fnt14 = 4,
    fnt16 = 5,
    fnt18 = 6,
};

enum IconTypes : std::int32_t {
    ictUnknown = 0,
    ict2Color = 1,
    ict4Color = 2,
    ict4ColorCompressed = 3,
    ict8Color = 4,
};

// The three layouts of the file: two grey formats and the colour format.
enum CCFFileFormats : std::int32_t {
    fmtv1 = 0,
    fmtv2 = 1,
    fmtV3 = 2,
};

enum CCFChildTypes : std::int32_t {
    chtFrame = 0,
    chtButton = 1,
};

} // namespace kelpie
