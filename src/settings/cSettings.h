// The in-memory copy of the user's options: one stored value per option, with a setter and a
// getter and no logic of its own. A new object holds False in every flag and "" in every text.
#pragma once

#include <string>

#include "settings/Boolean.h"

class cSettings {
  public:
    Boolean DocumentHistory() const { return documentHistory_; }
    void SetDocumentHistory(Boolean v) { documentHistory_ = v; }
    Boolean FindSearch() const { return findSearch_; }
    void SetFindSearch(Boolean v) { findSearch_ = v; }
    Boolean Run() const { return run_; }
    void SetRun(Boolean v) { run_ = v; }
    Boolean TempFiles() const { return tempFiles_; }
    void SetTempFiles(Boolean v) { tempFiles_ = v; }
    Boolean RecycleBin() const { return recycleBin_; }
    void SetRecycleBin(Boolean v) { recycleBin_ = v; }
    Boolean ExplorerHistory() const { return explorerHistory_; }
    void SetExplorerHistory(Boolean v) { explorerHistory_ = v; }
    Boolean CleanAtStartUp() const { return cleanAtStartUp_; }
    void SetCleanAtStartUp(Boolean v) { cleanAtStartUp_ = v; }
    Boolean CleanAtShutDown() const { return cleanAtShutDown_; }
    void SetCleanAtShutDown(Boolean v) { cleanAtShutDown_ = v; }
    Boolean InternetHistory() const { return internetHistory_; }
    void SetInternetHistory(Boolean v) { internetHistory_ = v; }
    Boolean InternetCookies() const { return internetCookies_; }
    void SetInternetCookies(Boolean v) { internetCookies_ = v; }
    Boolean InternetURLHistory() const { return internetURLHistory_; }
    void SetInternetURLHistory(Boolean v) { internetURLHistory_ = v; }
    Boolean PasswordProtected() const { return passwordProtected_; }
    void SetPasswordProtected(Boolean v) { passwordProtected_ = v; }
    std::string Password() const { return password_; }
    void SetPassword(const std::string& v) { password_ = v; }
    Boolean DisplayProgress() const { return displayProgress_; }
    void SetDisplayProgress(Boolean v) { displayProgress_ = v; }
    Boolean Report() const { return report_; }
    void SetReport(Boolean v) { report_ = v; }
    std::string DefaultBrowser() const { return defaultBrowser_; }
    void SetDefaultBrowser(const std::string& v) { defaultBrowser_ = v; }
    Boolean TempInternet() const { return tempInternet_; }
    void SetTempInternet(Boolean v) { tempInternet_ = v; }
    std::string DefaultNSProfile() const { return defaultNSProfile_; }
    void SetDefaultNSProfile(const std::string& v) { defaultNSProfile_ = v; }
    // Not stored: true when a profile and a part of the "Other Browsers" page are ticked. A run
    // sets it from those ticks before it starts.
    Boolean OtherBrowsers() const { return otherBrowsers_; }
    void SetOtherBrowsers(Boolean v) { otherBrowsers_ = v; }

  private:
    Boolean documentHistory_ = kFalse;
    Boolean findSearch_ = kFalse;
    Boolean run_ = kFalse;
    Boolean tempFiles_ = kFalse;
    Boolean recycleBin_ = kFalse;
    Boolean explorerHistory_ = kFalse;
    Boolean cleanAtStartUp_ = kFalse;
    Boolean cleanAtShutDown_ = kFalse;
    Boolean internetHistory_ = kFalse;
    Boolean internetCookies_ = kFalse;
    Boolean internetURLHistory_ = kFalse;
    Boolean passwordProtected_ = kFalse;
    std::string password_;
    Boolean displayProgress_ = kFalse;
    Boolean report_ = kFalse;
    std::string defaultBrowser_;
    Boolean tempInternet_ = kFalse;
    std::string defaultNSProfile_;
    Boolean otherBrowsers_ = kFalse;
};
