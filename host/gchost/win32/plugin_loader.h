// The plug-in loaded as a chromatography host loads it: tovrex.dll from the host's own
// folder, its editor entry found by ordinal rather than by name.
#pragma once

#include <windows.h>

#include <string>

#include "gchost/core/host_options.h"
#include "gchost/win32/win_handles.h"

namespace gchost {

// int WINAPI AcqGCInlet(HWND owner): opens the editor, or brings the open one forward.
using AcqGCInletFn = int(WINAPI*)(HWND owner);
inline constexpr WORD kAcqGCInletOrdinal = 3;
inline constexpr const char* kPluginFileName = "tovrex.dll";

struct Plugin {
  OwnedModule module;
  AcqGCInletFn openEditor = nullptr;
};

// Loads the plug-in from `folder` into `plugin`. Returns kExitOk, or kExitPluginMissing /
// kExitEntryMissing with `error` saying what failed and why.
HostExit LoadPlugin(const std::string& folder, Plugin& plugin, std::string& error);

}  // namespace gchost
