// The set-password window: stores a new program password typed twice. It neither changes the
// PasswordProtected option nor asks for the old password.
#pragma once

#include <windows.h>

#include "platform/Dialog.h"

class frmPassword : public Dialog {
  public:
    frmPassword();

  protected:
    void OnInit() override;
    void OnCommand(int id, int code) override;

  private:
    void cmdOk_Click();
};

// Selects the whole text of a text box and gives it the input focus.
void SelectAllAndFocus(HWND textBox);

// Masks a password box with "*".
void MaskWithStars(HWND textBox);
