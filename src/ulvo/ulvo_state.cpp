// The channel, ramp and mode the ULVO channel dialog edits.
#include "ulvo/ulvo_state.h"

#include <algorithm>

#include "editor/editor_session.h"

namespace {
// A channel index set by nobody in range reads as the left channel.
int32_t HeldToPair(int32_t index) { return index == 1 ? 1 : 0; }
// The pressure ramp in Pressure mode, else the flow ramp.
int32_t RampOfMode(int32_t mode) { return mode == kUlvoPressure ? 1 : 0; }

// One lookup for a session read and a session written.
template <class Session>
auto& ChannelOf(Session& session) {
  return session.method.ulvo[HeldToPair(session.values.ulvoChannel)];
}
template <class Session>
auto& RampOf(Session& session) {
  auto& channel = ChannelOf(session);
  return channel.ramp[RampOfMode(channel.mode)];
}
}  // namespace

UlvoChannel& EditedUlvoChannel(EditorSession& session) { return ChannelOf(session); }

UlvoRamp& EditedUlvoRamp(EditorSession& session) { return RampOf(session); }

const UlvoRamp& EditedUlvoRamp(const EditorSession& session) { return RampOf(session); }

int32_t EditedUlvoMode(const EditorSession& session) {
  return RampOfMode(ChannelOf(session).mode) + 1;
}

int32_t UlvoStepsInUse(const EditorSession& session) {
  return std::max(1, RowsInUse(EditedUlvoRamp(session).step));
}
