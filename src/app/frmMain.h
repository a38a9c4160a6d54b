// The main window: it owns the settings object and the registry object for its life, runs
// start-up (Form_Load) and closing (Form_QueryUnload, Form_Unload), shows the options on the
// five pages of tabMain, keeps the tray icon and starts clean runs.
#pragma once

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/LinkLabels.h"
#include "app/cSysTray.h"
#include "browser/OtherBrowsers.h"
#include "cookies/frmCookies.h"
#include "cookies/frmSiteOptions.h"
#include "platform/Dialog.h"
#include "reports/frmReports.h"
#include "settings/Policies.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"
#include "settings/frmLogon.h"
#include "settings/frmPassword.h"

class frmMain : public Dialog {
  public:
    frmMain();
    ~frmMain() override;

    // The window's title for the program's version: "Brisvane - Ver <major>.<minor>".
    static std::string Title();

    // The registry functions the window's registry object is to use (tests decorate them);
    // call before Start. The system's own are used otherwise.
    void UseRegistryApi(IRegistryApi& api) { registryApi_ = &api; }

    // Loads the window (Form_Load runs); a failed logon at start-up unloads it again at once.
    void Start();
    bool LogonFailed() const { return logonFailed_; }

    // The user's own settings as stored; the policies read at start-up are applied over them
    // wherever an option is used (Effective).
    cSettings& Settings() { return *settings_; }
    const PolicySet& Policies() const { return policies_; }
    cSettings Effective() const { return EffectiveSettings(*settings_, policies_); }
    cRegistry& Registry() { return *registry_; }
    cSysTray& SysTray() { return tray_; }
    frmLogon& Logon() { return logon_; }
    bool Loading() const { return loading_; }

    // "Clean Now": hourglass pointer, one clean run (not quiet), default pointer.
    void cmdClean_Click();
    // "Preview": the find step of every ticked item (with the progress window when it is on),
    // then the preview window, modally; its "Clean Now" runs cmdClean_Click.
    void cmdPreview_Click();
    // "Cookie Options": hourglass pointer, then the cookie window for the default browser,
    // modally (the window restores the pointer once it has loaded).
    void cmdCookies_Click();
    // "Site Options": hourglass pointer, then the site keep-list window, modally.
    void cmdSites_Click();
    // Every way of closing: runs Form_QueryUnload, then Form_Unload, which may cancel.
    // Returns true when the window has gone.
    bool RequestClose();
    // The program's own main window ends the message loop when it goes.
    void SetEndsProgram(bool ends) { endsProgram_ = ends; }

    // Pages of tabMain.
    int SelectedPage() const;
    void SelectPage(int page);
    void tabMain_Click();

    // Ticks or clears an option box and runs its click handling, as a user's click would.
    void SetOptionBox(int id, int state);
    // Shows or hides the Netscape profile controls for the current browser code.
    void ShowBrowserControls();
    // The Netscape profile list (cboProfile).
    HWND ProfileList() const;
    // The "Other Browsers" page: the list of found profiles (lvwBrowsers) and its rows.
    HWND BrowserList() const;
    const std::vector<FoundProfile>& BrowserProfiles() const { return browserProfiles_; }
    // The default browser's command, read at start-up; the link labels start it.
    const std::string& BrowserCommand() const { return browserCommand_; }

    // Tray and hiding.
    void cmdHide_Click();
    void popOpen_Click();
    void popClean_Click() { cmdClean_Click(); }
    void popExit_Click() { RequestClose(); }
    void SysTray_MouseUp(int button);

    // Link labels: hover underline and the pointer.
    void MouseMoveOver(HWND target, POINT clientPoint);
    bool IsUnderlined(int id) const { return links_.IsUnderlined(id); }
    // A keyboard link (see SetUpKeyboardLink) gained or lost the focus.
    void Link_Focus(int id, bool focused);

    // Runs the page's keyboard interface (the B access key of page 3) for a message of the
    // program's message loop; returns true when the message was used.
    bool PreTranslate(const MSG& msg);

  protected:
    void OnInit() override;
    void OnCommand(int id, int code) override;
    void OnClose() override { RequestClose(); }
    void OnDestroy() override;
    bool OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) override;

  private:
    void Form_Load();
    void Form_QueryUnload();
    bool Form_Unload();  // false when the unload is cancelled
    bool StartLogon();
    void RunAutomaticClean();
    void SetUpControls();
    void SetUpTray();
    void ShowVersionInfo();
    void LockPolicyBoxes();
    void LockPolicyPartBoxes();
    void ShowManagedPanel();
    void MatchShutdownToPolicy();
    bool lvwBrowsers_ItemChanging(const NMLISTVIEW& change);
    void ShowPageControls(int page);
    void ShowPage(int page);  // its controls, its contents and its status text
    static COLORREF TabBodyColour(HWND tab);
    static bool IsPageControl(int id);
    HBRUSH PageControlColour(HWND control, HDC dc);

    void OptionBox_Click(int id);
    void SetUpBrowserList();
    void ShowOtherBrowsers();
    void BrowserPart_Click(int id);
    void lvwBrowsers_ItemChanged(const NMLISTVIEW& change);
    void cboProfile_Click();
    void cmdPassword_Click();
    void cmdReport_Click();
    void lblGuide_Click(int index);
    void lblWeb2_Click();
    void lblOtherBrowser_Click();
    void ShowOtherBrowserLink();
    void SetUpKeyboardLink(int id);
    void OtherBrowserLink_MouseAway();
    bool IsShownWithItsPage(int id) const;
    void StartBrowser(const std::string& arguments);
    void lblGuide_MouseMove(int index);
    void lblWeb2_MouseMove();
    void Frame_MouseMove(int page);
    void Form_MouseMove();
    bool OnSetCursor(HWND target, UINT hitTest, UINT mouseMessage);
    bool OnNotify(const NMHDR& header);
    void OnTrayMenuCommand(int id);

    std::unique_ptr<cSettings> settings_;
    std::unique_ptr<cRegistry> registry_;
    IRegistryApi* registryApi_ = nullptr;
    PolicySet policies_;
    bool loading_ = false;
    bool endsProgram_ = false;
    bool logonFailed_ = false;
    bool endingSession_ = false;       // closing because Windows ends the session
    bool installFailureTold_ = false;  // the shut-down cleaning failure has been shown
    bool profileControlsVisible_ = false;
    std::string browserCommand_;
    cSysTray tray_;
    frmLogon logon_;
    frmPassword password_;
    frmReports reports_;
    frmCookies cookies_;
    frmSiteOptions sites_;
    std::vector<FoundProfile> browserProfiles_;
    LinkLabels links_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HMENU trayMenu_ = nullptr;
    HBRUSH pageBrush_ = nullptr;
    UINT taskbarCreated_ = 0;
};

// Runs one start-up step; a failing step is skipped silently and the next one runs.
void GuardStep(const std::function<void()>& step);

// The second panel of the status bar while any policy is in force.
inline constexpr const char* kManagedText = "Managed by your organization";

// Sets the option boxes from the settings in their fixed order (a failure ends it at once),
// then selects the saved Netscape profile.
void ShowSettings(cSettings& settings, frmMain& window, cRegistry& registry);

// Disables the internet items of the main window and turns their settings off in memory only;
// the stored settings are left as they are.
void DisableInternetItems(frmMain& window, cSettings& settings);
