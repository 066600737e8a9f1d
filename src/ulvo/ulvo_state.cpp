// The ULVO channel dialog's shared values and the ramp they select.
#include "ulvo/ulvo_state.h"

UlvoDialogValues ulvoValues;

namespace {
int32_t HeldToPair(int32_t index) { return index == 1 ? 1 : 0; }
}  // namespace

UlvoChannel& EditedUlvoChannel() { return inletMethod.ulvo[HeldToPair(editorValues.ulvoChannel)]; }

UlvoRamp& EditedUlvoRamp() { return EditedUlvoChannel().ramp[HeldToPair(ulvoValues.ulvoRamp)]; }

int32_t EditedUlvoMode() { return HeldToPair(ulvoValues.ulvoRamp) + 1; }

int32_t UlvoStepsInUse() {
  const int32_t n = editorValues.ulvoStepsInUse;
  return n < 1 ? 1 : n > 5 ? 5 : n;
}
