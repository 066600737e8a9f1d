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

// Points stdout and stderr, where they lead nowhere, at the console of the program that
// started this one (a command prompt). A GUI program gets no console of its own, so its
// output would otherwise be lost there. Streams already going to a file or a pipe stay.
void UseStartingConsole();

// "error N: <the system's text for N>", e.g. "error 126: The specified module could not
// be found."
std::string SystemErrorText(DWORD code);

}  // namespace gchost
