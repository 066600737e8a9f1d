#include "harness/file_dialog.h"

namespace e2e {

HWND FileNameField(HWND dialog) {
  HWND field = GetDlgItem(dialog, 0x47C);
  return field ? field : GetDlgItem(dialog, 0x480);
}

void AnswerFileDialog(DialogAnswerer& answerer, std::string typed, std::string* initial) {
  answerer.Then([typed, initial](HWND dialog) {
    HWND field = FileNameField(dialog);
    if (initial) {
      char text[MAX_PATH] = "";
      if (field) GetWindowTextA(field, text, sizeof text);
      *initial = text;
    }
    SetWindowTextA(field, typed.c_str());
    DialogAnswerer::Click(dialog, IDOK);
    // Should OK be refused (a box the test did not expect, which the answerer cancels),
    // this ends the dialog instead of leaving it open for ever; after an accepted OK
    // the dialog is gone and the click is dropped.
    DialogAnswerer::Click(dialog, IDCANCEL);
  });
}

}  // namespace e2e
