// The cookie manager window: the cookies now on the machine for the default browser on the
// left, the keep-list on the right, Add and Remove between them, a viewer for one cookie, and
// Apply, OK and Cancel. The keep-list in the registry changes only on Apply, or on OK with
// unsaved changes (Apply enabled).
#pragma once

#include <string>
#include <vector>

#include "cookies/CookieLines.h"
#include "cookies/frmViewCookie.h"
#include "platform/Dialog.h"
#include "settings/Boolean.h"

class cRegistry;

class frmCookies : public Dialog {
  public:
    frmCookies();

    // Set by the opener before showing the window.
    void SetNSBrowser(Boolean netscape) { netscape_ = netscape != kFalse; }
    void SetCookieDirectory(const std::string& folder) { cookieDirectory_ = folder; }
    void SetRegObject(cRegistry& registry) { registry_ = &registry; }

    void LoadSystemCookies();
    void LoadKeepList();
    // Shows the details of the cookie of that name in the viewer.
    void ViewCookie(const std::string& name);
    // Rewrites the keep-list key from lstKeep.
    void SaveKeepList();

    frmViewCookie& Viewer() { return viewer_; }

  protected:
    void OnInit() override;
    void OnCommand(int id, int code) override;

  private:
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdApply_Click();
    void cmdOk_Click();
    void LoadNSCookies();
    void LoadIECookies();
    std::string IECookieDetails(const std::string& name) const;
    void FillList(int id, const std::vector<std::string>& names);
    int Selected(int id) const;
    void Enable(int id, bool enabled);
    bool Enabled(int id) const;

    bool netscape_ = false;
    std::string cookieDirectory_;
    cRegistry* registry_ = nullptr;
    std::vector<SystemCookie> systemCookies_;  // Netscape: the table behind lstSystem
    std::vector<std::string> systemNames_;     // the entries of lstSystem
    std::vector<std::string> keep_;            // the entries of lstKeep
    frmViewCookie viewer_;
};
