#include "settings/frmLogon.h"

#include "platform/UiServices.h"
#include "settings/Password.h"
#include "settings/cRegistry.h"
#include "settings/frmLogonIds.h"
#include "settings/frmPassword.h"

frmLogon::frmLogon() : Dialog(IDD_FRMLOGON) {}

void frmLogon::OnInit() {
    MaskWithStars(Item(IDC_TXTPASSWORD));
    // At start-up no other window of the program is shown yet: come to the front.
    SetForegroundWindow(Handle());
}

void frmLogon::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IDC_LOGON_CMDOK) cmdOk_Click();
    if (id == IDC_LOGON_CMDCANCEL) cmdCancel_Click();
}

void frmLogon::OnClose() {
    success_ = false;
    Unload();
}

void frmLogon::cmdOk_Click() {
    std::string typed = ItemText(IDC_TXTPASSWORD);
    if (typed.empty()) {
        Ui().ShowMessage("No Password Entered.", MB_OK | MB_ICONEXCLAMATION);
        SetFocus(Item(IDC_TXTPASSWORD));
        return;
    }
    cRegistry registry;
    if (CheckPassword(registry, typed) != kFalse) {
        success_ = true;
        Unload();
        return;
    }
    Ui().ShowMessage("Incorrect Password.", MB_OK | MB_ICONSTOP);
    SelectAllAndFocus(Item(IDC_TXTPASSWORD));
}

void frmLogon::cmdCancel_Click() {
    success_ = false;
    Unload();
}
