// Filling the host's file-registry entry and file-dialog block, and building the full
// path and the audit text from an entry. Every copy into a host field is bounded: an
// over-long name is cut, never overrun.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "hostutil_types.h"

// The longest full path a save names in its audit text.
inline constexpr std::size_t kMaxPathLength = 259;

// A file-dialog block titled `title`, starting at the entry's directory, name and
// extension.
FileRequest MakeFileRequest(std::string_view title, const GlobalFileEntry& entry);

// Copies the file that the dialog chose back into the entry.
void TakeChosenFile(const FileRequest& request, GlobalFileEntry& entry);

// directory + "\" + name + "." + extension: no backslash after an empty directory or one
// that already ends in a backslash or slash, no point before an empty extension or one
// that already starts with a point. Cut to kMaxPathLength characters.
std::string FullPath(const GlobalFileEntry& entry);

// The audit text of a save to `path`: a fixed first line, then the path in upper case.
std::string SaveAuditText(std::string_view path);
