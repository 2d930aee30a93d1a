// Writes laid-out records into the file image, field by field in the order of
// the record layouts, in the format the builder was asked for. Every pointer field is
// resolved here, so the layout must have placed every record first.
#pragma once

#include <kelpie/file/CCFEnums.h>
#include "support/Layout.h"

#include <cstdint>
#include <vector>

namespace kelpie::builder {

class Store;

// The header; the two CRC position fields are given (the builder decides
// them), the group and special-panel fields come from the store's chains
// unless the header overrides them.
void WriteHeader(std::vector<std::uint8_t>& image, const Header& header, const Store& store,
                 CCFFileFormats format, std::int32_t posCRC1, std::int32_t posCRC2);

// Any other record, with its inline children or actions.
// std::invalid_argument for a list longer than its count byte can say, or an
// IR code or icon larger than its size word can say, unless the test gave
// that byte or word itself.
void WriteRecord(std::vector<std::uint8_t>& image, const Placed& placed, CCFFileFormats format);

} // namespace kelpie::builder
