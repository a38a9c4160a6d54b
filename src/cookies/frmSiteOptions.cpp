#include "cookies/frmSiteOptions.h"

#include <algorithm>

#include "browser/OtherBrowsers.h"
#include "chromium/SiteKeepList.h"
#include "cookies/BrowserSites.h"
#include "cookies/ListBoxes.h"
#include "cookies/frmSiteOptionsIds.h"
#include "platform/UiServices.h"
#include "settings/BrowserSettings.h"

frmSiteOptions::frmSiteOptions() : Dialog(IDD_FRMSITEOPTIONS) {}

void frmSiteOptions::OnInit() {
    Guarded("The sites with cookies could not be listed.", [&] { LoadSystemSites(); });
    Guarded("The sites to keep could not be read.", [&] { LoadKeepList(); });
    ShowPolicyLock();
    Ui().SetMousePointer(MousePointer::Default);
}

void frmSiteOptions::OnCommand(int id, int code) {
    if (id == IDC_SITES_TXTSITE && code == EN_CHANGE) return txtSite_Change();
    if (code != BN_CLICKED) return;
    switch (id) {
        case IDC_SITES_CMDADD:
            return cmdAdd_Click();
        case IDC_SITES_CMDREMOVE:
            return cmdRemove_Click();
        case IDC_SITES_CMDAPPLY:
            return cmdApply_Click();
        case IDC_SITES_CMDOK:
            return cmdOk_Click();
        case IDC_SITES_CMDCANCEL:
        case IDCANCEL:
            return Unload();
        default:
            return;
    }
}

void frmSiteOptions::LoadSystemSites() {
    systemSites_.clear();
    FillListBox(Item(IDC_SITES_LSTSYSTEM), systemSites_);
    BrowserSites sites = ReadBrowserSites(FindBrowserProfiles(*registry_));
    systemSites_ = std::move(sites.hosts);
    FillListBox(Item(IDC_SITES_LSTSYSTEM), systemSites_);
    SetItemText(IDC_SITES_LBLRUNNING, CloseBrowsersText(sites.running));
    if (!systemSites_.empty()) {
        SendDlgItemMessageA(Handle(), IDC_SITES_LSTSYSTEM, LB_SETCURSEL, 0, 0);
        Enable(IDC_SITES_CMDADD, true);
    }
    if (sites.failures.empty()) return;
    std::string text = "The sites of these profiles could not be listed:";
    for (const std::string& failure : sites.failures) text += "\r\n" + failure;
    Tell(text);
}

void frmSiteOptions::LoadKeepList() {
    keep_.clear();  // a failed read leaves the list empty, never the last opening's list
    FillListBox(Item(IDC_SITES_LSTKEEP), keep_);
    keep_ = policySites_ ? *policySites_ : LoadSites(*registry_);
    FillListBox(Item(IDC_SITES_LSTKEEP), keep_);
    if (keep_.empty()) return;
    SendDlgItemMessageA(Handle(), IDC_SITES_LSTKEEP, LB_SETCURSEL, 0, 0);
    Enable(IDC_SITES_CMDREMOVE, !policySites_);
}

void frmSiteOptions::ShowPolicyLock() {
    SetItemText(IDC_SITES_LBLPOLICY,
                policySites_ ? "Sites to keep are set by your organization." : "");
    if (!policySites_) return;
    for (int id : {IDC_SITES_TXTSITE, IDC_SITES_LBLTYPE, IDC_SITES_CMDADD, IDC_SITES_CMDREMOVE,
                   IDC_SITES_CMDAPPLY}) {
        Enable(id, false);
    }
}

std::string frmSiteOptions::TypedSite() const {
    std::string text = ItemText(IDC_SITES_TXTSITE);
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    text.erase(text.begin(), std::find_if_not(text.begin(), text.end(), blank));
    text.erase(std::find_if_not(text.rbegin(), text.rend(), blank).base(), text.end());
    return chromium::NormalizedHost(text);
}

void frmSiteOptions::txtSite_Change() {
    const bool canAdd = !systemSites_.empty() || !TypedSite().empty();
    // The focus leaves a button that goes grey, so that the keyboard still works.
    if (!canAdd && GetFocus() == Item(IDC_SITES_CMDADD)) SetFocus(Item(IDC_SITES_TXTSITE));
    Enable(IDC_SITES_CMDADD, canAdd);
}

// Adds the typed site when there is one, else the selected site with cookies.
void frmSiteOptions::cmdAdd_Click() {
    const std::string typed = TypedSite();
    if (!typed.empty()) {
        AddToKeep(typed);
        SetItemText(IDC_SITES_TXTSITE, "");
        return;
    }
    int selected = Selected(IDC_SITES_LSTSYSTEM);
    if (selected >= 0) AddToKeep(systemSites_[static_cast<std::size_t>(selected)]);
}

void frmSiteOptions::AddToKeep(const std::string& site) {
    if (std::find(keep_.begin(), keep_.end(), site) != keep_.end()) return;
    keep_.push_back(site);
    HWND list = Item(IDC_SITES_LSTKEEP);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(site.c_str()));
    FitHorizontalExtent(list);
    SendMessageA(list, LB_SETCURSEL, keep_.size() - 1, 0);
    Enable(IDC_SITES_CMDREMOVE, true);
    Enable(IDC_SITES_CMDAPPLY, true);
}

void frmSiteOptions::cmdRemove_Click() {
    int selected = Selected(IDC_SITES_LSTKEEP);
    if (selected < 0) return;
    keep_.erase(keep_.begin() + selected);
    SendDlgItemMessageA(Handle(), IDC_SITES_LSTKEEP, LB_DELETESTRING, static_cast<WPARAM>(selected),
                        0);
    if (keep_.empty()) {
        // The focus leaves the button that goes grey, so that the keyboard still works.
        SetFocus(Item(IDC_SITES_LSTKEEP));
        Enable(IDC_SITES_CMDREMOVE, false);
    } else {
        SendDlgItemMessageA(Handle(), IDC_SITES_LSTKEEP, LB_SETCURSEL, 0, 0);
    }
    Enable(IDC_SITES_CMDAPPLY, true);
}

void frmSiteOptions::cmdApply_Click() {
    if (!Guarded("The sites to keep could not be saved.", [&] { SaveKeepList(); })) return;
    SetFocus(Item(IDC_SITES_CMDOK));
    Enable(IDC_SITES_CMDAPPLY, false);
}

void frmSiteOptions::cmdOk_Click() {
    // Enter in the site box adds the typed site rather than closing the window.
    if (GetFocus() == Item(IDC_SITES_TXTSITE) && !TypedSite().empty()) return cmdAdd_Click();
    // A failed save keeps the window open with its changes, so that nothing is lost unseen.
    if (Enabled(IDC_SITES_CMDAPPLY) &&
        !Guarded("The sites to keep could not be saved.", [&] { SaveKeepList(); })) {
        return;
    }
    Unload();
}

void frmSiteOptions::SaveKeepList() {
    if (!policySites_) SaveSites(*registry_, keep_);
}

int frmSiteOptions::Selected(int id) const {
    return static_cast<int>(SendDlgItemMessageA(Handle(), id, LB_GETCURSEL, 0, 0));
}

void frmSiteOptions::Enable(int id, bool enabled) { EnableWindow(Item(id), enabled); }

bool frmSiteOptions::Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
