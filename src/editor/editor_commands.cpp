// The editor's command table.
#include "editor/editor_commands.h"

#include "method/inlet_method.h"
#include "resource_ids.h"

namespace {

// File > Exit goes the same way as the close box: the window's close handling
// validates and offers to save.
void OnExit(DialogPort& editor) {
  editorValues.ovenEditChanged = 0;
  editor.PostClose();
}

}  // namespace

int OnEditorCommand(DialogPort& editor, HostPort& /*host*/, int id, int /*code*/) {
  switch (id) {
    case IDM_FILE_EXIT: OnExit(editor); break;
    default: break;
  }
  return 0;
}
