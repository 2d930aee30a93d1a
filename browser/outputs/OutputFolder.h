// The folders outputs go into, made when they do not exist yet (a folder
// named for the outputs of a call, or one inside it).
#pragma once

#include <string>

namespace vantor {

// Makes `dir` and any folder above it that is missing. False with `error`
// set ("cannot create DIR: REASON").
bool MakeFolder(const std::string& dir, std::string& error);

// Makes the folder the output `path` goes into; nothing for a bare name or
// for a target that is written straight through (a device, "-").
bool MakeFolderOf(const std::string& path, std::string& error);

} // namespace vantor
