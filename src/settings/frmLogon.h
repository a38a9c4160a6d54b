// The logon window: asks for the program password. `Success` starts False when the object is
// created, becomes True after a correct password and False on Cancel or the close box;
// showing the window again does not reset it. Attempts are not limited.
#pragma once

#include "platform/Dialog.h"

class frmLogon : public Dialog {
  public:
    frmLogon();

    bool Success() const { return success_; }

  protected:
    void OnInit() override;
    void OnCommand(int id, int code) override;
    void OnClose() override;  // the close box or the control menu

  private:
    void cmdOk_Click();
    void cmdCancel_Click();

    bool success_ = false;
};
