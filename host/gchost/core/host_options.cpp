// Command-line parsing and path helpers of the demo host.
#include "gchost/core/host_options.h"

#include <algorithm>
#include <charconv>

namespace gchost {

namespace {

// A whole number from low to high, digits only.
bool ParseWhole(std::string_view text, int low, int high, int& value) {
  int v = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (error != std::errc() || end != text.data() + text.size() || v < low || v > high) {
    return false;
  }
  value = v;
  return true;
}

bool ParseModes(std::string_view text, int (&modes)[2]) {
  const size_t comma = text.find(',');
  return comma != std::string_view::npos && ParseWhole(text.substr(0, comma), 0, 2, modes[0]) &&
         ParseWhole(text.substr(comma + 1), 0, 2, modes[1]);
}

}  // namespace

HostOptions ParseHostOptions(std::span<const std::string> args) {
  HostOptions options;
  options.unattended = std::find(args.begin(), args.end(), "--screenshot") != args.end();
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--open-editor") {
      options.openEditor = true;
    } else if (arg == "--help" || arg == "-h" || arg == "/?") {
      options.showHelp = true;
    } else if (arg == "--version") {
      options.showVersion = true;
    } else if (arg == "--screenshot") {
      // A following option is a forgotten file name, not a file called "--open-editor".
      if (i + 1 >= args.size() || args[i + 1].empty() || args[i + 1].starts_with("--")) {
        options.error = "--screenshot needs the name of a PNG file";
        return options;
      }
      options.screenshotPath = args[++i];
      options.openEditor = true;
    } else if (arg == "--dialog") {
      if (i + 1 >= args.size() || !ParseWhole(args[++i], 1, 0xFFFF, options.dialogCommand)) {
        options.error = "--dialog needs a menu command number";
        return options;
      }
    } else if (arg == "--ulvo-modes") {
      if (i + 1 >= args.size() || !ParseModes(args[++i], options.ulvoModes)) {
        options.error = "--ulvo-modes needs two modes from 0 to 2, as in 1,2";
        return options;
      }
    } else {
      options.error = "unknown argument: " + arg;
      return options;
    }
  }
  if ((options.dialogCommand || options.ulvoModes[0] >= 0) && options.screenshotPath.empty()) {
    options.error = "--dialog and --ulvo-modes go with --screenshot";
  }
  return options;
}

std::string InfoText(const HostOptions& options, std::string_view product,
                     std::string_view version) {
  if (options.showHelp) return std::string(kUsage);
  if (!options.showVersion) return {};
  return "gchost (" + std::string(product) + ") " + std::string(version) + "\n";
}

std::string HostHomeFolder(const char* environmentValue, std::string_view exeFolder) {
  if (environmentValue && *environmentValue) return environmentValue;
  return std::string(exeFolder);
}

}  // namespace gchost
