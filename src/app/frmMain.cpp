#include "app/frmMain.h"

#include "app/OptionBoxes.h"
#include "app/frmMainIds.h"
#include "app/frmPreview.h"
#include "app/frmProgress.h"
#include "browser/BrowserDetection.h"
#include "browser/NetscapeProfiles.h"
#include "clean/RunClean.h"
#include "clean/ShutdownCleaning.h"
#include "platform/UiServices.h"
#include "settings/Password.h"
#include "settings/ProgramState.h"
#include "settings/SettingsStore.h"
#include "version.h"

frmMain::frmMain() : Dialog(IDD_FRMMAIN) {}

frmMain::~frmMain() {
    if (trayMenu_ != nullptr) DestroyMenu(trayMenu_);
    if (pageBrush_ != nullptr) DeleteObject(pageBrush_);
    for (HICON icon : {bigIcon_, smallIcon_}) {
        if (icon != nullptr) DestroyIcon(icon);
    }
}

std::string frmMain::Title() {
    return "Brisvane - Ver " + std::to_string(BRISVANE_VERSION_MAJOR) + "." +
           std::to_string(BRISVANE_VERSION_MINOR);
}

void GuardStep(const std::function<void()>& step) {
    try {
        step();
    } catch (...) {
        // The load handler skips a failing step and goes on with the next.
    }
}

void frmMain::Start() {
    Load();
    // A failed logon ends the program at once: no closing step runs, no tray icon is added.
    if (logonFailed_) DestroyWindow(Handle());
}

void frmMain::OnInit() {
    SetUpControls();
    SetUpTray();
    Form_Load();
}

// The start-up registration joins this sequence in its place as it lands.
void frmMain::Form_Load() {
    GuardStep([&] { loading_ = true; });
    GuardStep([&] { SetWindowTextA(Handle(), Title().c_str()); });
    GuardStep([&] {
        settings_ = std::make_unique<cSettings>();
        registry_ = registryApi_ != nullptr ? std::make_unique<cRegistry>(*registryApi_)
                                            : std::make_unique<cRegistry>();
    });
    // The browser code first: the settings that depend on it are loaded after it.
    GuardStep([&] { DetectDefaultBrowser(*registry_, *settings_); });
    GuardStep([&] { LoadSettings(*settings_, *registry_); });
    GuardStep([&] { policies_ = ReadPolicies(registry_->Api()); });
    GuardStep([&] { ShowManagedPanel(); });
    GuardStep([&] { ShowBrowserControls(); });
    GuardStep([&] { browserCommand_ = GetBrowserCommand(*registry_); });
    GuardStep([&] { tabMain_Click(); });
    GuardStep([&] { ShowVersionInfo(); });
    GuardStep([&] { SetItemText(IDC_LBLBROWSER, DetectDefaultBrowser(*registry_, *settings_)); });
    GuardStep([&] {
        if (ItemText(IDC_LBLBROWSER) == "Unknown Browser") DisableInternetItems(*this, *settings_);
    });
    GuardStep([&] { ShowOtherBrowserLink(); });
    if (!StartLogon()) {
        logonFailed_ = true;
        return;
    }
    GuardStep([&] {
        if (settings_->DefaultBrowser() == "NS")
            ReadNetscapeProfiles(*registry_, ProfileList(), SharedProgressWindow());
    });
    GuardStep([&] {
        cSettings effective = Effective();
        ShowSettings(effective, *this, *registry_);
        // The Netscape profile that showing selected (the saved one, else the first listed) is
        // the user's own setting, which no policy governs.
        settings_->SetDefaultNSProfile(effective.DefaultNSProfile());
    });
    GuardStep([&] { LockPolicyBoxes(); });
    GuardStep([&] { SelectPage(0); });
    GuardStep([&] { loading_ = false; });
    GuardStep([&] {
        if (settings_->DefaultBrowser() != "NS") RegisterStartUp(*registry_);
    });
    GuardStep([&] { MatchShutdownToPolicy(); });
    if (Program().automaticMode) {
        GuardStep([&] { RunAutomaticClean(); });
    } else {
        GuardStep([&] { ShowWindow(Handle(), SW_SHOW); });
    }
    GuardStep([&] { tray_.Setintray(true); });
}

// The logon of an interactive start while protection is on; false when it failed.
bool frmMain::StartLogon() {
    bool passed = true;
    GuardStep([&] {
        if (Program().automaticMode || settings_->PasswordProtected() == kFalse) return;
        logon_.ShowModal(nullptr);
        passed = logon_.Success();
    });
    return passed;
}

void frmMain::RunAutomaticClean() {
    const cSettings effective = Effective();
    if (effective.CleanAtStartUp() != kFalse) {
        cmdClean_Click();
    } else if (effective.CleanAtShutDown() != kFalse) {
        RunClean(*registry_, *settings_, kTrue);
    }
    Program().automaticMode = false;
}

void frmMain::cmdClean_Click() {
    Ui().SetMousePointer(MousePointer::Hourglass);
    try {
        RunClean(*registry_, *settings_, kFalse);
    } catch (...) {
        Ui().SetMousePointer(MousePointer::Default);
        throw;
    }
    Ui().SetMousePointer(MousePointer::Default);
}

// A policy on cleaning at start-up or shut-down is in force from the start, as a tick of its box
// would be from the closing on: the shut-down cleaning is set up to match it now. The log-on
// Run value is written at every start already.
void frmMain::MatchShutdownToPolicy() {
    if (settings_->DefaultBrowser() == "NS") return;
    if (!policies_.Flag("CleanAtStartUp") && !policies_.Flag("CleanAtShutDown")) return;
    cSettings effective = Effective();
    InstallShutdownCleaning(effective, *registry_);
}

void frmMain::cmdPreview_Click() {
    Ui().SetMousePointer(MousePointer::Hourglass);
    Preview preview;
    try {
        frmProgress progress;
        preview = RunPreview(*registry_, *settings_, progress);
    } catch (...) {
        Ui().SetMousePointer(MousePointer::Default);
        throw;
    }
    Ui().SetMousePointer(MousePointer::Default);
    if (!preview.ran) return;
    frmPreview window(std::move(preview), UserNumberFormats());
    window.ShowModal(Handle());
    if (window.CleanNowChosen()) cmdClean_Click();
}

bool frmMain::RequestClose() {
    Form_QueryUnload();
    if (!Form_Unload()) return false;
    DestroyWindow(Handle());
    return true;
}

void frmMain::Form_QueryUnload() {
    if (settings_ == nullptr || registry_ == nullptr || settings_->DefaultBrowser() == "NS") return;
    try {
        cSettings effective = Effective();
        InstallShutdownCleaning(effective, *registry_);
    } catch (const std::exception& failure) {
        // The close goes on. Nobody is asked anything while Windows ends the session, and an
        // interactive close tells the user once.
        if (endingSession_ || installFailureTold_) return;
        installFailureTold_ = true;
        Ui().ShowMessage("The cleaning at shut-down could not be installed:\r\n" +
                             std::string(failure.what()) +
                             "\r\n\r\nWriting below the system folder needs administrative rights.",
                         MB_OK | MB_ICONEXCLAMATION);
    }
}

bool frmMain::Form_Unload() {
    if (settings_ != nullptr && settings_->PasswordProtected() != kFalse &&
        IsPasswordSet(*registry_) == kFalse) {
        Ui().ShowMessage(
            "No Password has been entered, please enter password\r\n"
            "or un-check Password Protected.",
            MB_OK | MB_ICONEXCLAMATION);
        SelectPage(2);
        return false;
    }
    settings_.reset();
    registry_.reset();
    return true;
}

void frmMain::OnDestroy() {
    tray_.Setintray(false);
    links_.Release();
    if (endsProgram_) PostQuitMessage(0);
}

void frmMain::OnCommand(int id, int code) {
    if (code == BN_CLICKED && FindOptionBox(id) != nullptr) {
        OptionBox_Click(id);
        return;
    }
    if (id == IDC_CBOPROFILE && code == CBN_SELCHANGE) cboProfile_Click();
    if (code == BN_CLICKED && id >= IDC_CHKBROWSERHISTORY && id <= IDC_CHKBROWSERSESSIONS)
        BrowserPart_Click(id);
    if (id >= IDM_POPOPEN && id <= IDM_POPEXIT) OnTrayMenuCommand(id);
    if (code != BN_CLICKED && code != STN_CLICKED) return;
    switch (id) {
        case IDC_CMDCLEAN:
            cmdClean_Click();
            break;
        case IDC_CMDPREVIEW:
            cmdPreview_Click();
            break;
        case IDC_CMDHIDE:
            cmdHide_Click();
            break;
        case IDC_CMDCLOSE:
            RequestClose();
            break;
        case IDC_CMDCOOKIES:
            cmdCookies_Click();
            break;
        case IDC_CMDSITES:
            cmdSites_Click();
            break;
        case IDC_CMDPASSWORD:
            cmdPassword_Click();
            break;
        case IDC_CMDREPORT:
            cmdReport_Click();
            break;
        case IDC_LBLWEB2:
            lblWeb2_Click();
            break;
        case IDC_LBLOTHERBROWSER:
            lblOtherBrowser_Click();
            break;
        default:
            if (id >= IDC_LBLGUIDE0 && id <= IDC_LBLGUIDE4) lblGuide_Click(id - IDC_LBLGUIDE0);
            break;
    }
}

bool frmMain::OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) {
    if (tray_.HandleCallback(msg, w, l)) return true;
    if (taskbarCreated_ != 0 && msg == taskbarCreated_) {
        tray_.ShellRestarted();
        return true;
    }
    switch (msg) {
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(l));
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            HBRUSH brush = PageControlColour(reinterpret_cast<HWND>(l), reinterpret_cast<HDC>(w));
            result = reinterpret_cast<INT_PTR>(brush);
            return brush != nullptr;
        }
        case WM_QUERYENDSESSION:
            // Windows is shutting down or the user logs off: close as every other way does;
            // a refused close keeps the session open.
            endingSession_ = true;
            if (!RequestClose()) SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, FALSE);
            endingSession_ = false;
            result = TRUE;
            return true;
        case WM_SETCURSOR:
            if (!OnSetCursor(reinterpret_cast<HWND>(w), LOWORD(l), HIWORD(l))) return false;
            SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, TRUE);
            result = TRUE;
            return true;
        default:
            return false;
    }
}
