// The option boxes of the main window, the profile list and the buttons beside the boxes.
#include "app/OptionBoxes.h"
#include "app/frmMain.h"
#include "app/frmMainIds.h"
#include "browser/NetscapeProfiles.h"
#include "cookies/KeepList.h"
#include "platform/UiServices.h"
#include "settings/Password.h"
#include "settings/SettingsStore.h"

void ShowSettings(cSettings& settings, frmMain& window, cRegistry& registry) {
    for (const OptionBox& box : kOptionBoxes) {
        window.SetOptionBox(box.id, BoolToCheck((settings.*box.get)()));
    }
    ShowProfileSetting(settings, window.ProfileList(), registry);
}

// A box set by policy shows the policy's state (ShowSettings) and cannot be changed.
void frmMain::LockPolicyBoxes() {
    for (const OptionBox& box : kOptionBoxes) {
        if (policies_.Governing(PolicyTarget::Option, box.setting))
            EnableWindow(Item(box.id), FALSE);
    }
    LockPolicyPartBoxes();
}

HWND frmMain::ProfileList() const { return Item(IDC_CBOPROFILE); }

void frmMain::SetOptionBox(int id, int state) {
    CheckDlgButton(Handle(), id, static_cast<UINT>(state));
    OptionBox_Click(id);
}

// The click handling of every option box: the companion button follows the box (also while
// loading); otherwise the state is stored at once and mirrored in the settings object.
void frmMain::OptionBox_Click(int id) {
    const OptionBox* box = FindOptionBox(id);
    if (box == nullptr) return;
    auto state = static_cast<std::int16_t>(IsDlgButtonChecked(Handle(), id));
    if (box->companion != 0) EnableWindow(Item(box->companion), state != 0);
    // A box set by policy stores nothing: the user's own choice returns with the policy's end.
    if (loading_ || policies_.Governing(PolicyTarget::Option, box->setting)) return;
    SaveFlagSetting(*registry_, box->setting, state);
    ((*settings_).*(box->set))(CheckToBool(state));
    if (id == IDC_CHKPASSWORD && state == 0) ClearPassword(*registry_);
}

void frmMain::cboProfile_Click() {
    if (loading_) return;
    std::string text = ItemText(IDC_CBOPROFILE);
    SaveStringSetting(*registry_, "DefaultNSProfile", text);
    settings_->SetDefaultNSProfile(text);
}

void frmMain::cmdCookies_Click() {
    Ui().SetMousePointer(MousePointer::Hourglass);
    try {
        cookies_.SetNSBrowser(settings_->DefaultBrowser() == "NS" ? kTrue : kFalse);
        cookies_.SetCookieDirectory(GetCookieFolder(*registry_, *settings_));
        cookies_.SetRegObject(*registry_);
    } catch (...) {
        Ui().SetMousePointer(MousePointer::Default);
        throw;  // told to the user at the window's boundary
    }
    cookies_.ShowModal(Handle());
}

void frmMain::cmdPassword_Click() { password_.ShowModal(Handle()); }

void frmMain::cmdReport_Click() { reports_.ShowModal(Handle()); }

void DisableInternetItems(frmMain& window, cSettings& settings) {
    for (int id : {IDC_CHKINTERNETHISTORY, IDC_CHKTEMPINTERNET, IDC_CHKCOOKIES, IDC_CMDCOOKIES,
                   IDC_CHKURLHISTORY}) {
        EnableWindow(GetDlgItem(window.Handle(), id), FALSE);
    }
    settings.SetInternetHistory(kFalse);
    settings.SetTempInternet(kFalse);
    settings.SetInternetCookies(kFalse);
    settings.SetInternetURLHistory(kFalse);
}
