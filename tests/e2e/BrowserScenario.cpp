// End-to-end: the Internet Cleaning page of the real Brisvane.exe for Internet Explorer,
// Netscape with two profiles, Wine's own browser and the user's choice on a machine set up like
// Windows 10 and Windows 11 25H2, and the link labels starting a stand-in browser, with the program
// in a folder whose path has blanks. Every registration is undone when its step ends.
#include <windows.h>

#include <string>
#include <vector>

#include "Driver.h"
#include "RegistryOverride.h"
#include "app/frmMainIds.h"

namespace {

const char* kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders";
const int kInternetItems[] = {IDC_CHKINTERNETHISTORY, IDC_CHKTEMPINTERNET, IDC_CHKCOOKIES,
                              IDC_CHKURLHISTORY};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t from = 0;
    for (std::size_t lf; (lf = text.find('\n', from)) != std::string::npos; from = lf + 1)
        lines.push_back(text.substr(from, lf - from));
    return lines;
}

// A click on a link label, as the mouse gives it.
void ClickLabel(HWND main, int id) {
    HWND label = GetDlgItem(main, id);
    PostMessageA(label, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(label, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

struct Scenario {
    Driver& driver;
    std::string folder;  // the program's folder, with blanks
    std::string work;    // the scenario's own folder

    HWND Start() {
        DeleteBrisvaneKey();
        driver.Start();
        HWND main = driver.WaitWindow(kMainTitle);
        Check(main != nullptr, "the main window is shown");
        return main;
    }
    void ShutDown(HWND main) {
        Click(main, IDC_CMDCLOSE);
        Check(driver.Exited(10000), "Shut Down ends the program");
    }

    // The page for one browser: caption, profile controls, the internet items' state.
    HWND ShowsPage(const std::string& shot, const std::string& caption, bool netscape,
                   bool itemsEnabled) {
        HWND main = Start();
        if (main == nullptr) return nullptr;
        SelectTab(main, IDC_TABMAIN, 1);
        Wait(500);
        Check(TextOf(main, IDC_LBLBROWSER) == caption,
              "the page names the browser: " + TextOf(main, IDC_LBLBROWSER));
        Check(
            IsShown(main, IDC_CBOPROFILE) == netscape && IsShown(main, IDC_LBLDEFAULT1) == netscape,
            "the profile list is shown only for Netscape");
        for (int id : kInternetItems)
            Check(IsEnabled(main, id) == itemsEnabled, "internet item " + std::to_string(id));
        driver.Shot(main, shot);
        return main;
    }

    void Explorer() {
        ExplorerRegistered explorer;
        HWND main = ShowsPage("explorer-page1", "Internet Explorer 6.0", false, true);
        if (main != nullptr) ShutDown(main);
    }

    void Netscape() {
        NetscapeRegistered netscape;
        std::string appData = work + "\\appdata";
        MakeFolders(appData + "\\Mozilla");
        std::string content;
        for (const char* name : {"work", "home"}) {
            std::string profile = appData + "\\Mozilla\\Profiles\\" + name + "\\x7k2.slt";
            MakeFolders(profile);
            content += std::string("\x01\x00", 2) + "directory" + std::string("\x00", 1) + profile +
                       std::string("\x00\x03", 2);
        }
        WriteBytes(appData + "\\Mozilla\\registry.dat", content);
        RegistryOverride appDataValue(HKEY_CURRENT_USER, kShellFoldersKey, "AppData", appData);
        HWND main = ShowsPage("netscape-page1", "Netscape 7.1", true, true);
        if (main == nullptr) return;
        HWND list = GetDlgItem(main, IDC_CBOPROFILE);
        Check(SendMessageA(list, CB_GETCOUNT, 0, 0) == 2, "two profiles listed");
        Check(TextOf(main, IDC_CBOPROFILE) == "work", "the first profile is selected");
        Check(StoredSetting("DefaultNSProfile") == "work", "the first profile replaces default");
        SendMessageA(list, CB_SHOWDROPDOWN, TRUE, 0);
        Wait(500);
        driver.ScreenShot("netscape-profiles-open");
        SendMessageA(list, CB_SHOWDROPDOWN, FALSE, 0);
        ShutDown(main);
    }

    void WineBrowser() {
        HttpCommandOverride wine(kWineBrowserCommand);
        HWND main = ShowsPage("wine-page1", "Unknown Browser", false, false);
        if (main == nullptr) return;
        Check(!IsEnabled(main, IDC_CMDCOOKIES), "Cookie Options disabled");
        ShutDown(main);
    }

    // A machine set up like Windows 10: Internet Explorer 11 with its version in "svcVersion",
    // the "http" key still naming iexplore.exe, and the user's choice in UserChoice.
    void Windows10() {
        ExplorerRegistered explorer("9.11.9600.18860", kExplorerCommand, "11.0.9600.18860");
        {
            ProgIdRegistered ie("IE.HTTP",
                                "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" %1");
            HttpChoiceRegistered choice("UserChoice", "IE.HTTP");
            HWND main = ShowsPage("windows10-ie-page1", "Internet Explorer 11.0", false, true);
            if (main != nullptr) ShutDown(main);
        }
        std::string log = work + "\\browser-log.txt";
        SetEnvironmentVariableA("BRISVANE_BROWSER_LOG", log.c_str());
        std::string command(1, '"');
        command += WindowsPath(BRISVANE_RECORDING_BROWSER);
        command += "\" --single-argument %1";
        ProgIdRegistered chrome("ChromeHTML", command.c_str());
        HttpChoiceRegistered choice("UserChoice", "ChromeHTML");
        HWND main = ShowsPage("windows10-chrome-page1", "Unknown Browser", false, false);
        if (main == nullptr) return;
        std::vector<std::string> guide = Launched(main, 1, IDC_LBLGUIDE1, log);
        Check(guide == std::vector<std::string>{"--single-argument",
                                                folder + "\\UserGuide\\BrisvaneUserGuide.htm"},
              "the guide opens in the chosen browser: " + (guide.empty() ? "" : guide.back()));
        ShutDown(main);
        DeleteFileA(log.c_str());
    }

    // A machine set up like Windows 11 25H2 whose user moved from Internet Explorer to Chrome:
    // the choice only in UserChoiceLatest's subkey "ProgId", UserChoice left naming IE.HTTP.
    // The page points to the Other Browsers page, and the guide opens in Chrome.
    void Windows11() {
        ExplorerRegistered explorer("9.11.9600.18860", kExplorerCommand, "11.0.9600.18860");
        ProgIdRegistered ie("IE.HTTP", "\"C:\\Program Files\\Internet Explorer\\iexplore.exe\" %1");
        HttpChoiceRegistered stale("UserChoice", "IE.HTTP");
        std::string log = work + "\\browser-log.txt";
        SetEnvironmentVariableA("BRISVANE_BROWSER_LOG", log.c_str());
        const std::string command =
            "\"" + WindowsPath(BRISVANE_RECORDING_BROWSER) + "\" --single-argument %1";
        ProgIdRegistered chrome("ChromeHTML", command.c_str());
        LatestHttpChoiceRegistered choice("ChromeHTML");
        HWND main = ShowsPage("windows11-chrome-page1", "Unknown Browser", false, false);
        if (main == nullptr) return;
        Check(IsShown(main, IDC_LBLOTHERBROWSER) &&
                  TextOf(main, IDC_LBLOTHERBROWSER) ==
                      "Google Chrome is cleaned on the Other Browsers page",
              "the page points to where Chrome is cleaned: " + TextOf(main, IDC_LBLOTHERBROWSER));
        ClickLabel(main, IDC_LBLOTHERBROWSER);
        Wait(500);
        Check(SelectedTab(main, IDC_TABMAIN) == 4, "the link selects the Other Browsers page");
        driver.Shot(main, "windows11-link-clicked");
        std::vector<std::string> guide = Launched(main, 1, IDC_LBLGUIDE1, log);
        Check(guide == std::vector<std::string>{"--single-argument",
                                                folder + "\\UserGuide\\BrisvaneUserGuide.htm"},
              "the guide opens in Chrome: " + (guide.empty() ? "" : guide.back()));
        ShutDown(main);
        DeleteFileA(log.c_str());
    }

    // The stand-in browser's arguments after a click on a link label.
    std::vector<std::string> Launched(HWND main, int page, int label, const std::string& log) {
        DeleteFileA(log.c_str());
        SelectTab(main, IDC_TABMAIN, page);
        Wait(300);
        ClickLabel(main, label);
        // The stand-in browser writes its log and ends; wait for a whole line.
        std::string text;
        for (int i = 0; i < 100 && (text = ReadBytes(log)).find('\n') == std::string::npos; ++i)
            Wait(100);
        Wait(300);
        return Lines(ReadBytes(log));
    }

    void Links() {
        std::string log = work + "\\browser-log.txt";
        SetEnvironmentVariableA("BRISVANE_BROWSER_LOG", log.c_str());
        std::string command(1, '"');
        command += WindowsPath(BRISVANE_RECORDING_BROWSER);
        command += "\" \"%1\"";
        HttpCommandOverride browser(command);
        HWND main = Start();
        if (main == nullptr) return;
        std::vector<std::string> guide = Launched(main, 0, IDC_LBLGUIDE0, log);
        Check(guide == std::vector<std::string>{folder + "\\UserGuide\\BrisvaneUserGuide.htm"},
              "the guide's path arrives as one argument: " + (guide.empty() ? "" : guide[0]));
        std::vector<std::string> web = Launched(main, 3, IDC_LBLWEB2, log);
        Check(web == std::vector<std::string>{"www.brisvane.example"},
              "the maker's page arrives: " + (web.empty() ? "" : web[0]));
        ShutDown(main);
        DeleteFileA(log.c_str());
    }

    void BrowserThatCannotStart() {
        HttpCommandOverride missing("\"Z:\\no such folder\\browser.exe\" \"%1\"");
        HWND main = Start();
        if (main == nullptr) return;
        SelectTab(main, IDC_TABMAIN, 1);
        ClickLabel(main, IDC_LBLGUIDE1);
        std::string text;
        HWND box = driver.WaitMessageBox(text);
        if (Check(box != nullptr, "a browser that cannot start is told")) {
            driver.Shot(box, "browser-cannot-start");
            Check(text.find("The web browser could not be started:") != std::string::npos,
                  "the message says so: " + text);
            Click(box, IDOK);
            driver.WaitGone(box, 5000);
        }
        Wait(500);
        Check(!driver.Exited(0) && IsWindowVisible(main), "the program keeps running");
        ShutDown(main);
    }
};

}  // namespace

void BrowsersAndLinks(const std::string& exePath, const std::string& workFolder,
                      const std::string& shotFolder) {
    std::string folder = workFolder + "\\Program Files\\Brisvane";
    MakeFolders(folder);
    std::string program = folder + "\\Brisvane.exe";
    if (!Check(CopyFileA(exePath.c_str(), program.c_str(), FALSE) != FALSE, "copy " + program))
        return;
    Driver driver(program, shotFolder, "browsers");
    Scenario scenario{driver, folder, workFolder};
    scenario.Explorer();
    scenario.Netscape();
    scenario.WineBrowser();
    scenario.Windows10();
    scenario.Windows11();
    scenario.Links();
    scenario.BrowserThatCannotStart();
    driver.Kill();
}
