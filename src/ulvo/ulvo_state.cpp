// The ramp the ULVO channel dialog edits.
#include "ulvo/ulvo_state.h"

#include <algorithm>

#include "editor/editor_session.h"

namespace {
int32_t HeldToPair(int32_t index) { return index == 1 ? 1 : 0; }
}  // namespace

UlvoChannel& EditedUlvoChannel(EditorSession& session) {
  return session.method.ulvo[HeldToPair(session.values.ulvoChannel)];
}

UlvoRamp& EditedUlvoRamp(EditorSession& session) {
  return EditedUlvoChannel(session).ramp[HeldToPair(session.channel.ulvoRamp)];
}

const UlvoRamp& EditedUlvoRamp(const EditorSession& session) {
  return session.method.ulvo[HeldToPair(session.values.ulvoChannel)]
      .ramp[HeldToPair(session.channel.ulvoRamp)];
}

int32_t EditedUlvoMode(const EditorSession& session) {
  return HeldToPair(session.channel.ulvoRamp) + 1;
}

int32_t UlvoStepsInUse(const EditorSession& session) {
  return std::max(1, RowsInUse(EditedUlvoRamp(session).step));
}
