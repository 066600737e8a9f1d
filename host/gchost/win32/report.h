// How the demo host tells its user what happened: always on the standard streams, and
// in a message box as well when someone is watching (not in an unattended run, where a
// box would wait for a click that never comes).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace gchost {

inline constexpr const char* kHostTitle = "GC Host";

// A failure: "gchost: <text>" on stderr, and an error box when `unattended` is false.
void ReportFailure(std::string_view text, bool unattended);

// A plain notice: the text on stdout, and an information box when `unattended` is false.
void ReportNotice(std::string_view text, bool unattended);

// "error N: <the system's text for N>", e.g. "error 126: The specified module could not
// be found."
std::string SystemErrorText(DWORD code);

}  // namespace gchost
