#pragma once
// The quick-help texts of the tables window: one for mortgage tables, one for personal loan tables.

#include <cstdint>
#include <string>

namespace bw {

// The help text of a table mode (1 mortgage tables, anything else personal loan tables); every
// line is followed by its line breaks, each a carriage return and line feed.
std::string QuickHelpText(std::int16_t tableMode);

}  // namespace bw
