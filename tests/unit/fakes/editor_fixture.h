// A fresh process state for each test (every record zeroed, then the default method) and a
// fake editor window and host to run the editor's operations on.
#pragma once

#include <gtest/gtest.h>

#include "editor/editor_window.h"
#include "fakes/fake_dialog.h"
#include "fakes/fake_host.h"
#include "method/inlet_method.h"

class EditorTest : public testing::Test {
 protected:
  void SetUp() override {
    ResetEditorState();
    SetMethodDefaults();
  }
  FakeDialog editor;
  FakeHost host;
};
