// The sample files of samples/: one living-room configuration (a TV, an
// amplifier, a Home panel and a movie macro), composed in each file format.
// ccf-samples writes them; a test checks that the committed files are what
// the builder makes today.
#pragma once

#include <kelpie/file/CCFEnums.h>
#include "support/CCFBuilder.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

namespace kelpie::builder {

struct Sample {
    std::string FileName; // in samples/
    CCFFileFormats Format;
    std::string Description;
};

// Test names and messages show the file name, not the object's bytes.
void PrintTo(const Sample& sample, std::ostream* out);
// The file name as a test name: "grey-v1.ccf" is grey_v1.
std::string TestName(const Sample& sample);

// grey-v1.ccf, grey-v2.ccf and colour-v3.ccf.
const std::vector<Sample>& Samples();

// Makes the living-room configuration in `ccf` (in the builder's format).
//
// Home group: "HOME" with the panel "Home" (jumps to the TV and amplifier
// panels, volume buttons that alias the amplifier's, the movie macro, two
// timer buttons). Devices group: "TV" (panel "TV" with a 9 pixel wide badge in
// its title, a keypad frame nested in a frame; the hidden panel "Guide, Now &
// Next" with the special jumps; hard keys that send channel codes and alias
// the amplifier's volume keys) and "Amplifier" (panel "Amplifier": volume,
// mute with a beep, inputs, power). Macros group: "Movie, "Night"" (panel
// "Movie": power on both, delays, input, jump, beep; "All Off" in quotes;
// entry action aliases the TV). Special panels: "Macro". Two timers (weekday
// wake-up with a start and an end action, nightly sleep) chained from the
// header. Icons in all four encodings, the button icons shared by most
// buttons, the TV power code shared by a button, the macros and a timer.
// Names with commas and quotes (a device, a panel, a button, two IR codes)
// make the CSV export quote its cells.
void ComposeLivingRoom(CCFBuilder& ccf);

// The bytes of a sample.
std::vector<std::uint8_t> BuildSample(const Sample& sample);

} // namespace kelpie::builder
