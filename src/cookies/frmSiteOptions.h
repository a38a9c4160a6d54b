// The site keep-list window of the "Other Browsers" page: the sites that have cookies in the
// browsers' profiles on the left, the sites to keep on the right, a box for a site not visited
// yet, Add and Remove between the lists, and Apply, OK and Cancel. The list in the registry
// changes only on Apply, or on OK with unsaved changes (Apply enabled). Opening the window only
// reads the browsers' databases. While a policy sets the sites to keep, the window shows that
// list and nothing in it can change it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Dialog.h"

class cRegistry;

class frmSiteOptions : public Dialog {
  public:
    frmSiteOptions();

    // Set by the opener before showing the window.
    void SetRegObject(cRegistry& registry) { registry_ = &registry; }
    // The sites to keep set by policy, or none.
    void SetPolicySites(std::optional<std::vector<std::string>> sites) {
        policySites_ = std::move(sites);
    }

    void LoadSystemSites();
    void LoadKeepList();
    // Rewrites the site keep-list from lstKeep.
    void SaveKeepList();

  protected:
    void OnInit() override;
    void OnCommand(int id, int code) override;

  private:
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdApply_Click();
    void cmdOk_Click();
    void txtSite_Change();
    // The typed site as the keep-list holds it: trimmed, lower-cased, without leading dots.
    std::string TypedSite() const;
    void AddToKeep(const std::string& site);
    int Selected(int id) const;
    void Enable(int id, bool enabled);
    void ShowPolicyLock();
    bool Enabled(int id) const;

    cRegistry* registry_ = nullptr;
    std::vector<std::string> systemSites_;  // the entries of lstSystem
    std::vector<std::string> keep_;         // the entries of lstKeep
    std::optional<std::vector<std::string>> policySites_;
};
