// A fresh process-wide method for each test (the defaults, editor values zeroed) and a
// fake editor window and host to run the editor's operations on.
#pragma once

#include <gtest/gtest.h>

#include "fakes/fake_dialog.h"
#include "fakes/fake_host.h"
#include "method/inlet_method.h"

class EditorTest : public testing::Test {
 protected:
  void SetUp() override {
    inletMethod = {};
    editorValues = {};
    SetMethodDefaults();
  }
  FakeDialog editor;
  FakeHost host;
};
