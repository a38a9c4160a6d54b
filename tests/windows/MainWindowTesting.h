// Shared set-up of the main-window tests: a clean settings key before and after each test,
// scripted message boxes, and raw access to the stored settings.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>
// after windows.h
#include <commctrl.h>

#include <string>
#include <vector>

#include "DialogProbe.h"
#include "FailingRegistryApi.h"
#include "FakeUi.h"
#include "RegistrySandbox.h"
#include "app/frmMain.h"
#include "app/frmMainIds.h"
#include "app/frmProgressIds.h"
#include "settings/Options.h"
#include "settings/ProgramState.h"

inline const char* kSettingsPath = "Software\\Brisvane\\Settings";

inline void ClearStoredSettings() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brisvane"); }

// The stored text of a setting, or "<missing>".
inline std::string Stored(const std::string& name) { return ReadRawText(kSettingsPath, name); }

inline void Store(const std::string& name, const std::string& text) {
    WriteRaw(kSettingsPath, name, REG_SZ, SzBytes(text));
}

// Stores every flag with one value, and then the given exceptions.
inline void StoreAllFlags(const std::string& text) {
    for (const Option& option : kOptions) Store(option.name, text);
}

// The progress window of this process, visible or not.
inline HWND FindProgressWindow() {
    HWND w = nullptr;
    while ((w = FindWindowExA(nullptr, w, "#32770", nullptr)) != nullptr) {
        DWORD pid = 0;
        GetWindowThreadProcessId(w, &pid);
        if (pid == GetCurrentProcessId() && GetDlgItem(w, IDC_PBRCLEAN) != nullptr) return w;
    }
    return nullptr;
}

// What the progress window shows at one moment.
struct BarReading {
    bool visible;
    std::string caption;
    int position;
    int max;
};

inline BarReading ReadProgressWindow(HWND progress) {
    HWND bar = GetDlgItem(progress, IDC_PBRCLEAN);
    return {IsWindowVisible(progress) != FALSE, TextOf(progress, IDC_LBLPROGRESS),
            static_cast<int>(SendMessageA(bar, PBM_GETPOS, 0, 0)),
            static_cast<int>(SendMessageA(bar, PBM_GETRANGE, FALSE, 0))};
}

// Records the names of the values written, to see what loading stores.
class RecordingRegistryApi : public FailingRegistryApi {
  public:
    std::vector<std::string> written;
    LONG RegSetValueExA(HKEY key, const char* name, DWORD type, const BYTE* data,
                        DWORD size) override {
        written.push_back(name);
        return FailingRegistryApi::RegSetValueExA(key, name, type, data, size);
    }
};

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ClearStoredSettings();
        Program().automaticMode = false;
    }
    void TearDown() override {
        Program().automaticMode = false;
        ClearStoredSettings();
    }

    HWND Control(int id) const { return GetDlgItem(window.Handle(), id); }
    bool Checked(int id) const { return IsChecked(window.Handle(), id); }
    void UserClick(int id) { Press(window.Handle(), id); }
    std::string StatusText() const {
        char text[256] = {};
        SendMessageA(Control(IDC_STBMAIN), SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(text));
        return text;
    }
    // A click on the tab of a page, as the tab control reports it.
    void ClickTab(int page) {
        SendMessageA(Control(IDC_TABMAIN), TCM_SETCURSEL, page, 0);
        NMHDR header{Control(IDC_TABMAIN), IDC_TABMAIN, static_cast<UINT>(TCN_SELCHANGE)};
        SendMessageA(window.Handle(), WM_NOTIFY, IDC_TABMAIN, reinterpret_cast<LPARAM>(&header));
    }

    FakeUi ui;
    frmMain window;
};
