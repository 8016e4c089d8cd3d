#pragma once
// The balance graph of the tables window's "&Show Graph" (its 2D view) as a picture file, for
// brindlewood-cli table --graph. Needs the desktop layer and a QApplication (any platform,
// offscreen included).

#include <string>

namespace bw {
struct MMODULE;
}

namespace bw::cli {

// Draws the graph of the calculation held in `mm` (as the graph window prepares it) and writes it
// to `file` as a PNG picture. Stop{7} when there is nothing to draw; UsageError when no
// QApplication runs or the file cannot be written.
void WriteBalanceGraph(MMODULE& mm, const std::string& file);

}  // namespace bw::cli
