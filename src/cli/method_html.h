// `report`: one page a reviewer prints on one A4 sheet, HTML with its CSS and the plot's
// SVG inline and nothing else (no scripts, nothing fetched).
#pragma once

#include <string>

#include "cli/method_file.h"

namespace method_tool {

// Where the method was read from, as the page names it.
struct ReportSource {
  std::string file;
  std::string fileSha256;
  std::string recordSha256;
};

// The page: the file, its form and record with their SHA-256, the plot of the oven
// programme and the ULVO ramps in use, every stored field in the editor's terms and
// units (rates as its forms show them), and each value the editor would refuse at
// `minOvenTemp` marked where it stands (class "refused", with a ✗) and listed with its
// message at the end.
std::string ReportHtml(const ReportSource& source, const LoadedMethod& method, float minOvenTemp);

}  // namespace method_tool
