// End-to-end: the real Brisvane.exe on a machine with temp files, Run history, Internet
// Explorer's cookies with a kept site, and ticked Chrome and Firefox fixture profiles. Preview
// lists each ticked item's row and a Total, a row's details, and saves its text through the
// common Save As dialog, changing no file or registry value; "Clean Now" from the preview then
// removes exactly what the preview listed.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "CookieSandbox.h"
#include "DialogProbe.h"
#include "Driver.h"
#include "FirefoxFixture.h"
#include "RegistryOverride.h"
#include "RegistrySandbox.h"
#include "app/frmMainIds.h"
#include "app/frmPreviewIds.h"
#include "files/FileSystem.h"
#include "settings/RegistryPaths.h"

namespace {

const char* kChrome = "\\Google\\Chrome\\User Data";

// The registry values and files a preview must leave as they were.
struct Snapshot {
    std::vector<FileTree> trees;
    std::vector<std::string> values;
    bool operator==(const Snapshot&) const = default;
};

std::vector<std::string> ValuesOf(const char* key) {
    std::vector<std::string> values;
    HKEY handle = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key, 0, KEY_READ, &handle) != 0) return values;
    for (DWORD i = 0;; ++i) {
        char name[256] = {}, data[1024] = {};
        DWORD nameSize = sizeof name, dataSize = sizeof data;
        if (RegEnumValueA(handle, i, name, &nameSize, nullptr, nullptr,
                          reinterpret_cast<BYTE*>(data), &dataSize) != 0)
            break;
        values.push_back(std::string(key) + ": " + name + "=" + std::string(data, dataSize));
    }
    RegCloseKey(handle);
    return values;
}

Snapshot Take(const std::vector<std::string>& folders) {
    Snapshot snapshot;
    for (const std::string& folder : folders) snapshot.trees.push_back(ReadTree(folder));
    for (const char* key : {regpath::kRunMru, kIEKeepKey, regpath::kBrowsers, regpath::kSites}) {
        for (std::string& value : ValuesOf(key)) snapshot.values.push_back(std::move(value));
    }
    return snapshot;
}

// Saves the preview's text through the common dialog; answers the text saved.
std::string SaveAs(Driver& driver, HWND preview, const std::string& path) {
    Click(preview, IDC_CMDSAVEAS);
    HWND save = driver.WaitWindow("Save As");
    if (!Check(save != nullptr, "Save As opens the common save dialog")) return "";
    driver.Shot(save, "preview-save-as");
    for (int name : {1148, 1152}) SetDlgItemTextA(save, name, path.c_str());
    Click(save, IDOK);
    for (int i = 0; i < 100 && !Exists(path); ++i) Wait(100);
    Wait(300);
    return ReadBytes(path);
}

// The detail lines of the preview text that name a path below `folder`.
std::vector<std::string> ListedBelow(const std::string& text, const std::string& folder) {
    std::vector<std::string> paths;
    const std::string marker = "\r\n  " + folder + "\\";
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + 1)) {
        const std::size_t start = at + 4;
        paths.push_back(text.substr(start, text.find("\r\n", start) - start));
    }
    return paths;
}

}  // namespace

void PreviewThenClean(Driver& driver, const std::string& programFolder, const std::string& work) {
    const std::string local = work + "\\Local AppData", roaming = work + "\\AppData",
                      temp = work + "\\Temp", cookies = work + "\\Cookies",
                      elsewhere = work + "\\Elsewhere", reports = programFolder + "\\Reports";
    for (const std::string& folder : {local, roaming, temp, cookies, elsewhere, reports}) {
        if (Exists(folder)) RemoveFolder(folder, true);
    }
    BuildTree(temp, {{"a.tmp", "aaaa"}, {"sub\\b.tmp", "bb"}});
    BuildTree(cookies, {{"index.dat", "i"},
                        {"user@bank[1].txt", "kept"},
                        {"user@ads[1].txt", "ads"},
                        {"user@mail[2].txt", "mail"}});
    SetEnvironmentVariableA("TEMP", temp.c_str());
    SetEnvironmentVariableA("TMP", temp.c_str());
    ShellFolderRedirect localRedirect("Local AppData", local);
    ShellFolderRedirect roamingRedirect("AppData", roaming);
    CookieFolderRedirect cookieRedirect(cookies);
    ProgIdRegistered ie("IE.HTTP", "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" %1");
    HttpChoiceRegistered choice("UserChoice", "IE.HTTP");
    SavedKey run(regpath::kRunMru), browsers(regpath::kBrowsers), sites(regpath::kSites);
    // The save dialog records the program and folder in the common dialogs' lists.
    SavedKey dialogs(std::string(regpath::kExplorer) + "\\ComDlg32");
    KeepListKeys keep;
    KeepListKeys::Store(kIEKeepKey, {"user@bank[1].txt"});
    CreateRawKey(regpath::kRunMru);
    for (const char* name : {"a", "b"}) WriteRaw(regpath::kRunMru, name, REG_SZ, SzBytes("cmd"));
    WriteRaw(regpath::kRunMru, "MRUList", REG_SZ, SzBytes("ab"));
    BuildTree(local + kChrome, ReadTree(WindowsPath(BRISVANE_FIXTURES "/chromium/User Data")));
    BuildFirefoxFixture(WindowsPath(BRISVANE_FIXTURES "/firefox"), local, roaming,
                        elsewhere + "\\abs");
    for (const char* part : {"History", "Cookies", "Cache", "Sessions"})
        WriteRaw(regpath::kBrowsers, part, REG_SZ, SzBytes("True"));
    WriteRaw(regpath::kBrowsers, "Chrome|Default", REG_SZ, SzBytes("True"));
    WriteRaw(regpath::kBrowsers, std::string("Firefox|") + kFirefoxRelative, REG_SZ,
             SzBytes("True"));
    WriteRaw(regpath::kSites, "Site0", REG_SZ, SzBytes("example.com"));
    for (const char* flag : {"Run", "TempFiles", "InternetCookies", "DisplayProgress", "Report"})
        StoreSetting(flag, "True");

    const std::vector<std::string> folders = {temp, cookies, local, roaming, elsewhere};
    const Snapshot before = Take(folders);
    driver.Start();
    HWND main = driver.WaitWindow(kMainTitle);
    if (!Check(main != nullptr, "the main window is shown")) return;
    driver.Shot(main, "main-four-buttons");

    // The progress window's "Checking: ..." captions are the native run-step test's.
    Click(main, IDC_CMDPREVIEW);
    HWND preview = driver.WaitWindow("Brisvane Preview", 30000);
    if (!Check(preview != nullptr, "Preview shows the window \"Brisvane Preview\"")) return;
    driver.Shot(preview, "preview");
    const std::vector<std::string> rows = OtherProcessListViewRows(preview, IDC_LVWFOUND, 3);
    for (const std::string& row : rows) std::printf("        row: %s\n", row.c_str());
    const char* names[] = {"Run History|",           "Temp Files|",
                           "Internet Cookies|",      "Google Chrome (Your Chromium)|",
                           "Mozilla Firefox (rel)|", "Total|"};
    bool inOrder = rows.size() == std::size(names);
    for (std::size_t i = 0; inOrder && i < rows.size(); ++i)
        inOrder = rows[i].starts_with(names[i]);
    Check(inOrder, "one row per ticked item and profile in the run's order, then Total");
    Check(inOrder && rows[0] == "Run History|3 entries|", "Run History: 3 entries, no size");
    Check(inOrder && rows[1].starts_with("Temp Files|2 files, 1 folders|6 bytes"),
          "Temp Files: 2 files, 1 folders, 6 bytes");
    Check(inOrder && rows[2].starts_with("Internet Cookies|2 files; 1 sites kept|"),
          "Internet Cookies: 2 files; 1 sites kept");

    // The cookie row's details, reached with the keyboard.
    HWND list = GetDlgItem(preview, IDC_LVWFOUND);
    for (int i = 0; i < 2; ++i) PostMessageA(list, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    Wait(500);
    // Wine does not carry a list box's text to another process: the lines are told by their
    // lengths (the screenshot shows them).
    HWND details = GetDlgItem(preview, IDC_LSTDETAILS);
    std::vector<std::size_t> lengths;
    const int count = static_cast<int>(SendMessageA(details, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        lengths.push_back(static_cast<std::size_t>(SendMessageA(details, LB_GETTEXTLEN, i, 0)));
    const std::string kept = "kept: user@bank[1].txt (site to keep)";
    const std::string ads = cookies + "\\user@ads[1].txt";
    Check(lengths.size() == 4 && lengths[0] == ads.size() && lengths[3] == kept.size(),
          "the cookie row's details: two files, the index and the kept site");
    driver.Shot(preview, "preview-details");

    const std::string text = SaveAs(driver, preview, work + "\\preview.txt");
    std::printf("        preview text:\n%s", text.c_str());
    Check(text.starts_with("START OF PREVIEW: ") && text.find("\r\nTotal: ") != std::string::npos &&
              text.find("\r\nEND OF PREVIEW: ") != std::string::npos,
          "the saved text runs from START to END with a Total line");
    Check(Take(folders) == before, "the preview changed no file and no registry value");

    Click(preview, IDC_CMDCLEANNOW);
    Check(driver.WaitGone(preview, 5000), "Clean Now closes the preview");
    for (int i = 0; i < 300 && FilesIn(reports).empty(); ++i) Wait(100);
    Wait(1500);
    const std::vector<std::string> written = FilesIn(reports);
    const std::string report =
        written.size() == 1 ? ReadBytes(reports + "\\" + written[0]) : std::string();
    std::printf("        report:\n%s", report.c_str());
    Check(report.find("Cleaning Temp Files\r\nCompleted\r\nCleaning Internet Cookies\r\n"
                      "Completed\r\n") != std::string::npos,
          "the clean ran from the preview and wrote its report");
    bool allGone = true;
    for (const std::string& folder : {temp, cookies}) {
        for (const std::string& path : ListedBelow(text, folder)) allGone &= !Exists(path);
    }
    Check(allGone && ListedBelow(text, temp).size() == 3 && ListedBelow(text, cookies).size() == 2,
          "every file and folder the preview listed is gone");
    Check(ReadTree(cookies) == FileTree{{"index.dat", "i"}, {"user@bank[1].txt", "kept"}},
          "the kept cookie and the index stay");
    Check(ValuesOf(regpath::kRunMru).empty(), "the Run history is gone");
    main = driver.WaitWindow(kMainTitle);
    if (main != nullptr) Click(main, IDC_CMDCLOSE);
    Check(driver.Exited(10000), "Shut Down ends the program");
    for (const std::string& folder : {local, roaming, temp, cookies, elsewhere}) {
        if (Exists(folder)) RemoveFolder(folder, true);
    }
    DeleteFileA((work + "\\preview.txt").c_str());
}
