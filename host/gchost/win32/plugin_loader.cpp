// LoadLibrary by full path and GetProcAddress by ordinal.
#include "hostutil/core/path_parts.h"
#include "gchost/win32/plugin_loader.h"

#include "gchost/win32/report.h"

namespace gchost {

HostExit LoadPlugin(const std::string& folder, Plugin& plugin, std::string& error) {
  // The full path: a host loads its own copy, never one found on the search path.
  const std::string path = hostutil::FileInFolder(folder, kPluginFileName);
  plugin.module = OwnedModule(LoadLibraryA(path.c_str()));
  if (!plugin.module) {
    error = "cannot load the plug-in " + path + " (" + SystemErrorText(GetLastError()) + ")";
    return kExitPluginMissing;
  }
  FARPROC entry = GetProcAddress(plugin.module.Get(), MAKEINTRESOURCEA(kAcqGCInletOrdinal));
  if (!entry) {
    error = "the plug-in " + path + " has no export with ordinal 3 (AcqGCInlet)";
    return kExitEntryMissing;
  }
  plugin.openEditor = reinterpret_cast<AcqGCInletFn>(reinterpret_cast<void*>(entry));
  return kExitOk;
}

}  // namespace gchost
