#pragma once
// The whole catalogue as JSON, for review and for other tools.

#include <ostream>

namespace coilwend {

void write_catalogue_json(std::ostream& out);

} // namespace coilwend
