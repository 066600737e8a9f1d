// The tests answer dialogs with the answerer the demo host uses (common/win32).
#pragma once

#include "win32/dialog_answerer.h"

namespace e2e {
using ::DialogAnswerer;
using ::SeenDialog;
}  // namespace e2e
