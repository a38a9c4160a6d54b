#include "platform/UiServices.h"

namespace {

IUiServices*& Current() {
    static UiServices real;
    static IUiServices* current = &real;
    return current;
}

}  // namespace

IUiServices& Ui() { return *Current(); }

UiOverride::UiOverride(IUiServices& services) : previous_(Current()) { Current() = &services; }

UiOverride::~UiOverride() { Current() = previous_; }

int UiServices::ShowMessage(const std::string& text, UINT flags) {
    return MessageBoxA(GetActiveWindow(), text.c_str(), kAppTitle, flags | MB_SETFOREGROUND);
}

void UiServices::SetMousePointer(MousePointer pointer) {
    pointer_ = pointer;
    SetCursor(LoadCursorA(nullptr, pointer == MousePointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

void UiServices::DoEvents() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Leave the quit request for the main message loop.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void UiServices::Pause(DWORD milliseconds) { Sleep(milliseconds); }

ClockTime UiServices::Now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    return ClockTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

std::string UiServices::MonthAbbreviation(int month) {
    SYSTEMTIME st{};
    st.wYear = 2000;
    st.wMonth = static_cast<WORD>(month);
    st.wDay = 1;
    char buffer[32] = {};
    if (GetDateFormatA(LOCALE_USER_DEFAULT, 0, &st, "MMM", buffer, sizeof buffer) == 0) {
        static const char* const kEnglish[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
        return month >= 1 && month <= 12 ? kEnglish[month - 1] : "";
    }
    return buffer;
}
