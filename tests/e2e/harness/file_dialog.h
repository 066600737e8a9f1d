// Answering the common Open and Save As dialogs the way a user does: type a name into
// the file-name field and press OK.
#pragma once

#include <windows.h>

#include <string>

#include "harness/dialog_answerer.h"

namespace e2e {

// The file-name field: cmb13 in the explorer-style dialog (Wine's is a ComboBoxEx whose
// window text is the edit's), edt1 in the old style. The dialog is not yet visible when
// it activates, so the id alone decides.
HWND FileNameField(HWND dialog);

// Queues an answer for the next file dialog: `typed` into its file-name field, then OK.
// When `initial` is given it receives what the field held as the dialog opened.
void AnswerFileDialog(DialogAnswerer& answerer, std::string typed, std::string* initial = nullptr);

}  // namespace e2e
