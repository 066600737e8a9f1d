// Fuzz target: the values of host.ini as the utility library and the editor read them.
// The input's lines are the values of the settings the editor reads (the ULVO menu
// option, the minimum oven temperature, the two stored window positions and the current
// method database's path); the editor reads them as it opens and stores them as it
// closes. A position or path that the library stored must read back as stored.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "editor/editor_window.h"
#include "editor/menu_states.h"
#include "editor/oven_form.h"
#include "editor/window_position.h"
#include "fuzz_ports.h"
#include "hostutil/core/path_parts.h"
#include "hostutil/core/window_pos_text.h"
#include "method/inlet_method.h"
#include "ulvo/ulvo_control.h"

namespace {

void Require(bool holds) {
  if (!holds) __builtin_trap();
}

struct Setting {
  const char* section;
  const char* key;
};
// In the order the input's lines give their values.
constexpr Setting kSettings[] = {{"TOVREX", "ULVOControl"},
                                 {"TOVREX", "TOVREXMinTemp"},
                                 {kEditorPosSection, kEditorPosKey},
                                 {kUlvoPosSection, kUlvoPosKey},
                                 {"SystemList", "GC_DB"}};

void RequireStablePosition(std::string_view text) {
  const auto pos = hostutil::ParseWindowPos(text);
  if (!pos) return;
  const auto again = hostutil::ParseWindowPos(hostutil::FormatWindowPos(*pos));
  Require(again && std::memcmp(&*again, &*pos, sizeof *pos) == 0);
}

// The file a path names: Windows drops the points that end a name ("m.db." is "m.db"),
// and so does the registry, one at a time.
std::string NamedFile(std::string path) {
  while (!path.empty() && path.back() == '.') path.pop_back();
  return path;
}

// The registry stores a path it accepts so that reading it back and storing it again
// names the same file.
void RequireStablePath(std::string_view text) {
  const auto stored = hostutil::RegistryPath(hostutil::SplitPath(text));
  // Points alone ("..") name a folder, not a file.
  if (!stored || hostutil::SplitPath(NamedFile(*stored)).name.empty()) return;
  GlobalFileEntry entry{};
  hostutil::StorePathParts(hostutil::SplitPath(*stored), entry);
  const auto again = hostutil::RegistryPath(hostutil::ReadPathParts(entry));
  Require(again && NamedFile(*again) == NamedFile(*stored));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  FuzzHost host;
  for (const Setting& setting : kSettings) {
    const std::size_t end = rest.find('\n');
    // The platform's INI functions hand a value over as C text: it ends at a NUL.
    const std::string_view line = rest.substr(0, end);
    host.ini[{setting.section, setting.key}] = std::string(line.substr(0, line.find('\0')));
    if (end == std::string_view::npos) break;
    rest.remove_prefix(end + 1);
  }
  for (const auto& [name, value] : host.ini) {
    RequireStablePosition(value);
    RequireStablePath(value);
  }

  EditorValues values{};
  FormDialog editor;
  ApplyUlvoMenuOption(editor, host);
  LoadMinOvenTemp(values, host);
  Require(GetMinOvenTemp(values) >= kLowestMinOvenTemp &&
          GetMinOvenTemp(values) <= kHighestMinOvenTemp);
  RestoreWindowPosition(editor, host, kEditorPosSection, kEditorPosKey);
  RestoreWindowPosition(editor, host, kUlvoPosSection, kUlvoPosKey);
  GlobalFileEntry entry{};
  host.GetGlobalFile(entry);
  EditorTitle(false, entry);
  host.SetGlobalFile(entry);
  StoreWindowPosition(editor, host, kEditorPosSection, kEditorPosKey);
  return 0;
}
