#pragma once
// The quick-help text of the comparison window.

#include <string>

namespace bw {

// The text, its lines joined by line breaks (carriage return and line feed).
std::string ComparisonQuickHelpText();

}  // namespace bw
