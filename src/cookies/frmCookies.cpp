#include "cookies/frmCookies.h"

#include <algorithm>

#include "cookies/KeepList.h"
#include "cookies/ListBoxes.h"
#include "cookies/frmCookiesIds.h"
#include "files/FileSystem.h"
#include "platform/AppError.h"
#include "platform/UiServices.h"

namespace {

constexpr const char* kIndexFile = "index.dat";

}  // namespace

frmCookies::frmCookies() : Dialog(IDD_FRMCOOKIES) {}

void frmCookies::OnInit() {
    Guarded("The cookies on this computer could not be listed.", [&] { LoadSystemCookies(); });
    Guarded("The cookies to keep could not be read.", [&] { LoadKeepList(); });
    Ui().SetMousePointer(MousePointer::Default);
}

void frmCookies::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
        case IDC_COOKIES_CMDADD:
            return cmdAdd_Click();
        case IDC_COOKIES_CMDREMOVE:
            return cmdRemove_Click();
        case IDC_COOKIES_CMDVIEW:
            if (Selected(IDC_COOKIES_LSTSYSTEM) >= 0) {
                ViewCookie(systemNames_[static_cast<std::size_t>(Selected(IDC_COOKIES_LSTSYSTEM))]);
            }
            return;
        case IDC_COOKIES_CMDVIEWKEEPCOOKIE:
            if (Selected(IDC_COOKIES_LSTKEEP) >= 0) {
                ViewCookie(keep_[static_cast<std::size_t>(Selected(IDC_COOKIES_LSTKEEP))]);
            }
            return;
        case IDC_COOKIES_CMDAPPLY:
            return cmdApply_Click();
        case IDC_COOKIES_CMDOK:
            return cmdOk_Click();
        case IDC_COOKIES_CMDCANCEL:
        case IDCANCEL:
            return Unload();
        default:
            return;
    }
}

void frmCookies::LoadSystemCookies() {
    systemCookies_.clear();
    systemNames_.clear();
    FillList(IDC_COOKIES_LSTSYSTEM, systemNames_);
    if (netscape_) {
        LoadNSCookies();
    } else {
        LoadIECookies();
    }
    FillList(IDC_COOKIES_LSTSYSTEM, systemNames_);
    if (systemNames_.empty()) return;
    SendDlgItemMessageA(Handle(), IDC_COOKIES_LSTSYSTEM, LB_SETCURSEL, 0, 0);
    Enable(IDC_COOKIES_CMDADD, true);
    Enable(IDC_COOKIES_CMDVIEW, true);
}

void frmCookies::LoadNSCookies() {
    const std::string path = cookieDirectory_ + "\\cookies.txt";
    if (cookieDirectory_.empty() || !FileExists(path)) return;
    TextStream stream = OpenTextFile(path, IOMode::ForReading);
    const std::string text = stream.ReadAll();
    stream.Close();
    CookieListing listing = ListCookies(text);
    systemCookies_ = std::move(listing.cookies);
    for (const SystemCookie& cookie : systemCookies_) systemNames_.push_back(cookie.name);
    if (listing.linesWithoutTab > 0) {
        Tell("The cookie file " + path + " holds " + std::to_string(listing.linesWithoutTab) +
             " line(s) that are not cookies. They are not listed, and cookie cleaning leaves the "
             "file unchanged while they are in it.");
    }
}

void frmCookies::LoadIECookies() {
    if (cookieDirectory_.empty() || !FolderExists(cookieDirectory_)) {
        Tell("The cookie folder \"" + cookieDirectory_ +
             "\" does not exist, so no cookies are listed. The cookies to keep can still be "
             "edited.");
        return;
    }
    for (const File& file : GetFolder(cookieDirectory_).Files()) {
        std::string name = file.Name();
        if (name != kIndexFile) systemNames_.push_back(std::move(name));
    }
}

void frmCookies::LoadKeepList() {
    keep_.clear();  // a failed read leaves the list empty, never the last opening's list
    FillList(IDC_COOKIES_LSTKEEP, keep_);
    keep_ = ReadKeepList(*registry_, netscape_ ? kTrue : kFalse);
    FillList(IDC_COOKIES_LSTKEEP, keep_);
    if (keep_.empty()) return;
    SendDlgItemMessageA(Handle(), IDC_COOKIES_LSTKEEP, LB_SETCURSEL, 0, 0);
    Enable(IDC_COOKIES_CMDREMOVE, true);
    Enable(IDC_COOKIES_CMDVIEWKEEPCOOKIE, true);
}

void frmCookies::cmdAdd_Click() {
    int selected = Selected(IDC_COOKIES_LSTSYSTEM);
    if (selected < 0) return;
    const std::string& name = systemNames_[static_cast<std::size_t>(selected)];
    if (std::find(keep_.begin(), keep_.end(), name) != keep_.end()) return;
    keep_.push_back(name);
    SendDlgItemMessageA(Handle(), IDC_COOKIES_LSTKEEP, LB_ADDSTRING, 0,
                        reinterpret_cast<LPARAM>(name.c_str()));
    FitHorizontalExtent(Item(IDC_COOKIES_LSTKEEP));
    SendDlgItemMessageA(Handle(), IDC_COOKIES_LSTKEEP, LB_SETCURSEL, 0, 0);
    Enable(IDC_COOKIES_CMDREMOVE, true);
    Enable(IDC_COOKIES_CMDVIEWKEEPCOOKIE, true);
    Enable(IDC_COOKIES_CMDAPPLY, true);
}

void frmCookies::cmdRemove_Click() {
    int selected = Selected(IDC_COOKIES_LSTKEEP);
    if (selected < 0) return;
    keep_.erase(keep_.begin() + selected);
    SendDlgItemMessageA(Handle(), IDC_COOKIES_LSTKEEP, LB_DELETESTRING,
                        static_cast<WPARAM>(selected), 0);
    if (keep_.empty()) {
        // The focus leaves the buttons that go grey, so that the keyboard still works.
        SetFocus(Item(IDC_COOKIES_LSTKEEP));
        Enable(IDC_COOKIES_CMDREMOVE, false);
        Enable(IDC_COOKIES_CMDVIEWKEEPCOOKIE, false);
    } else {
        SendDlgItemMessageA(Handle(), IDC_COOKIES_LSTKEEP, LB_SETCURSEL, 0, 0);
    }
    Enable(IDC_COOKIES_CMDAPPLY, true);
}

void frmCookies::cmdApply_Click() {
    if (!Guarded("The cookies to keep could not be saved.", [&] { SaveKeepList(); })) return;
    SetFocus(Item(IDC_COOKIES_CMDOK));
    Enable(IDC_COOKIES_CMDAPPLY, false);
}

void frmCookies::cmdOk_Click() {
    // A failed save keeps the window open with its changes, so that nothing is lost unseen.
    if (Enabled(IDC_COOKIES_CMDAPPLY) &&
        !Guarded("The cookies to keep could not be saved.", [&] { SaveKeepList(); })) {
        return;
    }
    Unload();
}

void frmCookies::SaveKeepList() { ::SaveKeepList(*registry_, netscape_ ? kTrue : kFalse, keep_); }

void frmCookies::ViewCookie(const std::string& name) {
    std::string details;
    if (netscape_) {
        auto row = std::find_if(systemCookies_.begin(), systemCookies_.end(),
                                [&](const SystemCookie& cookie) { return cookie.name == name; });
        if (row == systemCookies_.end()) return;  // a kept cookie no longer on the machine
        details = FormatCookieDetails(row->line);
    } else {
        try {
            details = IECookieDetails(name);
        } catch (const AppError& failure) {
            if (failure.Number() != err::kFileNotFound) throw;
            Tell("The cookie \"" + name + "\" is no longer on this computer.");
            return;
        }
    }
    viewer_.SetCookieDetails(details);
    viewer_.ShowModal(Handle());
}

std::string frmCookies::IECookieDetails(const std::string& name) const {
    TextStream stream = OpenTextFile(cookieDirectory_ + "\\" + name, IOMode::ForReading);
    std::string details;
    while (!stream.AtEndOfStream()) details += stream.ReadLine() + "\r\n";
    stream.Close();
    return details;
}

void frmCookies::FillList(int id, const std::vector<std::string>& names) {
    FillListBox(Item(id), names);
}

int frmCookies::Selected(int id) const {
    return static_cast<int>(SendDlgItemMessageA(Handle(), id, LB_GETCURSEL, 0, 0));
}

void frmCookies::Enable(int id, bool enabled) { EnableWindow(Item(id), enabled); }

bool frmCookies::Enabled(int id) const { return IsWindowEnabled(Item(id)) != FALSE; }
