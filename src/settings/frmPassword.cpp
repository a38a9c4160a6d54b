#include "settings/frmPassword.h"

#include "platform/UiServices.h"
#include "settings/Password.h"
#include "settings/cRegistry.h"
#include "settings/frmPasswordIds.h"

void SelectAllAndFocus(HWND textBox) {
    SendMessageA(textBox, EM_SETSEL, 0, GetWindowTextLengthA(textBox));
    SetFocus(textBox);
}

void MaskWithStars(HWND textBox) { SendMessageA(textBox, EM_SETPASSWORDCHAR, '*', 0); }

frmPassword::frmPassword() : Dialog(IDD_FRMPASSWORD) {}

void frmPassword::OnInit() {
    MaskWithStars(Item(IDC_TXTPASSWORD1));
    MaskWithStars(Item(IDC_TXTPASSWORD2));
    SetForegroundWindow(Handle());
}

void frmPassword::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IDC_PASSWORD_CMDOK) cmdOk_Click();
    if (id == IDC_PASSWORD_CMDCANCEL) Unload();
}

void frmPassword::cmdOk_Click() {
    std::string first = ItemText(IDC_TXTPASSWORD1);
    if (first.empty()) {
        Ui().ShowMessage("No Password Entered.", MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (ItemText(IDC_TXTPASSWORD2) != first) {
        Ui().ShowMessage("Passwords do not match.", MB_OK | MB_ICONEXCLAMATION);
        SelectAllAndFocus(Item(IDC_TXTPASSWORD1));
        return;
    }
    cRegistry registry;
    SavePassword(registry, first);
    Unload();
}
