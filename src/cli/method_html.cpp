// The review page: tables built from the same ramp views, fields and findings as `show`
// and `check`, so that the page and the tool's text cannot disagree.
#include "cli/method_html.h"

#include <set>
#include <utility>
#include <vector>

#include "cli/method_fields.h"
#include "cli/method_plot.h"
#include "cli/method_report.h"
#include "cli/ramp_view.h"
#include "method/method_limits.h"

namespace method_tool {

namespace {

// A4 with 12 mm margins: small type, tight tables in two columns and a plot of bounded
// height, so that the method, both ULVO channels and the plot fit on one sheet; the marks keep
// their colour in print and a ✗ for a black-and-white printer.
constexpr const char* kStyle = R"(@page { size: A4; margin: 12mm; }
body { font: 7.5pt/1.25 sans-serif; margin: 0; color: black; }
h1 { font-size: 12pt; margin: 0 0 2pt; }
h2 { font-size: 9pt; margin: 5pt 0 1pt; }
h3 { font-size: 8pt; margin: 3pt 0 1pt; }
table { border-collapse: collapse; }
td, th { border: 0.5pt solid #999; padding: 0 3pt; text-align: right; }
th { background: #eee; font-weight: normal; }
td.name { text-align: left; }
.refused { background: #fcc; font-weight: bold; outline: 1pt solid #c00;
  -webkit-print-color-adjust: exact; print-color-adjust: exact; }
.grid { display: grid; grid-template-columns: 1fr 1fr; gap: 0 6mm; }
.plot svg { width: 100%; height: auto; max-height: 80mm; }
.hash { font-family: monospace; font-size: 7pt; }
ul { columns: 2; margin: 0; padding-left: 10pt; }
)";

std::string Element(const char* tag, const std::string& text, const std::string& attributes = "") {
  return std::string("<") + tag + attributes + ">" + XmlEscaped(text) + "</" + tag + ">";
}

// The refused values by place and field, as `check` names them.
class Marks {
 public:
  explicit Marks(const std::vector<Finding>& findings) {
    for (const Finding& f : findings) refused_.insert({f.place, f.field});
  }
  // A table cell; a refused value is marked.
  std::string Cell(const std::string& place, const std::string& field,
                   const std::string& text) const {
    if (!refused_.contains({place, field})) return Element("td", text);
    return Element("td", text + " \u2717", " class=\"refused\"");
  }

 private:
  std::set<std::pair<std::string, std::string>> refused_;
};

// The message's field name without the blank it keeps before the line break.
std::string Field(const char* messageName) {
  std::string name = messageName;
  if (name.ends_with(' ')) name.pop_back();
  return name;
}

std::string Head(const std::vector<std::string>& cells) {
  std::string row = "<tr>";
  for (const std::string& cell : cells) row += Element("th", cell);
  return row + "</tr>\n";
}

std::string Quantity(double value, const char* unit) { return ExactText(value) + " " + unit; }

// One "name: value" row of a two-column table.
std::string ValueRow(const std::string& name, const std::string& cell) {
  return "<tr>" + Element("td", name, " class=\"name\"") + cell + "</tr>\n";
}

// A ramp's rows as its form shows them. The rate into row k + 1 sits on row k's line,
// and the editor names it "Rate k" of row k + 1.
std::string RampTable(const RampView& ramp, const char* levelField, const char* timeField,
                      const Marks& marks) {
  std::string html = "<table>\n" + Head({"Row", "In use", "Start (min)",
                                         ramp.levelName + " (" + ramp.levelUnit + ")", "Time (min)",
                                         std::string("Rate to next (") + ramp.rateUnit + ")"});
  const int rows = static_cast<int>(ramp.rows.size());
  for (int k = 0; k < rows; ++k) {
    const RampStep& row = ramp.rows[k];
    const std::string place = ramp.name + " row " + std::to_string(k + 1);
    const std::string next = ramp.name + " row " + std::to_string(k + 2);
    html += "<tr>" + Element("td", std::to_string(k + 1)) +
            Element("td", FlagText(row.enabled, "no", "yes")) +
            marks.Cell(place, kStartField, ExactText(row.start)) +
            marks.Cell(place, Field(levelField), ExactText(row.level)) +
            marks.Cell(place, Field(timeField), ExactText(row.hold)) +
            (k + 1 < rows ? marks.Cell(next, Field(kRateName) + " " + std::to_string(k + 1),
                                       RateText(ramp, k))
                          : Element("td", "")) +
            "</tr>\n";
  }
  return html + "</table>\n";
}

std::string OvenSection(const InletMethod& m, const Marks& marks) {
  const RampView oven = OvenRampView(m);
  std::string html = "<h2>Oven programme</h2>\n" + RampTable(oven, kOvenTempName, kTimeName, marks);
  html += "<table>\n";
  html +=
      ValueRow("Run time", Element("td", Quantity(EndTime(oven), "min") + ", to the end of row " +
                                             std::to_string(oven.inUse)));
  html += ValueRow("Standby time (in use: " + FlagText(m.standbyEnabled, "no", "yes") + ")",
                   marks.Cell("Oven", Field(kStandbyTimeName), Quantity(m.standbyTime, "min")));
  html += ValueRow("Time 5 (in use: " + FlagText(m.time5Enabled, "no", "yes") + ")",
                   marks.Cell("Oven", Field(kTime5Name), Quantity(m.time5, "min")));
  return html + "</table>\n";
}

std::string ZonesAndValvesSection(const InletMethod& m, const Marks& marks) {
  std::string html = "<h2>Zones and valves</h2>\n<table>\n";
  const double zones[3] = {m.zone1Temp, m.zone2Temp, m.zone3Temp};
  for (int z = 0; z < 3; ++z) {
    html += ValueRow("Zone " + std::to_string(z + 1),
                     marks.Cell("Zones", Field(kZoneTempNames[z]), Quantity(zones[z], "°C")));
  }
  html += ValueRow("Dump valve", Element("td", FlagText(m.dumpValve, "off", "on")));
  const std::pair<const char*, std::pair<const char*, double>> valves[3] = {
      {"Purge", {kPurgeName, m.purgeTime}},
      {"Split", {kSplitName, m.splitTime}},
      {"Secondary cool", {kSecondaryCoolName, m.secondaryCoolTime}}};
  for (const auto& [label, field] : valves) {
    html +=
        ValueRow(label, marks.Cell("Valve timetable", field.first, Quantity(field.second, "min")));
  }
  html += "</table>\n<table>\n" + Head({"Event", "Start (min)", "Finish (min)"});
  for (std::size_t e = 0; e < m.valveEvent.size(); ++e) {
    html += "<tr>" + Element("td", std::to_string(e + 1)) +
            Element("td", ExactText(m.valveEvent[e].start)) +
            Element("td", ExactText(m.valveEvent[e].finish)) + "</tr>\n";
  }
  return html + "</table>\n";
}

std::string UlvoSection(const InletMethod& m, int c, const Marks& marks) {
  const UlvoChannel& channel = m.ulvo[c];
  const int inUse = UlvoRampInUse(channel);
  const std::string side = c == 0 ? "left" : "right";
  std::string html = "<h2>ULVO " + side + " channel</h2>\n<table>\n" +
                     ValueRow("Mode", marks.Cell("ULVO " + side + " channel", kModeField,
                                                 ModeText(channel.mode))) +
                     "</table>\n";
  for (int r = 0; r < 2; ++r) {
    const RampView view = UlvoRampView(m, c, r);
    const UlvoRamp& ramp = channel.ramp[r];
    const UlvoModeLimits& limits = r == 0 ? kFlowLimits : kPressureLimits;
    html += Element("h3", std::string(r == 0 ? "Flow" : "Pressure") + " ramp" +
                              (r == inUse ? ", in use, run time " + Quantity(EndTime(view), "min")
                                          : ", not in use")) +
            "\n<table>\n";
    html += ValueRow("Standby value (in use: " + FlagText(ramp.standbyEnabled, "no", "yes") + ")",
                     marks.Cell(view.name, Field(kStandbyValueName),
                                Quantity(ramp.standbyValue, view.levelUnit)));
    html += ValueRow(
        "Sample value (in use: " + FlagText(ramp.sampleEnabled, "no", "yes") + ")",
        marks.Cell(view.name, Field(kSampleValueName), Quantity(ramp.sampleValue, view.levelUnit)));
    html += "</table>\n" + RampTable(view, limits.levelName, kTimeName, marks);
  }
  return html;
}

}  // namespace

std::string ReportHtml(const ReportSource& source, const LoadedMethod& loaded, float minOvenTemp) {
  const InletMethod& m = loaded.method;
  const std::vector<Finding> findings = CheckFindings(m, minOvenTemp);
  const Marks marks(findings);
  std::string html = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\"/>\n" +
                     Element("title", "TOVREX method " + source.file) + "\n<style>\n" + kStyle +
                     "</style>\n</head>\n<body>\n" + Element("h1", "TOVREX inlet method") +
                     "\n<table>\n";
  html += ValueRow("File", Element("td", source.file, " class=\"name\""));
  html += ValueRow("Held as", Element("td", loaded.Form(), " class=\"name\""));
  html += ValueRow("File SHA-256", Element("td", source.fileSha256, " class=\"hash\""));
  html += ValueRow("Record SHA-256", Element("td", source.recordSha256, " class=\"hash\""));
  html += ValueRow(
      "Checked", Element("td",
                         findings.empty() ? "every value passes the editor's checks"
                                          : std::to_string(findings.size()) +
                                                " value(s) the editor would refuse, marked \u2717",
                         " class=\"name\""));
  html += ValueRow("Minimum oven temperature", Element("td", Quantity(minOvenTemp, "°C")));
  html += "</table>\n<div class=\"plot\">\n" +
          PlotSvgElement(m, "Oven programme and ULVO ramps in use") + "</div>\n";
  html += "<div class=\"grid\">\n";
  for (const std::string& block : {OvenSection(m, marks), ZonesAndValvesSection(m, marks),
                                   UlvoSection(m, 0, marks), UlvoSection(m, 1, marks)}) {
    html += "<div>\n" + block + "</div>\n";
  }
  html += "</div>\n";
  if (!findings.empty()) {
    html += "<h2>Values the editor would refuse</h2>\n<ul>\n";
    for (const Finding& f : findings) html += Element("li", f.line, " class=\"refused\"") + "\n";
    html += "</ul>\n";
  }
  return html + "</body>\n</html>\n";
}

}  // namespace method_tool
