// The editor window's life, as sequences over the dialog and the host: what happens
// when it initialises, when it is asked to close and when it is destroyed. The Win32
// dialog procedure loads and deletes the bitmaps and paints; everything else is here.
#pragma once

#include "editor/editor_session.h"
#include "ui/dialog_port.h"
#include "ui/host_port.h"

// Host dialog slot that records whether the editor is open.
inline constexpr int kEditorSlot = 9;
inline constexpr const char* kEditorPosSection = "GCDisplay";
inline constexpr const char* kEditorPosKey = "Parent";

// What the host's call to open the editor does: make one when slot 9 holds none, bring
// forward the one it holds, and nothing while the first is still being made (its
// initialisation can show a message box, whose message loop lets the host call again;
// a second editor would take the slot, the bitmaps and the session from the first).
enum class EditorOpening { kCreate, kRaise, kIgnore };
EditorOpening DecideEditorOpening(bool editorInSlot, bool beingCreated);

// WM_INITDIALOG after the bitmaps are loaded: load the method (or the defaults), place
// the window, show the form, fit the axes, apply the INI options, and forget a drag cut
// short by an earlier window's destruction.
void InitEditorWindow(EditorSession& session, DialogPort& editor, HostPort& host);

// WM_CLOSE: validate, offer to save, then empty the slot and destroy the window; a
// refusal or a declined save leaves it open.
void CloseEditorWindow(EditorSession& session, DialogPort& editor, HostPort& host);

// WM_DESTROY after the bitmaps are deleted: store the position unless minimised, and
// empty the slot.
void DestroyEditorWindow(DialogPort& editor, HostPort& host);
