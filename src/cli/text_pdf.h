#pragma once
// A plain PDF of fixed-pitch text pages (Courier), for printouts written from the command line,
// where no display and no printer are at hand.

#include <string>
#include <vector>

namespace bw::cli {

// The bytes of a PDF with one page per entry, each line of a page in Courier 10 point on a
// Letter-size page. Texts are UTF-8; characters outside the Windows Latin 1 set print as "?".
std::string TextPdf(const std::vector<std::vector<std::string>>& pages);

}  // namespace bw::cli
