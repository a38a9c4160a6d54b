// End-to-end: a managed machine. Policies of the machine turn Temporary Files on, Run History
// off and the other browsers' cookies on, and keep one site; the user's own settings say the
// opposite. The real Brisvane.exe shows the locked boxes, the managed panel and the policy's
// sites, and "/clean" cleans by the policies without a window; the user's settings stay as
// they were. Then the exit statuses of a failing run, of no selected item and of a bad switch.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "Driver.h"
#include "PolicySandbox.h"
#include "RegistrySandbox.h"
#include "app/frmMainIds.h"
#include "chromium/CookieDatabase.h"
#include "chromium/ProfileLayout.h"
#include "cookies/frmSiteOptionsIds.h"
#include "files/FileSystem.h"
#include "settings/Options.h"

namespace {

const char* kChrome = "\\Google\\Chrome\\User Data";
const char* kPolicySite = "example.com";

// Every value of the user's settings keys as "<key>\<name>=<data>".
std::vector<std::string> StoredSettings() {
    std::vector<std::string> values;
    for (const char* path : {regpath::kSettings, regpath::kBrowsers, regpath::kSites}) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != 0) continue;
        char name[256];
        BYTE data[1024];
        for (DWORD i = 0;; ++i) {
            DWORD nameSize = sizeof name, size = sizeof data, type = 0;
            if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, data, &size) != 0) break;
            values.push_back(std::string(path) + "\\" + name + "=" +
                             std::string(reinterpret_cast<char*>(data), size));
        }
        RegCloseKey(key);
    }
    return values;
}

// Starts the program with the arguments and waits for its end; the main window never shows.
DWORD RunToEnd(Driver& driver, const std::string& arguments) {
    driver.Start(arguments, false);
    bool windowShown = false;
    for (int i = 0; i < 1200 && !driver.Exited(100); ++i) {
        windowShown = windowShown || FindWindowA(nullptr, kMainTitle.c_str()) != nullptr;
    }
    Check(!windowShown, arguments + ": no main window");
    const DWORD code = driver.ExitCode();
    std::printf("        Brisvane.exe %s: exit code %lu\n", arguments.c_str(), code);
    return code;
}

void LockedWindow(Driver& driver) {
    driver.Start();
    HWND main = driver.WaitWindow(kMainTitle);
    if (!Check(main != nullptr, "the main window is shown")) return;
    Check(IsChecked(main, IDC_CHKTEMP) && !IsEnabled(main, IDC_CHKTEMP),
          "Temporary Files ticked and locked");
    Check(!IsChecked(main, IDC_CHKRUN) && !IsEnabled(main, IDC_CHKRUN),
          "Run History clear and locked");
    Check(IsEnabled(main, IDC_CHKRECYCLEBIN), "Recycle Bin left to the user");
    // Another process's status text cannot be read; the panel and its length can.
    const LRESULT parts = SendDlgItemMessageA(main, IDC_STBMAIN, SB_GETPARTS, 0, 0);
    const LRESULT length = SendDlgItemMessageW(main, IDC_STBMAIN, SB_GETTEXTLENGTHW, 1, 0);
    Check(parts == 2 && LOWORD(length) == std::string("Managed by your organization").size(),
          "the managed panel");
    driver.Shot(main, "main-managed");
    SelectTab(main, IDC_TABMAIN, 4);
    Wait(300);
    Check(IsChecked(main, IDC_CHKBROWSERCOOKIES) && !IsEnabled(main, IDC_CHKBROWSERCOOKIES),
          "the other browsers' Cookies ticked and locked");
    driver.Shot(main, "other-browsers-managed");
    Click(main, IDC_CMDSITES);
    HWND sites = driver.WaitWindow("Site Options");
    if (Check(sites != nullptr, "Site Options opens")) {
        driver.Shot(sites, "site-options-managed");
        // Asked in UTF-16, which Wine passes unchanged between processes.
        wchar_t entry[64] = {};
        HWND keep = GetDlgItem(sites, IDC_SITES_LSTKEEP);
        SendMessageW(keep, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(entry));
        Check(SendMessageW(keep, LB_GETCOUNT, 0, 0) == 1 &&
                  std::wstring(entry) == std::wstring(kPolicySite, kPolicySite + 11),
              "Sites to Keep shows the policy's list");
        for (int id :
             {IDC_SITES_TXTSITE, IDC_SITES_CMDADD, IDC_SITES_CMDREMOVE, IDC_SITES_CMDAPPLY}) {
            Check(!IsEnabled(sites, id), "editing control " + std::to_string(id) + " disabled");
        }
        Check(TextOf(sites, IDC_SITES_LBLPOLICY) == "Sites to keep are set by your organization.",
              "the window says who sets the list");
        Click(sites, IDC_SITES_CMDCANCEL);
        driver.WaitGone(sites, 5000);
    }
    Click(main, IDC_CMDCLOSE);
    Check(driver.Exited(10000), "Shut Down ends the program");
}

void UsageBox(Driver& driver, const std::string& arguments, DWORD expected) {
    driver.Start(arguments, false);
    std::string text;
    HWND box = driver.WaitMessageBox(text);
    if (Check(box != nullptr, arguments + ": the usage is shown")) {
        driver.Shot(box, "usage");
        Check(text.find("/clean") != std::string::npos, "the usage names /clean: " + text);
        Click(box, IDOK);
    }
    Check(driver.Exited(10000) && driver.ExitCode() == expected,
          arguments + ": exit code " + std::to_string(expected));
}

}  // namespace

void ManagedMachine(Driver& driver, const std::string& programFolder, const std::string& work) {
    const std::string local = work + "\\Local AppData", temp = work + "\\Temp";
    for (const std::string& folder : {local, temp, programFolder + "\\Reports"}) {
        if (Exists(folder)) RemoveFolder(folder, true);
    }
    ShellFolderRedirect localRedirect("Local AppData", local);
    SavedKey runHistory(regpath::kRunMru), browsers(regpath::kBrowsers), sites(regpath::kSites);
    const std::string data = local + kChrome;
    BuildTree(data, ReadTree(WindowsPath(BRISVANE_FIXTURES "/chromium/User Data")));
    BuildTree(temp, {{"a.tmp", "a"}, {"sub\\b.tmp", "b"}});
    // Brisvane.exe inherits the driver's environment.
    char oldTemp[MAX_PATH] = {};
    GetEnvironmentVariableA("TEMP", oldTemp, sizeof oldTemp);
    SetEnvironmentVariableA("TEMP", temp.c_str());
    SetEnvironmentVariableA("TMP", temp.c_str());
    WriteRaw(regpath::kRunMru, "a", REG_SZ, SzBytes("notepad\\1"));
    WriteRaw(regpath::kRunMru, "MRUList", REG_SZ, SzBytes("a"));

    for (const Option& option : kOptions) StoreSetting(option.name, "False");
    for (const char* flag : {"Run", "Report"}) StoreSetting(flag, "True");
    StoreSetting("BrisvanePassword", "");  // as any start before this one left it
    for (const char* part : {"History", "Cookies", "Cache", "Sessions"})
        WriteRaw(regpath::kBrowsers, part, REG_SZ, SzBytes("False"));
    WriteRaw(regpath::kBrowsers, "Chrome|Default", REG_SZ, SzBytes("True"));
    WriteRaw(regpath::kSites, "Site0", REG_SZ, SzBytes("other.org"));
    PolicySandbox policies;
    policies.Set(HKEY_LOCAL_MACHINE, "TempFiles", 1);
    policies.Set(HKEY_LOCAL_MACHINE, "Run", 0);
    policies.Set(HKEY_LOCAL_MACHINE, "BrowserCookies", 1);
    policies.SetSites(HKEY_LOCAL_MACHINE, {kPolicySite});
    const std::vector<std::string> stored = StoredSettings();

    LockedWindow(driver);
    Check(RunToEnd(driver, "/clean") == 0, "/clean by the policies: exit code 0");
    const std::vector<std::string> reports = FilesIn(programFolder + "\\Reports");
    if (Check(reports.size() == 1, "one report written")) {
        std::printf("        report:\n%s",
                    ReadBytes(programFolder + "\\Reports\\" + reports[0]).c_str());
    }
    Check(ReadTree(temp).empty(), "the temporary files are gone");
    Check(ReadRawText(regpath::kRunMru, "a") == "notepad\\1", "the Run history is kept");
    std::vector<std::string> hosts = chromium::CookieHosts(data + "\\Default\\Cookies");
    Check(!hosts.empty() && std::all_of(hosts.begin(), hosts.end(),
                                        [](const std::string& host) {
                                            return host.find("example.com") != std::string::npos &&
                                                   host.find("notexample") == std::string::npos &&
                                                   host.find("evil") == std::string::npos;
                                        }),
          "only the policy's site keeps its cookies (" + std::to_string(hosts.size()) + ")");
    const std::vector<std::string> after = StoredSettings();
    for (const std::string& value : after) {
        if (std::find(stored.begin(), stored.end(), value) == stored.end())
            std::printf("        changed: %s\n", value.c_str());
    }
    Check(after == stored, "the user's stored settings are unchanged");

    {
        // A running Chrome: its profile's block has an "Error: " line.
        HANDLE lock = CreateFileA((data + "\\" + chromium::kLockFile).c_str(), GENERIC_WRITE,
                                  FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
        Check(RunToEnd(driver, "/clean") == 1, "a block with an error: exit code 1");
        CloseHandle(lock);
    }
    PolicySandbox::Clear();
    StoreSetting("Run", "False");
    Check(RunToEnd(driver, "/clean") == 3, "no item selected: exit code 3");
    Check(FilesIn(programFolder + "\\Reports").size() == 2, "a run of nothing writes no report");
    UsageBox(driver, "/nonsense", 2);
    UsageBox(driver, "/?", 0);
    SetEnvironmentVariableA("TEMP", oldTemp);
    SetEnvironmentVariableA("TMP", oldTemp);
}
