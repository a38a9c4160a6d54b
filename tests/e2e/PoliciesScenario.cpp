// End-to-end: a managed machine. The machine's policies turn Temporary Files on, Run History
// off and the other browsers' cookies on, and keep one site; the user's settings say the
// opposite. The real Brisvane.exe shows the locked boxes, the managed panel and the policy's
// sites, and "/clean" cleans by the policies without a window and leaves the user's settings as
// they were. Then the exit codes of a failing run, of no selected item and of the usage.
#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Driver.h"
#include "RegistrySandbox.h"
#include "app/frmMainIds.h"
#include "chromium/CookieDatabase.h"
#include "chromium/ProfileLayout.h"
#include "cookies/frmSiteOptionsIds.h"
#include "files/FileSystem.h"
#include "settings/Options.h"
#include "settings/RegistryPaths.h"

using namespace std::string_literals;

namespace {

// Starts the program, waits for its end and checks that no main window showed on the way.
DWORD RunToEnd(Driver& driver, const std::string& arguments) {
    driver.Start(arguments, false);
    bool window = false;
    for (int i = 0; i < 1200 && !driver.Exited(100); ++i)
        window = window || FindWindowA(nullptr, kMainTitle.c_str()) != nullptr;
    Check(!window, arguments + ": no main window");
    std::printf("        Brisvane.exe %s: exit code %lu\n", arguments.c_str(), driver.ExitCode());
    return driver.ExitCode();
}

void LockedWindowAndSites(Driver& driver) {
    driver.Start();
    HWND main = driver.WaitWindow(kMainTitle);
    if (!Check(main != nullptr, "the main window is shown")) return;
    Check(IsChecked(main, IDC_CHKTEMP) && !IsEnabled(main, IDC_CHKTEMP) &&
              !IsChecked(main, IDC_CHKRUN) && !IsEnabled(main, IDC_CHKRUN) &&
              IsEnabled(main, IDC_CHKRECYCLEBIN),
          "Temporary Files ticked, Run History clear, both locked; Recycle Bin free");
    // Another process's status text cannot be read; its panels and their lengths can.
    Check(SendDlgItemMessageA(main, IDC_STBMAIN, SB_GETPARTS, 0, 0) == 2 &&
              LOWORD(SendDlgItemMessageW(main, IDC_STBMAIN, SB_GETTEXTLENGTHW, 1, 0)) ==
                  std::string("Managed by your organization").size(),
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
        wchar_t entry[64] = {};  // UTF-16 passes between processes unchanged
        SendDlgItemMessageW(sites, IDC_SITES_LSTKEEP, LB_GETTEXT, 0,
                            reinterpret_cast<LPARAM>(entry));
        Check(SendDlgItemMessageW(sites, IDC_SITES_LSTKEEP, LB_GETCOUNT, 0, 0) == 1 &&
                  std::wstring(entry) == L"example.com",
              "Sites to Keep shows the policy's list");
        Check(!IsEnabled(sites, IDC_SITES_TXTSITE) && !IsEnabled(sites, IDC_SITES_CMDADD) &&
                  !IsEnabled(sites, IDC_SITES_CMDREMOVE) && !IsEnabled(sites, IDC_SITES_CMDAPPLY),
              "its editing controls are disabled");
        Check(TextOf(sites, IDC_SITES_LBLPOLICY) == "Sites to keep are set by your organization.",
              "it says who sets the list");
        Click(sites, IDC_SITES_CMDCANCEL);
        driver.WaitGone(sites, 5000);
    }
    Click(main, IDC_CMDCLOSE);
    Check(driver.Exited(10000), "Shut Down ends the program");
}

}  // namespace

void ManagedMachine(Driver& driver, const std::string& programFolder, const std::string& work) {
    const std::string local = work + "\\Local AppData", temp = work + "\\Temp";
    for (const std::string& folder : {local, temp, programFolder + "\\Reports"})
        if (Exists(folder)) RemoveFolder(folder, true);
    ShellFolderRedirect localRedirect("Local AppData", local);
    SavedKey runHistory(regpath::kRunMru);
    const std::string data = local + "\\Google\\Chrome\\User Data";
    BuildTree(data, ReadTree(WindowsPath(BRISVANE_FIXTURES "/chromium/User Data")));
    BuildTree(temp, {{"a.tmp", "a"}, {"sub\\b.tmp", "b"}});
    char oldTemp[MAX_PATH] = {};  // Brisvane.exe inherits the driver's environment
    GetEnvironmentVariableA("TEMP", oldTemp, sizeof oldTemp);
    for (const char* name : {"TEMP", "TMP"}) SetEnvironmentVariableA(name, temp.c_str());
    WriteRaw(regpath::kRunMru, "a", REG_SZ, SzBytes("notepad\\1"));

    for (const Option& option : kOptions) StoreSetting(option.name, "False");
    for (const char* name : {"Run", "Report"}) StoreSetting(name, "True");
    StoreSetting("BrisvanePassword", "");  // as any earlier start left it
    for (const char* part : {"History", "Cookies", "Cache", "Sessions"})
        WriteRaw(regpath::kBrowsers, part, REG_SZ, SzBytes("False"));
    WriteRaw(regpath::kBrowsers, "Chrome|Default", REG_SZ, SzBytes("True"));
    WriteRaw(regpath::kSites, "Site0", REG_SZ, SzBytes("other.org"));
    std::vector<std::unique_ptr<RegistryOverride>> policies;  // a DWORD: the text and a 0
    for (const auto& [name, dword] :
         {std::pair{"TempFiles", "\1\0\0"s}, {"Run", "\0\0\0"s}, {"BrowserCookies", "\1\0\0"s}}) {
        policies.push_back(std::make_unique<RegistryOverride>(
            HKEY_LOCAL_MACHINE, regpath::kPolicies, name, dword, regpath::kPolicies, REG_DWORD));
    }
    policies.push_back(std::make_unique<RegistryOverride>(HKEY_LOCAL_MACHINE, regpath::kSitesToKeep,
                                                          "1", "example.com", regpath::kPolicies));

    LockedWindowAndSites(driver);
    const FileTree profile = ReadTree(data);
    const std::string previewFile = work + "\\preview of clean.txt";
    Check(RunToEnd(driver, "/preview:\"" + previewFile + "\"") == 0, "/preview: exit code 0");
    const std::string preview = ReadBytes(previewFile);
    std::printf("%s", preview.c_str());
    Check(preview.find("\r\nTemp Files: 2 files") != std::string::npos &&
              preview.find("\r\nGoogle Chrome (Your Chromium): ") != std::string::npos &&
              preview.find("Run History") == std::string::npos,
          "the preview lists the items in force");
    Check(ReadTree(temp).size() == 3 && ReadTree(data) == profile, "a preview changes nothing");
    Check(RunToEnd(driver, "/clean") == 0, "/clean by the policies: exit code 0");
    const std::vector<std::string> reports = FilesIn(programFolder + "\\Reports");
    if (Check(reports.size() == 1, "one report written"))
        std::printf("%s", ReadBytes(programFolder + "\\Reports\\" + reports[0]).c_str());
    Check(ReadTree(temp).empty(), "the temporary files are gone");
    Check(ReadRawText(regpath::kRunMru, "a") == "notepad\\1", "the Run history is kept");
    Check(chromium::CookieHosts(data + "\\Default\\Cookies") ==
              std::vector<std::string>{"example.com", "mail.example.com"},
          "only the policy's site keeps its cookies");
    Check(StoredSetting("TempFiles") == "False" && StoredSetting("Run") == "True" &&
              ReadRawText(regpath::kBrowsers, "Cookies") == "False" &&
              ReadRawText(regpath::kSites, "Site0") == "other.org",
          "the user's stored settings are unchanged");

    HANDLE chromeRuns = CreateFileA((data + "\\" + chromium::kLockFile).c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ, nullptr, OPEN_ALWAYS, 0, nullptr);
    Check(RunToEnd(driver, "/clean") == 1, "a block with an \"Error: \" line: exit code 1");
    CloseHandle(chromeRuns);
    policies.clear();
    StoreSetting("Run", "False");
    Check(RunToEnd(driver, "/clean") == 3, "no item selected: exit code 3");
    driver.Start("/nonsense", false);
    std::string usage;
    HWND box = driver.WaitMessageBox(usage);
    if (Check(box != nullptr && usage.rfind("Usage: Brisvane.exe", 0) == 0, "the usage is shown")) {
        driver.Shot(box, "usage");
        Click(box, IDOK);
    }
    Check(driver.Exited(10000) && driver.ExitCode() == 2, "an unknown argument: exit code 2");
    for (const char* name : {"TEMP", "TMP"}) SetEnvironmentVariableA(name, oldTemp);
}
