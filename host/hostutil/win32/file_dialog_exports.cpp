// GenGetNormalFile / GenSetNormalFile: the common Open and Save As dialogs over the
// host's FileRequest block.
#include "hostutil.h"

#include <commdlg.h>

#include <array>
#include <string>

#include "bounded_copy.h"
#include "no_throw.h"
#include "hostutil/core/path_parts.h"

namespace {

enum class FileDialogKind { kOpen, kSave };

// The string literal's own terminator ends the list with the double NUL it needs.
constexpr char kFilter[] = "Method databases (*.db)\0*.db\0All files (*.*)\0*.*\0";

// Room for any path the dialog returns; the request's fields then cut it as they must.
constexpr std::size_t kChosenPathSize = 2048;

int RunFileDialog(FileDialogKind kind, HINSTANCE instance, HWND owner, FileRequest& request) {
  const std::string title(ReadBounded(request.title));
  const hostutil::PathParts initial = hostutil::ReadPathParts(request);
  std::array<char, kChosenPathSize> chosen{};
  CopyBounded(chosen.data(), chosen.size(),
              hostutil::JoinFileName(initial.name, initial.extension));

  OPENFILENAMEA dialog{};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.hInstance = instance;
  dialog.lpstrFilter = kFilter;
  dialog.nFilterIndex = 1;
  dialog.lpstrFile = chosen.data();
  dialog.nMaxFile = static_cast<DWORD>(chosen.size());
  dialog.lpstrInitialDir = initial.directory.empty() ? nullptr : initial.directory.c_str();
  dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
  // The database is updated in place, so saving over an existing one is no surprise;
  // and the host's current folder is not ours to change.
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST;
  if (kind == FileDialogKind::kOpen) {
    dialog.Flags |= OFN_FILEMUSTEXIST;
  } else {
    dialog.lpstrDefExt = "db";
  }

  const BOOL accepted =
      kind == FileDialogKind::kOpen ? GetOpenFileNameA(&dialog) : GetSaveFileNameA(&dialog);
  if (!accepted) return 0;  // cancelled, or the dialog failed: the request is untouched
  chosen.back() = '\0';
  const hostutil::PathParts parts = hostutil::SplitPath(chosen.data());
  if (!hostutil::RegistryPath(parts)) {
    // Taken as a cancel, before the caller logs or writes anything.
    MsgReport(kMsgPathTooLong, chosen.data());
    return 0;
  }
  hostutil::StorePathParts(parts, request);
  return 1;
}

int GuardedFileDialog(FileDialogKind kind, HINSTANCE instance, HWND owner, FileRequest* request) {
  if (request == nullptr) return 0;
  return NoThrow(0, [&] { return RunFileDialog(kind, instance, owner, *request); });
}

}  // namespace

HOSTUTIL_API int WINAPI GenGetNormalFile(HINSTANCE instance, HWND owner, FileRequest* request) {
  return GuardedFileDialog(FileDialogKind::kOpen, instance, owner, request);
}

HOSTUTIL_API int WINAPI GenSetNormalFile(HINSTANCE instance, HWND owner, FileRequest* request) {
  return GuardedFileDialog(FileDialogKind::kSave, instance, owner, request);
}
