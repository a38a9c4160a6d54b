// End-to-end scenarios: each starts the real Brisvane.exe (a copy in its own folder, so its
// Reports folder is the scenario's own) on an empty settings key, uses it like a user and
// checks the registry and the files. Usage:
//   brisvane_e2e_driver <scenario> <Unix path of Brisvane.exe> <Unix work folder>
#include <windows.h>

#include <cstdio>
#include <functional>
#include <map>
#include <string>

#include "Driver.h"
#include "RegistryOverride.h"
#include "ShutdownFilesGuard.h"
#include "app/frmMainIds.h"
#include "app/frmProgressIds.h"
#include "reports/frmReportsIds.h"
#include "settings/Options.h"
#include "settings/frmLogonIds.h"
#include "settings/frmPasswordIds.h"

namespace {

struct Context {
    Driver& driver;
    std::string programFolder;  // Windows path
};

// Brisvane's windows are drawn by Wine itself, caption included, rather than left to a window
// manager the virtual display does not have.
void DrawWindowsWithoutWindowManager() {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\AppDefaults\\Brisvane.exe\\X11 Driver", 0,
                    nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    RegSetValueExA(key, "Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>("N"), 2);
    RegCloseKey(key);
}

HWND StartMain(Context& c) {
    c.driver.Start();
    HWND main = c.driver.WaitWindow(kMainTitle);
    Check(main != nullptr, "the main window \"" + kMainTitle + "\" is shown");
    return main;
}

void TickAndCheck(HWND main, int page, int box, const std::string& setting) {
    SelectTab(main, IDC_TABMAIN, page);
    Click(main, box);
    Wait(300);
    Check(IsChecked(main, box), setting + " ticked");
    Check(StoredSetting(setting) == "True", setting + " stored as True");
}

bool ShutDown(Context& c, HWND main) {
    Click(main, IDC_CMDCLOSE);
    return Check(c.driver.Exited(10000), "Shut Down ends the program");
}

void FirstStartShowsEveryPage(Context& c, HWND main) {
    for (const Option& option : kOptions) {
        const char* flag = option.name;
        Check(StoredSetting(flag) == "false", std::string(flag) + " created as false");
    }
    Check(StoredSetting("BrisvanePassword") == "", "no password stored");
    const char* status[] = {"Choose General Cleaning Items", "Choose Internet Cleaning Items",
                            "Choose General Cleaning Options", "Brisvane Information and Updates",
                            "Choose Other Browsers for Cleaning"};
    for (int page = 0; page < 5; ++page) {
        SelectTab(main, IDC_TABMAIN, page);
        Check(SelectedTab(main, IDC_TABMAIN) == page, "page " + std::to_string(page) + " shown");
        Check(StatusText(main, IDC_STBMAIN) == status[page], std::string("status ") + status[page]);
        c.driver.Shot(main, "main-page" + std::to_string(page));
    }
    Check(!IsChecked(main, IDC_CHKRUN), "Run History clear on an empty prefix");
    Check(!IsEnabled(main, IDC_CMDCOOKIES), "Cookie Options disabled");
    Check(!IsEnabled(main, IDC_CMDPASSWORD), "Set Password disabled");
    Check(IsEnabled(main, IDC_CMDREPORT), "Report Options enabled");
}

// Clicks Clean Now and watches the progress window until it goes; returns its captions.
std::vector<std::string> CleanNow(Context& c, HWND main) {
    Click(main, IDC_CMDCLEAN);
    HWND progress = c.driver.WaitWindow("", 10000);
    std::vector<std::string> captions;
    if (!Check(progress != nullptr && GetDlgItem(progress, IDC_PBRCLEAN) != nullptr,
               "the progress window is shown")) {
        return captions;
    }
    bool shot = false;
    for (int i = 0; i < 400 && IsWindow(progress) && IsWindowVisible(progress); ++i) {
        // The window text kept by the system: reading it does not wait for the busy program.
        char text[256] = {};
        GetWindowTextA(GetDlgItem(progress, IDC_LBLPROGRESS), text, sizeof text);
        std::string caption = text;
        if (captions.empty() || captions.back() != caption) captions.push_back(caption);
        if (!shot && caption.find("Currently") != std::string::npos) {
            c.driver.Shot(progress, "progress");
            shot = true;
        }
        Wait(100);
    }
    Check(!IsWindow(progress) || !IsWindowVisible(progress), "the progress window goes");
    for (const std::string& caption : captions)
        std::printf("        progress: %s\n", caption.c_str());
    return captions;
}

// An entry of another process's list box (asked in UTF-16, which Wine passes unchanged
// between processes; report names are ASCII).
std::string ListEntry(HWND list, int index) {
    wchar_t text[MAX_PATH] = {};
    SendMessageW(list, LB_GETTEXT, index, reinterpret_cast<LPARAM>(text));
    std::string entry;
    for (const wchar_t* c = text; *c != 0; ++c) entry += static_cast<char>(*c);
    return entry;
}

// The run left one report file; the reports window lists it and the viewer shows it whole.
void ReportIsListedAndViewed(Context& c, HWND main) {
    std::string reports = c.programFolder + "\\Reports";
    std::vector<std::string> files = FilesIn(reports);
    if (!Check(files.size() == 1 && files[0].rfind("CleanReport", 0) == 0 && files[0].size() > 4 &&
                   files[0].substr(files[0].size() - 4) == ".txt",
               "the run wrote one report file")) {
        return;
    }
    std::string content = ReadBytes(reports + "\\" + files[0]);
    Check(content.rfind("START OF CLEANING REPORT: ", 0) == 0 &&
              content.find("Cleaning Recycle Bin\r\nCompleted\r\n") != std::string::npos,
          "the report tells of the run");
    SelectTab(main, IDC_TABMAIN, 2);
    Click(main, IDC_CMDREPORT);
    HWND window = c.driver.WaitWindow("Report Options");
    if (!Check(window != nullptr, "Report Options opens the reports window")) return;
    c.driver.Shot(window, "reports");
    HWND list = GetDlgItem(window, IDC_REPORTS_LSTREPORTS);
    Check(SendMessageA(list, LB_GETCOUNT, 0, 0) == 1, "one report listed");
    Check(ListEntry(list, 0) == files[0].substr(0, files[0].size() - 4),
          "listed without .txt: " + ListEntry(list, 0));
    Check(IsEnabled(window, IDC_REPORTS_CMDVIEW), "View Report enabled");
    Click(window, IDC_REPORTS_CMDVIEW);
    HWND viewer = c.driver.WaitWindow("View Report");
    if (Check(viewer != nullptr, "View Report opens the viewer")) {
        c.driver.Shot(viewer, "report-viewer");
        Check(TextOf(viewer, IDC_VIEWREPORT_TXTREPORT) == content,
              "the viewer shows the whole file");
        Click(viewer, IDC_VIEWREPORT_CMDCLOSE);
        Check(c.driver.WaitGone(viewer, 5000), "the viewer closes");
    }
    Click(window, IDC_REPORTS_CMDCLOSE);
    Check(c.driver.WaitGone(window, 5000), "the reports window closes");
}

void StartTickAndClean(Context& c) {
    for (const std::string& old : FilesIn(c.programFolder + "\\Reports")) {
        DeleteFileA((c.programFolder + "\\Reports\\" + old).c_str());
    }
    HWND main = StartMain(c);
    if (main == nullptr) return;
    FirstStartShowsEveryPage(c, main);
    TickAndCheck(main, 0, IDC_CHKRUN, "Run");
    TickAndCheck(main, 0, IDC_CHKRECYCLEBIN, "RecycleBin");
    TickAndCheck(main, 1, IDC_CHKCOOKIES, "InternetCookies");
    Check(IsEnabled(main, IDC_CMDCOOKIES), "Cookie Options follows its box");
    Click(main, IDC_CHKCOOKIES);
    Wait(300);
    Check(StoredSetting("InternetCookies") == "False", "InternetCookies cleared again");
    TickAndCheck(main, 2, IDC_CHKDISPLAYPROGRESS, "DisplayProgress");
    TickAndCheck(main, 2, IDC_CHKREPORT, "Report");
    c.driver.Shot(main, "main-ticked");

    std::vector<std::string> captions = CleanNow(c, main);
    auto saw = [&](const std::string& text) {
        for (const std::string& caption : captions) {
            if (caption == text) return true;
        }
        return false;
    };
    Check(saw("Brisvane is Currently Cleaning: Run History..."), "progress shows Run History");
    Check(saw("Brisvane is Currently Cleaning: Recycle Bin..."), "progress shows Recycle Bin");
    Check(saw("Brisvane: Completing..."), "progress shows Completing");
    Check(IsWindowVisible(main) != FALSE, "the main window stays after the run");
    ReportIsListedAndViewed(c, main);
    ShutDown(c, main);
}

void Logon(Context& c, const std::string& typed, const std::string& shotName) {
    HWND logon = c.driver.WaitWindow("Logon to Brisvane");
    if (!Check(logon != nullptr, "the logon window is shown")) return;
    if (!shotName.empty()) c.driver.Shot(logon, shotName);
    TypeText(logon, IDC_TXTPASSWORD, typed);
    Click(logon, IDC_LOGON_CMDOK);
}

void ProtectWithPassword(Context& c, HWND main) {
    TickAndCheck(main, 2, IDC_CHKPASSWORD, "PasswordProtected");
    Check(IsEnabled(main, IDC_CMDPASSWORD), "Set Password enabled");
    SelectTab(main, IDC_TABMAIN, 0);
    Click(main, IDC_CMDCLOSE);
    std::string text;
    HWND box = c.driver.WaitMessageBox(text);
    if (Check(box != nullptr, "closing without a password is refused with a message")) {
        c.driver.Shot(box, "close-refused");
        Check(text.find("No Password has been entered, please enter password") != std::string::npos,
              "the refusal says why: " + text);
        Click(box, IDOK);
        c.driver.WaitGone(box, 5000);
    }
    Wait(300);
    Check(!c.driver.Exited(0) && IsWindowVisible(main), "the program keeps running");
    Check(SelectedTab(main, IDC_TABMAIN) == 2, "Cleaning Options is selected");

    Click(main, IDC_CMDPASSWORD);
    HWND set = c.driver.WaitWindow("Set Brisvane Password");
    if (!Check(set != nullptr, "the set-password window is shown")) return;
    TypeText(set, IDC_TXTPASSWORD1, "Brisvane 2026");
    TypeText(set, IDC_TXTPASSWORD2, "Brisvane 2026");
    Wait(300);
    c.driver.Shot(set, "set-password");
    Click(set, IDC_PASSWORD_CMDOK);
    Check(c.driver.WaitGone(set, 5000), "the set-password window closes");
    std::string stored = StoredSetting("BrisvanePassword");
    Check(stored.rfind("pbkdf2-sha256$310000$", 0) == 0 && stored.find("2026") == std::string::npos,
          "the password is stored only as its hash: " + stored);
}

void PasswordLogonAndTray(Context& c) {
    HWND main = StartMain(c);
    if (main == nullptr) return;
    ProtectWithPassword(c, main);
    if (!ShutDown(c, main)) return;

    c.driver.Start();
    Logon(c, "brisvane 2026", "logon");
    std::string text;
    HWND box = c.driver.WaitMessageBox(text);
    Check(box != nullptr && text == "Incorrect Password.", "a wrong case is refused: " + text);
    if (box != nullptr) {
        c.driver.Shot(box, "logon-refused");
        Click(box, IDOK);
        c.driver.WaitGone(box, 5000);
    }
    Logon(c, "Brisvane 2026", "");
    main = c.driver.WaitWindow(kMainTitle);
    if (!Check(main != nullptr, "the right password opens the main window")) return;

    Click(main, IDC_CMDHIDE);
    Wait(500);
    Check(!IsWindowVisible(main) && !c.driver.Exited(0), "Hide leaves only the tray icon");
    // The tray reports the right button released over the icon.
    PostMessageA(main, WM_APP + 40, 1, WM_RBUTTONUP);
    HWND menu = c.driver.WaitMenu();
    if (Check(menu != nullptr, "the right button pops the tray menu")) {
        c.driver.ScreenShot("tray-menu");
        PostMessageA(menu, WM_CHAR, 'o', 0);
    }
    Logon(c, "Brisvane 2026", "");
    Check(c.driver.WaitWindow(kMainTitle) != nullptr, "Open shows the window after the logon");
    Check(SelectedTab(main, IDC_TABMAIN) == 0, "Open selects page 0");
    ShutDown(c, main);

    // A password stored as typed by an earlier version logs on once and is then hashed.
    StoreSetting("BrisvanePassword", "Typed 1999");
    c.driver.Start();
    Logon(c, "Typed 1999", "");
    main = c.driver.WaitWindow(kMainTitle);
    if (!Check(main != nullptr, "a password stored as typed logs on")) return;
    std::string stored = StoredSetting("BrisvanePassword");
    Check(stored.rfind("pbkdf2-sha256$", 0) == 0 && stored.find("1999") == std::string::npos,
          "after the logon it is stored as its hash: " + stored);
    ShutDown(c, main);
}

}  // namespace

// BrowserScenario.cpp
void BrowsersAndLinks(const std::string& exePath, const std::string& workFolder,
                      const std::string& shotFolder);
// OtherBrowsersScenario.cpp
void OtherBrowsersAtLogOn(Driver& driver, const std::string& programFolder,
                          const std::string& work);
// PoliciesScenario.cpp
void ManagedMachine(Driver& driver, const std::string& programFolder, const std::string& work);

// PreviewScenario.cpp
void PreviewThenClean(Driver& driver, const std::string& programFolder, const std::string& work);

int main(int argc, char** argv) {
    if (argc != 4) {
        std::printf("usage: %s <scenario> <Brisvane.exe> <work folder>\n", argv[0]);
        return 2;
    }
    const std::map<std::string, std::function<void(Context&)>> scenarios{
        {"start-tick-clean", StartTickAndClean},
        {"password-logon-tray", PasswordLogonAndTray},
        {"other-browsers",
         [](Context& c) { OtherBrowsersAtLogOn(c.driver, c.programFolder, c.programFolder); }},
        {"policies",
         [](Context& c) { ManagedMachine(c.driver, c.programFolder, c.programFolder); }},
        {"preview",
         [](Context& c) { PreviewThenClean(c.driver, c.programFolder, c.programFolder); }},
        {"browsers",
         [&](Context& c) {
             BrowsersAndLinks(c.programFolder + "\\Brisvane.exe", c.programFolder,
                              WindowsPath(argv[3]) + "-shots");
         }},
    };
    auto scenario = scenarios.find(argv[1]);
    if (scenario == scenarios.end()) return 2;

    std::string work = WindowsPath(argv[3]);
    std::string folder = work + "\\" + argv[1];
    std::string program = folder + "\\Brisvane.exe";
    CreateDirectoryA(work.c_str(), nullptr);
    CreateDirectoryA(folder.c_str(), nullptr);
    if (!CopyFileA(WindowsPath(argv[2]).c_str(), program.c_str(), FALSE)) {
        std::printf("cannot copy Brisvane.exe to %s\n", program.c_str());
        return 2;
    }
    DeleteBrisvaneKey();
    DrawWindowsWithoutWindowManager();
    // Every start registers the program at log-on and prepares the shut-down scripts.
    ShutdownFilesGuard startUpTraces;
    // The internet items are enabled for Internet Explorer; the browsers scenario registers
    // other browsers on top.
    ExplorerRegistered explorer;
    Driver driver(program, WindowsPath(argv[3]) + "-shots", argv[1]);
    Context context{driver, folder};
    scenario->second(context);
    driver.Kill();
    DeleteBrisvaneKey();
    std::printf("%s: %d failed check(s)\n", argv[1], Failures());
    return Failures() == 0 ? 0 : 1;
}
