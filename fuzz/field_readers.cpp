// Fuzz target: text where the editor reads numbers. The whole input goes through the
// whole-number and decimal readers, which must agree with the C library's strtoll and
// strtod (in the "C" locale) wherever the text is plain decimal notation; then its lines,
// in turn, replace what the oven form, the valve timetable and both ULVO ramps' forms
// show, and each form is validated and stored as its OK does.
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "editor/oven_form.h"
#include "editor/oven_validation.h"
#include "editor/valve_timetable.h"
#include "fuzz_ports.h"
#include "editor/editor_window.h"
#include "method/inlet_method.h"
#include "method/number_text.h"
#include "ulvo/ulvo_control.h"
#include "ulvo/ulvo_form.h"
#include "ulvo/ulvo_state.h"
#include "ulvo/ulvo_validation.h"

namespace {

void Require(bool holds) {
  if (!holds) __builtin_trap();
}

// Text the readers and the C library read alike: no hexadecimal, infinity or NaN forms.
bool PlainDecimal(const std::string& text) {
  return text.find_first_not_of(" \t\n\v\f\r+-.0123456789eE") == std::string::npos;
}

void CompareWithCLibrary(const std::string& text) {
  if (!PlainDecimal(text)) return;
  const long long whole = std::strtoll(text.c_str(), nullptr, 10);
  const long long clamped = whole > INT32_MAX ? INT32_MAX : whole < INT32_MIN ? INT32_MIN : whole;
  Require(ReadWholeNumber(text) == clamped);

  errno = 0;
  const double expected = std::strtod(text.c_str(), nullptr);
  const bool outOfRange = errno == ERANGE;
  const double read = ReadDecimalNumber(text);
  // Below the smallest normal double the C library may give a denormal; the reader
  // gives it too, or 0.
  const bool same = std::memcmp(&read, &expected, sizeof read) == 0;
  Require(same || (outOfRange && read == 0.0 && std::fabs(expected) < 1e-300));
}

// The next line of the input, or nothing once it is used up.
class Lines {
 public:
  explicit Lines(std::string_view text) : rest_(text) {}
  bool Next(std::string& line) {
    if (done_) return false;
    const std::size_t end = rest_.find('\n');
    line = rest_.substr(0, end);
    done_ = end == std::string_view::npos;
    if (!done_) rest_.remove_prefix(end + 1);
    return true;
  }

 private:
  std::string_view rest_;
  bool done_ = false;
};

// Every field the form shows takes the next line; check boxes are toggled by the bits of
// the first byte.
void Type(FormDialog& form, Lines& lines, unsigned checkBits) {
  std::string line;
  for (auto& [id, text] : form.text) {
    if (lines.Next(line)) text = line;
  }
  for (auto& [id, checked] : form.checked) {
    if (checkBits & 1) checked = !checked;
    checkBits >>= 1;
  }
}

void TypeIntoOvenForm(EditorSession& session, FuzzHost& host, Lines& lines, unsigned checkBits) {
  FormDialog editor;
  ShowMethod(session, editor, host);
  Type(editor, lines, checkBits);
  ReadStepChecks(session, editor);
  ValidateOvenForm(session, editor, host);
}

void TypeIntoValveTimes(EditorSession& session, FuzzHost& host, Lines& lines) {
  FormDialog dialog;
  ShowValveTimes(session.method, dialog, host);
  Type(dialog, lines, 0);
  ReadValveTimes(session.method, dialog, host);
}

void TypeIntoUlvoForm(EditorSession& session, int32_t mode, FuzzHost& host, Lines& lines,
                      unsigned checkBits) {
  session.values.ulvoChannel = 0;
  session.method.ulvo[0].mode = mode;
  FormDialog dialog;
  InitUlvoControl(session, dialog, host);
  Type(dialog, lines, checkBits);
  ApplyUlvoStepCheck(session, dialog, host, 0);
  ValidateUlvoForm(session, dialog, host);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  CompareWithCLibrary(text);
  SaturateToFloat(ReadDecimalNumber(text));
  SaturateToInt32(ReadDecimalNumber(text));

  EditorSession session{};
  SetMethodDefaults(session.method);
  FuzzHost host;
  const unsigned checkBits = size > 0 ? data[0] : 0;
  Lines lines(text);
  TypeIntoOvenForm(session, host, lines, checkBits);
  TypeIntoValveTimes(session, host, lines);
  TypeIntoUlvoForm(session, kUlvoFlow, host, lines, checkBits >> 2);
  TypeIntoUlvoForm(session, kUlvoPressure, host, lines, checkBits >> 4);
  return 0;
}
