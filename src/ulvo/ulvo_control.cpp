// Opening, commanding and closing the ULVO channel dialog.
#include "ulvo/ulvo_control.h"

#include "editor/window_position.h"
#include "resource_ids.h"
#include "ulvo/ulvo_graph.h"
#include "ulvo/ulvo_form.h"
#include "ulvo/ulvo_validation.h"

namespace {

void OnOk(EditorSession& session, DialogPort& dialog, HostPort& host) {
  session.channel.ulvoEditChanged = false;
  if (!ValidateUlvoForm(session, dialog, host)) return;
  dialog.Invalidate();
  dialog.EndDialog(1);
}

// Ending the dialog takes the focus from its field; a pending edit must not then be
// checked and stored into the method just restored.
void OnCancel(EditorSession& session, DialogPort& dialog) {
  session.channel.ulvoEditChanged = false;
  session.method = session.channel.ulvoSavedMethod;
  dialog.EndDialog(0);
}

void OnStepCheck(EditorSession& session, DialogPort& dialog, HostPort& host, int id) {
  ApplyUlvoStepCheck(session, dialog, host, id);
  FitUlvoAxes(session);
  dialog.Invalidate();
}

// The validation does not clear the pending edit: the graph's next paint does.
void OnRampField(EditorSession& session, DialogPort& dialog, HostPort& host, EditNotice notice) {
  if (notice == EditNotice::kChanged) {
    session.channel.ulvoEditChanged = true;
  } else if (notice == EditNotice::kLeft && session.channel.ulvoEditChanged) {
    if (ValidateUlvoForm(session, dialog, host)) dialog.Invalidate();
  }
}

}  // namespace

void InitUlvoControl(EditorSession& session, DialogPort& dialog, HostPort& host) {
  ChannelSession& channel = session.channel;
  channel.ulvoSavedMethod = session.method;
  RestoreWindowPosition(dialog, host, kUlvoPosSection, kUlvoPosKey);
  ShowUlvoChannel(session, dialog, host);
  EnableUlvoStepFields(session, dialog, host);
  FitUlvoAxes(session);
  ResetGraphMouse(channel.graph);
}

void OnUlvoCommand(EditorSession& session, DialogPort& dialog, HostPort& host, int id,
                   EditNotice notice) {
  if (OnAxisButton(kUlvoGraph, session, dialog, id)) return;
  switch (id) {
    case CMD_ENTER: OnOk(session, dialog, host); break;
    case CMD_ESCAPE: OnCancel(session, dialog); break;
    default:
      if (IsRowCheck(kUlvoForm, id)) OnStepCheck(session, dialog, host, id);
      if (IsRowField(kUlvoForm, id)) OnRampField(session, dialog, host, notice);
      break;
  }
}

void CloseUlvoControl(EditorSession& session, DialogPort& dialog, HostPort& host) {
  session.channel.ulvoEditChanged = false;
  ValidateUlvoForm(session, dialog, host);
}

void DestroyUlvoControl(DialogPort& dialog, HostPort& host) {
  StoreWindowPosition(dialog, host, kUlvoPosSection, kUlvoPosKey);
}
