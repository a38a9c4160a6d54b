#include "Driver.h"

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "RegistrySandbox.h"
#include "settings/RegistryPaths.h"

namespace {

int failures = 0;

bool BelongsTo(HWND window, DWORD pid) {
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    return owner == pid;
}

void SaveBitmap(HDC screen, const RECT& area, const std::string& path) {
    int width = area.right - area.left;
    int height = area.bottom - area.top;
    if (width <= 0 || height <= 0) return;
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    SelectObject(memory, old);
    BITMAPINFOHEADER info{sizeof info, width, height, 1, 24, BI_RGB, 0, 0, 0, 0, 0};
    DWORD stride = ((width * 3 + 3) / 4) * 4;
    std::vector<char> pixels(stride * height);
    GetDIBits(memory, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&info),
              DIB_RGB_COLORS);
    BITMAPFILEHEADER file{0x4D42, 0, 0, 0, sizeof file + sizeof info};
    file.bfSize = file.bfOffBits + static_cast<DWORD>(pixels.size());
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(&file), sizeof file);
    out.write(reinterpret_cast<const char*>(&info), sizeof info);
    out.write(pixels.data(), static_cast<std::streamsize>(pixels.size()));
    DeleteObject(bitmap);
    DeleteDC(memory);
}

}  // namespace

int Failures() { return failures; }

bool Check(bool ok, const std::string& what) {
    std::printf("%s %s\n", ok ? "  ok  " : "  FAIL", what.c_str());
    std::fflush(stdout);
    if (!ok) ++failures;
    return ok;
}

void Wait(DWORD ms) { Sleep(ms); }

Driver::Driver(std::string exePath, std::string shotFolder, std::string shotPrefix)
    : exe_(std::move(exePath)), shots_(std::move(shotFolder)), prefix_(std::move(shotPrefix)) {
    CreateDirectoryA(shots_.c_str(), nullptr);
}

Driver::~Driver() { Kill(); }

void Driver::Start(const std::string& arguments, bool waitForIdle) {
    Kill();
    std::string commandLine = "\"" + exe_ + "\"";
    if (!arguments.empty()) commandLine += " " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(exe_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process_)) {
        Check(false, "start " + exe_);
        return;
    }
    pid_ = process_.dwProcessId;
    if (waitForIdle) WaitForInputIdle(process_.hProcess, 10000);
}

bool Driver::Exited(DWORD waitMs) {
    if (process_.hProcess == nullptr) return true;
    return WaitForSingleObject(process_.hProcess, waitMs) == WAIT_OBJECT_0;
}

DWORD Driver::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_.hProcess != nullptr) GetExitCodeProcess(process_.hProcess, &code);
    return code;
}

void Driver::Kill() {
    if (process_.hProcess == nullptr) return;
    if (!Exited(0)) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hProcess);
    CloseHandle(process_.hThread);
    process_ = {};
    pid_ = 0;
}

HWND Driver::FindShown(const char* cls, const char* caption) const {
    HWND w = nullptr;
    while ((w = FindWindowExA(nullptr, w, cls, caption)) != nullptr) {
        if (BelongsTo(w, pid_) && IsWindowVisible(w)) return w;
    }
    return nullptr;
}

HWND Driver::WaitWindow(const std::string& caption, DWORD waitMs) {
    for (DWORD waited = 0;; waited += 50) {
        HWND w = FindShown("#32770", caption.c_str());
        if (w != nullptr) {
            Sleep(300);  // let it paint
            return w;
        }
        if (waited >= waitMs) return nullptr;
        Sleep(50);
    }
}

HWND Driver::WaitMenu(DWORD waitMs) {
    for (DWORD waited = 0;; waited += 50) {
        HWND w = FindShown("#32768", nullptr);
        if (w != nullptr) {
            Sleep(300);
            return w;
        }
        if (waited >= waitMs) return nullptr;
        Sleep(50);
    }
}

bool Driver::WaitGone(HWND window, DWORD waitMs) {
    for (DWORD waited = 0;; waited += 50) {
        if (!IsWindow(window) || !IsWindowVisible(window)) return true;
        if (waited >= waitMs) return false;
        Sleep(50);
    }
}

HWND Driver::WaitMessageBox(std::string& text, DWORD waitMs) {
    HWND box = WaitWindow("Brisvane", waitMs);
    text.clear();
    if (box == nullptr) return nullptr;
    for (HWND child = GetWindow(box, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        char cls[32] = {};
        GetClassNameA(child, cls, sizeof cls);
        char caption[512] = {};
        GetWindowTextA(child, caption, sizeof caption);
        if (lstrcmpiA(cls, "Static") == 0 && caption[0] != '\0') text += caption;
    }
    return box;
}

std::string Driver::ShotPath(const std::string& name) {
    char number[8];
    std::snprintf(number, sizeof number, "-%02d-", ++shotCount_);
    return shots_ + "\\" + prefix_ + number + name + ".bmp";
}

void Driver::Shot(HWND window, const std::string& name) {
    RECT area;
    if (window == nullptr || !GetWindowRect(window, &area)) return;
    HDC screen = GetDC(nullptr);
    SaveBitmap(screen, area, ShotPath(name));
    ReleaseDC(nullptr, screen);
}

void Driver::ScreenShot(const std::string& name) {
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    HDC screen = GetDC(nullptr);
    SaveBitmap(screen, area, ShotPath(name));
    ReleaseDC(nullptr, screen);
}

void SelectTab(HWND dialog, int tabId, int page) {
    HWND tab = GetDlgItem(dialog, tabId);
    for (int tries = 0; tries < 8 && SelectedTab(dialog, tabId) != page; ++tries) {
        WPARAM key = SelectedTab(dialog, tabId) < page ? VK_RIGHT : VK_LEFT;
        SendMessageA(tab, WM_KEYDOWN, key, 0);
        SendMessageA(tab, WM_KEYUP, key, 0);
    }
    Sleep(200);
}

std::string StatusText(HWND dialog, int statusId) { return TextOf(dialog, statusId); }

std::string StoredSetting(const std::string& name) { return ReadRawText(regpath::kSettings, name); }

void StoreSetting(const std::string& name, const std::string& text) {
    WriteRaw(regpath::kSettings, name, REG_SZ, SzBytes(text));
}

void DeleteBrisvaneKey() { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\Brisvane"); }

std::vector<std::string> FilesIn(const std::string& folder) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
            names.push_back(found.cFileName);
        }
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

std::string WindowsPath(const std::string& unixPath) {
    // Inside the build folder, through the drive the test wrapper maps to it: the scenarios'
    // paths then stay short wherever the checkout lives.
    const char* drive = std::getenv("BRISVANE_BUILD_DRIVE");
    const char* build = std::getenv("BRISVANE_BUILD_FOLDER");
    const std::string folder = build != nullptr ? build : "";
    std::string path = "Z:" + unixPath;
    if (drive != nullptr && !folder.empty() && unixPath.rfind(folder, 0) == 0 &&
        (unixPath.size() == folder.size() || unixPath[folder.size()] == '/')) {
        const std::string rest = unixPath.substr(folder.size());
        path = drive + (rest.empty() ? "/" : rest);
    }
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}
