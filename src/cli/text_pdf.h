#pragma once
// A plain PDF of fixed-pitch text pages (Courier), for printouts written from the command line,
// where no display and no printer are at hand.

#include <string>
#include <vector>

#include "reports/page_model.h"
#include "reports/text_backend.h"

namespace bw::cli {

// The bytes of a PDF of the printout's pages on sheets of `paper`: the standard font as Courier
// 10 point, Courier New 11 point bold as Courier-Bold 11 point, the text centred across the
// sheet as the desktop program prints it. Texts are UTF-8; characters outside the Windows Latin 1
// set print as "?".
std::string TextPdf(const std::vector<PrintPage>& pages, Paper paper);

}  // namespace bw::cli
