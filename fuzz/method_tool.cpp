// Fuzz target: a file as tovrex-method reads it, a method database or a bare method
// record, and the same bytes as the JSON text import reads. A method it accepts is
// shown, checked, plotted, put on the review page and exported; its JSON form must
// import again to the same stored fields, bit for bit.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "cli/method_file.h"
#include "cli/method_html.h"
#include "cli/method_json.h"
#include "cli/method_plot.h"
#include "cli/method_report.h"
#include "storage/method_record.h"

namespace {

void Require(bool holds) {
  if (!holds) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string error;
  InletMethod any{};
  method_tool::ImportJson(std::string_view(reinterpret_cast<const char*>(data), size), any, error);
  method_tool::LoadedMethod loaded;
  if (!method_tool::ParseMethodFile(std::span<const uint8_t>(data, size), 1, loaded, error))
    return 0;
  const InletMethod& method = loaded.method;
  method_tool::ShowText(method);
  method_tool::CheckLines(method, 0.0f);
  method_tool::CheckLines(method, 100.0f);
  method_tool::PlotSvg(method, "fuzz <&> \"input\"");
  method_tool::ReportHtml({"fuzz", "", ""}, loaded, 100.0f);

  InletMethod imported{};
  Require(method_tool::ImportJson(method_tool::ExportJson(method), imported, error));
  MethodDbRecord original{}, again{};
  EncodeMethodRecord(method, original);
  EncodeMethodRecord(imported, again);
  Require(original.bytes == again.bytes);
  return 0;
}
