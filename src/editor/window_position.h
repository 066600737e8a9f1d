// The positions the editor and its ULVO dialog keep in the host's INI file, one section
// and key per window.
#pragma once

#include <string_view>

#include "ui/dialog_port.h"
#include "ui/host_port.h"

// Moves the window to its stored corner. Nothing stored, or a negative corner (stored
// while the window was off screen): the window stays where its template put it. A
// corner whose caption strip would lie on no screen (a screen since removed, a typing
// slip in the INI file) brings the window into the nearest screen's work area instead,
// where the user can reach its caption.
void RestoreWindowPosition(DialogPort& window, HostPort& host, std::string_view section,
                           std::string_view key);

// Stores the window's rectangle, unless it is minimised. The host keeps positions
// relative to the owner's origin plus its offset, the way its other windows store theirs.
void StoreWindowPosition(DialogPort& window, HostPort& host, std::string_view section,
                         std::string_view key);
