// The verbs of tovrex-method, their help and their exit codes.
#include "cli/method_tool.h"

#include <cerrno>
#include <charconv>
#include <cstring>

#include <nlohmann/json.hpp>

#include "cli/file_io.h"
#include "cli/method_fields.h"
#include "cli/method_html.h"
#include "cli/method_file.h"
#include "cli/method_json.h"
#include "cli/method_plot.h"
#include "cli/method_report.h"
#include "method/number_text.h"
#include "no_throw.h"
#include "recdb/core/database_file.h"

namespace method_tool {

namespace {

using Json = nlohmann::ordered_json;

constexpr const char* kProgram = "tovrex-method";
constexpr std::size_t kMaxJsonBytes = 1 << 20;

// The verb's arguments: the files in order, and its options.
struct Args {
  std::vector<std::string> files;
  bool bareRecord = false;  // import --record
  uint32_t record = 1;      // --record N of the verbs that read methods
  bool json = false;
  bool quiet = false;
  float minOvenTemp = 0.0f;
};

struct Verb {
  const char* name;
  // Its arguments. The options a verb takes are read from here, so that its usage and
  // its parsing cannot disagree: "[--json]" is a flag, "[--record N]" takes a value.
  const char* usage;
  const char* help;
  std::size_t minFiles, maxFiles;
  int (*run)(const Args&, std::ostream&, std::ostream&);
};

int Fail(std::ostream& err, const std::string& message) {
  err << kProgram << ": " << message << "\n";
  return kExitError;
}

// A document for scripts. A name from the command line that is not UTF-8 (a Linux file
// name in Latin-1) is shown with U+FFFD in place of what cannot be read, not refused.
void PrintJson(std::ostream& out, const Json& json) {
  out << json.dump(2, ' ', false, Json::error_handler_t::replace) << "\n";
}

// Where a method was read from, for the scripts' documents.
Json Source(const std::string& file, const LoadedMethod& m) {
  return {{"file", file},
          {"form", m.database ? "method database" : "method record"},
          {"record", m.number},
          {"records", m.records}};
}

// A stored value as the JSON form writes it.
Json StoredValue(const StoredField& field) {
  return field.number ? Json(ExactText(*field.number)) : Json(*field.integer);
}

int Show(const Args& a, std::ostream& out, std::ostream& err) {
  LoadedMethod m;
  std::string error;
  if (!LoadMethodFile(a.files[0], a.record, m, error)) return Fail(err, error);
  if (a.json) {
    Json doc = Source(a.files[0], m);
    doc["method"] = Json::parse(ExportJson(m.method));
    PrintJson(out, doc);
  } else {
    out << a.files[0] << ": " << m.Form() << "\n\n" << ShowText(m.method);
  }
  return kExitOk;
}

int Diff(const Args& a, std::ostream& out, std::ostream& err) {
  LoadedMethod before, after;
  std::string error;
  if (!LoadMethodFile(a.files[0], a.record, before, error) ||
      !LoadMethodFile(a.files[1], a.record, after, error)) {
    return Fail(err, error);
  }
  const std::vector<std::size_t> changed = ChangedFields(before.method, after.method);
  if (a.json) {
    const std::vector<StoredField> fa = StoredFields(before.method);
    const std::vector<StoredField> fb = StoredFields(after.method);
    Json changes = Json::array();
    for (const std::size_t i : changed) {
      changes.push_back({{"field", fa[i].Path()},
                         {"label", fa[i].Label()},
                         {"unit", fa[i].unit},
                         {"old", StoredValue(fa[i])},
                         {"new", StoredValue(fb[i])}});
    }
    PrintJson(out, {{"old", Source(a.files[0], before)},
                    {"new", Source(a.files[1], after)},
                    {"changes", changes}});
  } else {
    for (const std::string& line : DiffLines(before.method, after.method)) out << line << "\n";
  }
  return changed.empty() ? kExitOk : kExitFindings;
}

int Check(const Args& a, std::ostream& out, std::ostream& err) {
  int passed = 0, failed = 0, unreadable = 0;
  Json files = Json::array();
  for (const std::string& file : a.files) {
    LoadedMethod m;
    std::string error;
    if (!LoadMethodFile(file, a.record, m, error)) {
      ++unreadable;
      Fail(err, error);
      files.push_back({{"file", file}, {"error", error}});
      continue;
    }
    const std::vector<std::string> lines = CheckLines(m.method, a.minOvenTemp);
    ++(lines.empty() ? passed : failed);
    Json source = Source(file, m);
    source["findings"] = lines;
    files.push_back(std::move(source));
    if (a.json) continue;
    for (const std::string& line : lines) out << file << ": " << line << "\n";
    if (lines.empty() && !a.quiet) out << file << ": passes every check of the editor\n";
  }
  if (a.json) {
    PrintJson(
        out,
        {{"files", files}, {"passed", passed}, {"failed", failed}, {"unreadable", unreadable}});
  } else if (a.files.size() > 1 && !a.quiet) {
    out << a.files.size() << " files: " << passed << " passed, " << failed << " failed, "
        << unreadable << " could not be read\n";
  }
  return unreadable ? kExitError : failed ? kExitFindings : kExitOk;
}

int Export(const Args& a, std::ostream& out, std::ostream& err) {
  LoadedMethod m;
  std::string error;
  if (!LoadMethodFile(a.files[0], a.record, m, error)) return Fail(err, error);
  out << ExportJson(m.method);
  return kExitOk;
}

int Import(const Args& a, std::ostream&, std::ostream& err) {
  std::vector<uint8_t> text;
  std::string error;
  if (!ReadWholeFile(a.files[0], kMaxJsonBytes, text, error)) return Fail(err, error);
  InletMethod method{};
  if (!ImportJson(std::string_view(reinterpret_cast<const char*>(text.data()), text.size()), method,
                  error)) {
    return Fail(err, a.files[0] + ": " + error);
  }
  MethodDbRecord record;
  EncodeMethodRecord(method, record);
  const std::vector<uint8_t> bytes =
      a.bareRecord ? std::vector<uint8_t>(record.bytes.begin(), record.bytes.end())
                   : MethodDatabaseBytes(record);
  if (!StoreFile(a.files[1], bytes, error)) return Fail(err, error);
  return kExitOk;
}

int Plot(const Args& a, std::ostream&, std::ostream& err) {
  LoadedMethod m;
  std::string error;
  if (!LoadMethodFile(a.files[0], a.record, m, error)) return Fail(err, error);
  const std::string title =
      "TOVREX method " + a.files[0] + (m.records > 1 ? ", record " + std::to_string(m.number) : "");
  const std::string svg = PlotSvg(m.method, title);
  const auto* bytes = reinterpret_cast<const uint8_t*>(svg.data());
  if (!StoreFile(a.files[1], {bytes, svg.size()}, error)) return Fail(err, error);
  return kExitOk;
}

int Report(const Args& a, std::ostream&, std::ostream& err) {
  std::vector<uint8_t> bytes;
  std::string error;
  if (!ReadWholeFile(a.files[0], recdb::MaxFileSize(recdb::kMethodRecordSize), bytes, error)) {
    return Fail(err, error);
  }
  LoadedMethod m;
  if (!ParseMethodFile(bytes, a.record, m, error)) return Fail(err, a.files[0] + ": " + error);
  const ReportSource source{a.files[0], Sha256Hex(bytes), Sha256Hex(m.record.bytes)};
  if (source.fileSha256.empty() || source.recordSha256.empty()) {
    return Fail(err, "the system's SHA-256 could not be used");
  }
  const std::string html = ReportHtml(source, m, a.minOvenTemp);
  const auto* text = reinterpret_cast<const uint8_t*>(html.data());
  if (!StoreFile(a.files[1], {text, html.size()}, error)) return Fail(err, error);
  return kExitOk;
}

constexpr std::size_t kAnyNumber = static_cast<std::size_t>(-1);

constexpr Verb kVerbs[] = {
    {"show", "show FILE [--record N] [--json]",
     "Prints every stored field of the method with its unit, in the editor's terms: the oven\n"
     "programme with the rates its form shows and the run time, zones, dump valve, valve\n"
     "timetable, and both ULVO channels with their mode and ramps. The first line names the\n"
     "file's form and how many records a database holds. --json prints the file, record and\n"
     "the method in its JSON form instead.",
     1, 1, Show},
    {"diff", "diff OLD NEW [--record N] [--json]",
     "Prints the stored fields that differ, one line each (field: old → new, with units);\n"
     "--json prints them as a JSON document. Exit status 0 when the methods are equal, 1\n"
     "when they differ, 2 on an error.",
     2, 2, Diff},
    {"check", "check FILE... [--record N] [--min-oven-temp T] [--quiet] [--json]",
     "Checks every value of each file against the editor's ranges and order: one line per\n"
     "value the editor would refuse, after the file's name and named as its message names\n"
     "the field, or one line saying the file passes (not with --quiet). Several files end\n"
     "with a count of those that passed, failed and could not be read. T is the host's\n"
     "minimum oven temperature (default 0). --json prints one JSON document instead.\n"
     "Exit status 1 when any value fails, 2 when any file cannot be read.",
     1, kAnyNumber, Check},
    {"export", "export FILE [--record N]",
     "Prints the method as JSON (docs/method-json.md): every stored field, doubles as exact\n"
     "decimal texts, so that importing it gives the same record bit for bit.",
     1, 1, Export},
    {"import", "import JSON OUT [--record]",
     "Writes the method of JSON as a method database holding it as record 1, or with\n"
     "--record as a bare 2456-byte method record. OUT is replaced only once the new file is\n"
     "whole on the disk: a failure leaves it as it was.",
     2, 2, Import},
    {"plot", "plot FILE OUT.svg [--record N]",
     "Draws the oven programme and the ULVO ramps in use on one time axis as SVG. OUT.svg\n"
     "is replaced only once the new file is whole on the disk.",
     2, 2, Plot},
    {"report", "report FILE OUT.html [--record N] [--min-oven-temp T]",
     "Writes one page for a reviewer to print on one A4 sheet: the file, the record and\n"
     "their SHA-256, the plot, every stored field in the editor's terms and units, and\n"
     "each value the editor would refuse (T as for check) marked and listed. The page holds\n"
     "its style and picture itself: no scripts, nothing fetched. OUT.html is replaced only\n"
     "once the new file is whole on the disk.",
     2, 2, Report},
};

std::string Usage() {
  std::string text = std::string("usage: ") + kProgram + " VERB ARGUMENTS\n\n";
  for (const Verb& verb : kVerbs) text += std::string("  ") + kProgram + " " + verb.usage + "\n";
  text += std::string("\nFILE is a method database (its record 1 is the method, or record N\n") +
          "with --record N) or a bare 2456-byte method record. '" + kProgram +
          " VERB --help' tells\nmore of a verb, '" + kProgram + " --version' the version.\n" +
          "Exit status: 0 done, 1 the methods differ or a value fails its check, 2 an error.\n";
  return text;
}

// How `verb` takes `option`, as its usage shows it.
enum class Takes { kNot, kFlag, kValue };
Takes OptionKind(const Verb& verb, const std::string& option) {
  const std::string_view usage = verb.usage;
  if (usage.find("[" + option + "]") != std::string_view::npos) return Takes::kFlag;
  if (usage.find("[" + option + " ") != std::string_view::npos) return Takes::kValue;
  return Takes::kNot;
}

// The verb's files and options; false with `error` for anything else.
bool ParseArgs(const Verb& verb, const std::vector<std::string>& args, Args& parsed,
               std::string& error) {
  const std::string name = verb.name;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const Takes takes = arg.starts_with("--") ? OptionKind(verb, arg) : Takes::kNot;
    if (takes == Takes::kNot && arg.starts_with("--")) {
      error = name + ": unknown option " + arg;
      return false;
    }
    if (takes == Takes::kNot) {
      parsed.files.push_back(arg);
    } else if (takes == Takes::kFlag) {
      (arg == "--record" ? parsed.bareRecord : arg == "--json" ? parsed.json : parsed.quiet) = true;
    } else if (i + 1 == args.size()) {
      error = arg + " takes a value";
      return false;
    } else if (arg == "--record") {
      const std::string& text = args[++i];
      const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed.record);
      if (ec != std::errc() || end != text.data() + text.size() || parsed.record == 0) {
        error = "--record takes a record number from 1, not " + text;
        return false;
      }
    } else {
      double value = 0.0;
      if (!ParseExactText(args[++i], value)) {
        error = "--min-oven-temp takes a number, not " + args[i];
        return false;
      }
      parsed.minOvenTemp = SaturateToFloat(value);
    }
  }
  if (parsed.files.size() < verb.minFiles || parsed.files.size() > verb.maxFiles) {
    error = std::string("usage: ") + kProgram + " " + verb.usage;
    return false;
  }
  return true;
}

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.empty()) {
    err << Usage();
    return kExitError;
  }
  if (args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
    out << Usage();
    return kExitOk;
  }
  if (args[0] == "--version") {
    out << kProgram << " " << TOVREX_VERSION << "\n";
    return kExitOk;
  }
  for (const Verb& verb : kVerbs) {
    if (args[0] != verb.name) continue;
    if (args.size() >= 2 && (args[1] == "--help" || args[1] == "-h")) {
      out << "usage: " << kProgram << " " << verb.usage << "\n\n" << verb.help << "\n";
      return kExitOk;
    }
    Args parsed;
    std::string error;
    if (!ParseArgs(verb, args, parsed, error)) return Fail(err, error);
    return verb.run(parsed, out, err);
  }
  return Fail(err, "unknown verb " + args[0] + "; try " + kProgram + " --help");
}

}  // namespace

int RunMethodTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  // The one barrier the exports use too: a failure nobody foresaw (memory, say) ends in
  // one line and exit status 2.
  errno = 0;
  const int code = NoThrow(-1, [&] { return Run(args, out, err); });
  if (code < 0) return Fail(err, "stopped by an unexpected failure");
  // Output that did not arrive (a full disk, a closed pipe) is a failure, not a result;
  // errno still holds the reason of the write that failed.
  if (!out.flush()) {
    const int reason = errno;
    return Fail(err, std::string("cannot write to standard output") +
                         (reason ? std::string(": ") + std::strerror(reason) : ""));
  }
  return code;
}

}  // namespace method_tool
