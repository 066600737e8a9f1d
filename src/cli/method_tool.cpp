// The verbs of tovrex-method, their help and their exit codes.
#include "cli/method_tool.h"

#include <cerrno>
#include <cstring>

#include "cli/file_io.h"
#include "cli/method_fields.h"
#include "cli/method_file.h"
#include "cli/method_json.h"
#include "cli/method_plot.h"
#include "cli/method_report.h"
#include "method/number_text.h"
#include "no_throw.h"

namespace method_tool {

namespace {

constexpr const char* kProgram = "tovrex-method";
constexpr std::size_t kMaxJsonBytes = 1 << 20;

// The verb's arguments: the files in order, and its options.
struct Args {
  std::vector<std::string> files;
  bool record = false;
  float minOvenTemp = 0.0f;
};

struct Verb {
  const char* name;
  const char* usage;
  const char* help;
  std::size_t files;
  int (*run)(const Args&, std::ostream&, std::ostream&);
};

int Fail(std::ostream& err, const std::string& message) {
  err << kProgram << ": " << message << "\n";
  return kExitError;
}

int Show(const Args& a, std::ostream& out, std::ostream& err) {
  LoadedMethod m;
  std::string error;
  if (!LoadMethodFile(a.files[0], m, error)) return Fail(err, error);
  out << a.files[0] << ": " << m.form << "\n\n" << ShowText(m.method);
  return kExitOk;
}

int Diff(const Args& a, std::ostream& out, std::ostream& err) {
  LoadedMethod before, after;
  std::string error;
  if (!LoadMethodFile(a.files[0], before, error) || !LoadMethodFile(a.files[1], after, error)) {
    return Fail(err, error);
  }
  const std::vector<std::string> lines = DiffLines(before.method, after.method);
  for (const std::string& line : lines) out << line << "\n";
  return lines.empty() ? kExitOk : kExitFindings;
}

int Check(const Args& a, std::ostream& out, std::ostream& err) {
  LoadedMethod m;
  std::string error;
  if (!LoadMethodFile(a.files[0], m, error)) return Fail(err, error);
  const std::vector<std::string> lines = CheckLines(m.method, a.minOvenTemp);
  for (const std::string& line : lines) out << line << "\n";
  return lines.empty() ? kExitOk : kExitFindings;
}

int Export(const Args& a, std::ostream& out, std::ostream& err) {
  LoadedMethod m;
  std::string error;
  if (!LoadMethodFile(a.files[0], m, error)) return Fail(err, error);
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
      a.record ? std::vector<uint8_t>(record.bytes.begin(), record.bytes.end())
               : MethodDatabaseBytes(record);
  if (!ReplaceFile(a.files[1], bytes, error)) return Fail(err, error);
  return kExitOk;
}

int Plot(const Args& a, std::ostream&, std::ostream& err) {
  LoadedMethod m;
  std::string error;
  if (!LoadMethodFile(a.files[0], m, error)) return Fail(err, error);
  const std::string svg = PlotSvg(m.method, "TOVREX method " + a.files[0]);
  const auto* bytes = reinterpret_cast<const uint8_t*>(svg.data());
  if (!ReplaceFile(a.files[1], {bytes, svg.size()}, error)) return Fail(err, error);
  return kExitOk;
}

constexpr Verb kVerbs[] = {
    {"show", "show FILE",
     "Prints every stored field of the method with its unit, in the editor's terms: the oven\n"
     "programme with the rates its form shows and the run time, zones, dump valve, valve\n"
     "timetable, and both ULVO channels with their mode and ramps.",
     1, Show},
    {"diff", "diff OLD NEW",
     "Prints the stored fields that differ, one line each (field: old → new, with units).\n"
     "Exit status 0 when the methods are equal, 1 when they differ, 2 on an error.",
     2, Diff},
    {"check", "check FILE [--min-oven-temp T]",
     "Checks every value against the editor's ranges and order, one line per value the\n"
     "editor would refuse, named as its message names the field. T is the host's minimum\n"
     "oven temperature (default 0). Exit status 1 when any value fails.",
     1, Check},
    {"export", "export FILE",
     "Prints the method as JSON (docs/method-json.md): every stored field, doubles as exact\n"
     "decimal texts, so that importing it gives the same record bit for bit.",
     1, Export},
    {"import", "import JSON OUT [--record]",
     "Writes the method of JSON as a method database holding it as record 1, or with\n"
     "--record as a bare 2456-byte method record. OUT is replaced only once the new file is\n"
     "whole on the disk: a failure leaves it as it was.",
     2, Import},
    {"plot", "plot FILE OUT.svg",
     "Draws the oven programme and the ULVO ramps in use on one time axis as SVG.", 2, Plot},
};

std::string Usage() {
  std::string text = std::string("usage: ") + kProgram + " VERB ARGUMENTS\n\n";
  for (const Verb& verb : kVerbs) text += std::string("  ") + kProgram + " " + verb.usage + "\n";
  text += std::string("\nFILE is a method database (its record 1 is the method) or a bare\n") +
          "2456-byte method record. '" + kProgram + " VERB --help' tells more of a verb,\n" + "'" +
          kProgram + " --version' the version.\n" +
          "Exit status: 0 done, 1 the methods differ or a value fails its check, 2 an error.\n";
  return text;
}

// The verb's files and options; false with `error` for anything else.
bool ParseArgs(const Verb& verb, const std::vector<std::string>& args, Args& parsed,
               std::string& error) {
  const std::string name = verb.name;
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (arg == "--record" && name == "import") {
      parsed.record = true;
    } else if (arg == "--min-oven-temp" && name == "check" && i + 1 < args.size()) {
      double value = 0.0;
      if (!ParseExactText(args[++i], value)) {
        error = "--min-oven-temp takes a number, not " + args[i];
        return false;
      }
      parsed.minOvenTemp = SaturateToFloat(value);
    } else if (arg.starts_with("--")) {
      error = name + ": unknown option " + arg;
      return false;
    } else {
      parsed.files.push_back(arg);
    }
  }
  if (parsed.files.size() != verb.files) {
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
