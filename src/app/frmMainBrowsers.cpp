// The "Other Browsers" page: the profiles of the Chromium-family browsers and Firefox found on
// this machine with their ticks, the four parts to clean, and the site keep-list window. Every
// tick is stored at once, as the option boxes of the other pages are.
#include <array>

#include "app/ListViews.h"
#include "app/frmMain.h"
#include "app/frmMainIds.h"
#include "platform/UiServices.h"
#include "settings/BrowserSettings.h"
#include "settings/RegistryPaths.h"

namespace {

// The part boxes in the order of BrowserParts and regpath::kBrowserPartValues.
constexpr std::array<int, 4> kPartBoxes{IDC_CHKBROWSERHISTORY, IDC_CHKBROWSERCOOKIES,
                                        IDC_CHKBROWSERCACHE, IDC_CHKBROWSERSESSIONS};

constexpr int kUnchecked = 1;  // the state images of a check-box list
constexpr int kChecked = 2;

void AddRow(HWND list, int row, const std::string& browser, const std::string& profile) {
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(browser.c_str());
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    item.iSubItem = 1;
    item.pszText = const_cast<char*>(profile.c_str());
    SendMessageA(list, LVM_SETITEMTEXTA, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void SetRowTick(HWND list, int row, bool ticked) {
    LVITEMA item{};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(ticked ? kChecked : kUnchecked);
    SendMessageA(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

HWND frmMain::BrowserList() const { return Item(IDC_LVWBROWSERS); }

// Two columns sharing the list's width: the browser's name and the profile's.
void frmMain::SetUpBrowserList() {
    HWND list = BrowserList();
    SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT,
                 LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    RECT client;
    GetClientRect(list, &client);
    AddColumn(list, 0, "Browser", client.right * 9 / 20);
    AddColumn(list, 1, "Profile", client.right - client.right * 9 / 20);
}

// Lists the profiles found with their stored ticks and shows the stored parts; with no
// browser found the list holds only a line saying so, without a check box.
void frmMain::ShowOtherBrowsers() {
    // The ticks shown here are the stored ones: setting them stores nothing.
    struct Loading {
        bool& flag;
        bool was;
        ~Loading() { flag = was; }
    } loading{loading_, loading_};
    loading_ = true;
    HWND list = BrowserList();
    SendMessageA(list, LVM_DELETEALLITEMS, 0, 0);
    browserProfiles_ = FindBrowserProfiles(*registry_);
    const std::set<std::string> ticked = LoadTickedProfiles(*registry_);
    const bool all = AllProfilesByPolicy(policies_);
    if (browserProfiles_.empty()) {
        SendMessageA(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_CHECKBOXES, 0);
        AddRow(list, 0, "No other browser found", "");
    }
    for (int row = 0; row < static_cast<int>(browserProfiles_.size()); ++row) {
        const FoundProfile& found = browserProfiles_[static_cast<std::size_t>(row)];
        AddRow(list, row, found.browser->name, found.profile.name);
        SetRowTick(list, row,
                   all || ticked.count(
                              ProfileSettingName(found.browser->code, found.profile.folder)) != 0);
    }
    // The first profile is the list's current row, so that the space bar ticks it as soon as
    // the list has the focus.
    LVITEMA first{};
    first.stateMask = LVIS_FOCUSED;
    first.state = browserProfiles_.empty() ? 0 : LVIS_FOCUSED;
    SendMessageA(list, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&first));
    // The profile column ends at the list's edge, or at its scroll bar once one is needed.
    SendMessageA(list, LVM_SETCOLUMNWIDTH, 1, MAKELPARAM(LVSCW_AUTOSIZE_USEHEADER, 0));
    const BrowserParts parts = EffectiveParts(LoadBrowserParts(*registry_), policies_);
    const bool on[] = {parts.history, parts.cookies, parts.cache, parts.sessions};
    for (std::size_t i = 0; i < kPartBoxes.size(); ++i) {
        CheckDlgButton(Handle(), kPartBoxes[i], on[i] ? BST_CHECKED : BST_UNCHECKED);
    }
}

void frmMain::LockPolicyPartBoxes() {
    for (std::size_t i = 0; i < kPartBoxes.size(); ++i) {
        if (policies_.Governing(PolicyTarget::BrowserPart, regpath::kBrowserPartValues[i])) {
            EnableWindow(Item(kPartBoxes[i]), FALSE);
        }
    }
}

void frmMain::BrowserPart_Click(int id) {
    for (std::size_t i = 0; i < kPartBoxes.size(); ++i) {
        if (kPartBoxes[i] != id ||
            policies_.Governing(PolicyTarget::BrowserPart, regpath::kBrowserPartValues[i])) {
            continue;
        }
        SaveBrowserPart(*registry_, regpath::kBrowserPartValues[i],
                        IsDlgButtonChecked(Handle(), id) != 0);
    }
}

// A row's check box changed: by the user (mouse or space bar) or by the program.
void frmMain::lvwBrowsers_ItemChanged(const NMLISTVIEW& change) {
    if (loading_ || (change.uChanged & LVIF_STATE) == 0) return;
    const UINT image = change.uNewState & LVIS_STATEIMAGEMASK;
    if (image == (change.uOldState & LVIS_STATEIMAGEMASK) || image == 0) return;
    if (change.iItem < 0 || change.iItem >= static_cast<int>(browserProfiles_.size())) return;
    const FoundProfile& found = browserProfiles_[static_cast<std::size_t>(change.iItem)];
    SaveProfileTick(*registry_, found.browser->code, found.profile.folder,
                    image == INDEXTOSTATEIMAGEMASK(kChecked));
}

// While a policy has every profile cleaned, a row's check box keeps its tick.
bool frmMain::lvwBrowsers_ItemChanging(const NMLISTVIEW& change) {
    if (loading_ || !AllProfilesByPolicy(policies_) || (change.uChanged & LVIF_STATE) == 0) {
        return false;
    }
    const UINT image = change.uNewState & LVIS_STATEIMAGEMASK;
    return image != 0 && image != (change.uOldState & LVIS_STATEIMAGEMASK);
}

void frmMain::cmdSites_Click() {
    Ui().SetMousePointer(MousePointer::Hourglass);
    sites_.SetRegObject(*registry_);
    sites_.SetPolicySites(policies_.Sites());
    sites_.ShowModal(Handle());
}
