// The channel, ramp and mode the ULVO channel dialog edits.
#include "ulvo/ulvo_state.h"

#include <algorithm>

#include "editor/editor_session.h"

namespace {
// A channel index set by nobody in range reads as the left channel.
int32_t HeldToPair(int32_t index) { return index == 1 ? 1 : 0; }
// The pressure ramp in Pressure mode, else the flow ramp.
int32_t RampOfMode(int32_t mode) { return mode == kUlvoPressure ? 1 : 0; }

const UlvoChannel& ChannelOf(const EditorSession& session) {
  return session.method.ulvo[HeldToPair(session.values.ulvoChannel)];
}
}  // namespace

UlvoChannel& EditedUlvoChannel(EditorSession& session) {
  return session.method.ulvo[HeldToPair(session.values.ulvoChannel)];
}

UlvoRamp& EditedUlvoRamp(EditorSession& session) {
  UlvoChannel& channel = EditedUlvoChannel(session);
  return channel.ramp[RampOfMode(channel.mode)];
}

const UlvoRamp& EditedUlvoRamp(const EditorSession& session) {
  const UlvoChannel& channel = ChannelOf(session);
  return channel.ramp[RampOfMode(channel.mode)];
}

int32_t EditedUlvoMode(const EditorSession& session) {
  return RampOfMode(ChannelOf(session).mode) + 1;
}

int32_t UlvoStepsInUse(const EditorSession& session) {
  return std::max(1, RowsInUse(EditedUlvoRamp(session).step));
}
