#include "cookies/ListBoxes.h"

#include <algorithm>

#include "platform/AppError.h"
#include "platform/UiServices.h"

void FitHorizontalExtent(HWND list) {
    HDC dc = GetDC(list);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(list, WM_GETFONT, 0, 0)));
    int widest = 0;
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        std::string text(static_cast<std::size_t>(SendMessageA(list, LB_GETTEXTLEN, i, 0)), '\0');
        SendMessageA(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        SIZE size{};
        GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
        widest = std::max(widest, static_cast<int>(size.cx));
    }
    SelectObject(dc, old);
    ReleaseDC(list, dc);
    SendMessageA(list, LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest + 4), 0);
}

void FillListBox(HWND list, const std::vector<std::string>& names) {
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : names) {
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    FitHorizontalExtent(list);
}

std::string Describe(const std::exception& failure) {
    const auto* error = dynamic_cast<const AppError*>(&failure);
    return error != nullptr ? error->Description() : failure.what();
}

void Tell(const std::string& text) { Ui().ShowMessage(text, MB_OK | MB_ICONEXCLAMATION); }
