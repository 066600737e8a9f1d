// A fresh editor session for each test (every record zeroed, then the default method) and
// a fake editor window and host to run the editor's operations on.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <cstddef>

#include "editor/editor_session.h"
#include "editor/editor_window.h"
#include "fakes/fake_dialog.h"
#include "fakes/fake_host.h"
#include "method/inlet_method.h"

// Rows 1..n of a ramp in use, the rest not.
template <class Step, std::size_t N>
void UseRows(std::array<Step, N>& steps, int n) {
  for (std::size_t k = 0; k < N; ++k) steps[k].enabled = static_cast<int>(k) < n ? 1 : 0;
}

class EditorTest : public testing::Test {
 protected:
  void SetUp() override { SetMethodDefaults(session.method); }
  EditorSession session{};
  FakeDialog editor;
  FakeHost host;
};
