#include "app/frmProgress.h"

#include <windows.h>
// after windows.h
#include <commctrl.h>

#include "app/frmProgressIds.h"
#include "clean/RunClean.h"

namespace {

constexpr UINT kReclaimFocus = WM_APP + 1;
constexpr int kClientWidthTwips = 5700;
constexpr int kClientHeightTwips = 1020;

// A bold copy of the font a control uses.
HFONT BoldFontOf(HWND control) {
    auto font = reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0));
    LOGFONTA face{};
    GetObjectA(font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    face.lfWeight = FW_BOLD;
    return CreateFontIndirectA(&face);
}

}  // namespace

frmProgress::frmProgress() : Dialog(IDD_FRMPROGRESS) {}

frmProgress& SharedProgressWindow() {
    static frmProgress window;
    return window;
}

frmProgress::~frmProgress() { Unload(); }

void RunClean(cRegistry& registry, const cSettings& settings, Boolean quiet) {
    frmProgress progress;
    RunClean(registry, settings, quiet, progress);
}

void frmProgress::Ensure() { Load(nullptr); }

void frmProgress::OnInit() {
    SetClientSizeTwips(kClientWidthTwips, kClientHeightTwips);
    CentreOnScreen();
    boldFont_ = BoldFontOf(Item(IDC_LBLPROGRESS));
    SendMessageA(Item(IDC_LBLPROGRESS), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), FALSE);
    max_ = 100.0f;
    value_ = 0.0f;
    ApplyBar();
}

void frmProgress::OnDestroy() {
    if (boldFont_ != nullptr) DeleteObject(boldFont_);
    boldFont_ = nullptr;
}

void frmProgress::Show() {
    Ensure();
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    UpdateWindow(Handle());
}

float frmProgress::Max() {
    Ensure();
    return max_;
}

void frmProgress::SetMax(float max) {
    Ensure();
    max_ = max;
    ApplyBar();
}

float frmProgress::Value() {
    Ensure();
    return value_;
}

void frmProgress::SetValue(float value) {
    Ensure();
    value_ = value;
    ApplyBar();
}

std::string frmProgress::Caption() {
    Ensure();
    return ItemText(IDC_LBLPROGRESS);
}

void frmProgress::SetCaption(const std::string& caption) {
    Ensure();
    SetItemText(IDC_LBLPROGRESS, caption);
}

void frmProgress::ApplyBar() {
    HWND bar = Item(IDC_PBRCLEAN);
    SendMessageA(bar, PBM_SETRANGE32, 0, static_cast<LPARAM>(max_));
    SendMessageA(bar, PBM_SETPOS, static_cast<WPARAM>(value_), 0);
}

bool frmProgress::OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) {
    if (msg == WM_ACTIVATE && LOWORD(w) == WA_INACTIVE && IsVisible()) {
        // Another program's window took the focus: take it back. Windows of this thread,
        // such as a message box during the run, keep it.
        auto other = reinterpret_cast<HWND>(l);
        if (other == nullptr || GetWindowThreadProcessId(other, nullptr) != GetCurrentThreadId()) {
            PostMessageA(Handle(), kReclaimFocus, 0, 0);
        }
        return false;
    }
    if (msg == kReclaimFocus) {
        if (IsVisible()) {
            SetForegroundWindow(Handle());
            SetActiveWindow(Handle());
            SetFocus(Handle());
        }
        result = TRUE;
        return true;
    }
    return false;
}
