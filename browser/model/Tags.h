// Tags name every item the browser shows: key "/" type "/" position, for
// example CCF1/D/1234. Tree keys add "/" and a program-wide counter.
#pragma once

#include <cstdint>
#include <string>

namespace vantor {

std::string MakeTag(const std::string& key, const std::string& type, std::int32_t position);
// Splits a tag (or a tree key: a fourth field is ignored). False, with the
// outputs unchanged, when the text holds no "/".
bool ParseTag(const std::string& tag, std::string& key, std::string& type, std::int32_t& position);

} // namespace vantor
