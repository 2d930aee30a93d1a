// Files that push the loader and the outputs to their limits, for the
// stress tests and the benchmarks: deep nesting, wide panels, one icon
// shared by everything, a file whose every pointer leads nowhere, and frames
// reached again on every level.
#pragma once

#include <cstdint>
#include <vector>

namespace kelpie::builder {

// `depth` frames, each inside the one before, on one panel.
std::vector<std::uint8_t> NestedFramesFile(int depth);
// One panel of `buttons` buttons, each with an action list of `actions`
// IR-code actions (all sending one code).
std::vector<std::uint8_t> WidePanelFile(int buttons, int actions);
// One icon shown `uses` times: as all four state icons of `uses / 4`
// buttons, 200 to a panel.
std::vector<std::uint8_t> SharedIconFile(int uses);
// `devices` devices whose names, icons and key names all point at the last
// byte of the file, so that every one of those reads runs past the end:
// loading it gives nothing but notices. (A record that starts beyond the
// end ends the load instead.)
std::vector<std::uint8_t> NoticesFile(int devices);
// `levels` frames on one panel, each frame but the last listing the next one
// twice: a frame reached again is loaded again, so the load would make
// 2^levels - 1 frames of `levels` frame records. Unreferenced bytes pad the
// file to at least `size` bytes, since the loader's budgets grow with the
// file size.
std::vector<std::uint8_t> SharedFramesFile(int levels, std::int32_t size = 0);

} // namespace kelpie::builder
