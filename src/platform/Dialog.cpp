#include "platform/Dialog.h"

#include "platform/AppError.h"
#include "platform/UiServices.h"

Dialog::~Dialog() {
    if (hwnd_ != nullptr) {
        SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
        DestroyWindow(hwnd_);
    }
}

void Dialog::Load(HWND owner) {
    if (hwnd_ != nullptr) return;
    modal_ = false;
    CreateDialogParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_), owner,
                       &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
}

INT_PTR Dialog::ShowModal(HWND owner) {
    modal_ = true;
    INT_PTR result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId_),
                                     owner, &Dialog::Procedure, reinterpret_cast<LPARAM>(this));
    modal_ = false;
    return result;
}

void Dialog::Unload() {
    if (hwnd_ == nullptr) return;
    if (modal_) {
        EndDialog(hwnd_, 0);
    } else {
        DestroyWindow(hwnd_);
    }
}

std::string Dialog::ItemText(int id) const {
    HWND item = Item(id);
    int length = GetWindowTextLengthA(item);
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = GetWindowTextA(item, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied));
    return text;
}

void Dialog::SetItemText(int id, const std::string& text) {
    SetDlgItemTextA(hwnd_, id, text.c_str());
}

void Dialog::SetClientSizeTwips(int widthTwips, int heightTwips) {
    RECT rect{0, 0, TwipsToPixelsX(widthTwips), TwipsToPixelsY(heightTwips)};
    DWORD style = static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE));
    DWORD exStyle = static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE));
    AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    SetWindowPos(hwnd_, nullptr, 0, 0, rect.right - rect.left, rect.bottom - rect.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Dialog::CentreOnScreen() {
    RECT rect;
    GetWindowRect(hwnd_, &rect);
    int width = rect.right - rect.left;
    int height = rect.bottom - rect.top;
    int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    SetWindowPos(hwnd_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

INT_PTR CALLBACK Dialog::Procedure(HWND hwnd, UINT msg, WPARAM w, LPARAM l) {
    Dialog* self = nullptr;
    if (msg == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(l);
        self->hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, DWLP_USER, l);
    } else {
        self = reinterpret_cast<Dialog*>(GetWindowLongPtrA(hwnd, DWLP_USER));
    }
    if (self == nullptr) return FALSE;
    try {
        return self->Dispatch(msg, w, l);
    } catch (const std::exception& failure) {
        ReportFailure(failure);
    } catch (...) {
        ReportFailure(std::runtime_error("Unexpected error"));
    }
    return FALSE;
}

INT_PTR Dialog::Dispatch(UINT msg, WPARAM w, LPARAM l) {
    INT_PTR result = FALSE;
    switch (msg) {
        case WM_INITDIALOG:
            OnInit();
            return TRUE;
        case WM_COMMAND:
            OnCommand(LOWORD(w), HIWORD(w));
            return TRUE;
        case WM_CLOSE:
            OnClose();
            return TRUE;
        case WM_SETCURSOR:
            if (Ui().GetMousePointer() == MousePointer::Hourglass) {
                SetCursor(LoadCursorA(nullptr, IDC_WAIT));
                SetWindowLongPtrA(hwnd_, DWLP_MSGRESULT, TRUE);
                return TRUE;
            }
            break;
        case WM_NCDESTROY:
            OnDestroy();
            SetWindowLongPtrA(hwnd_, DWLP_USER, 0);
            hwnd_ = nullptr;
            return TRUE;
        default:
            break;
    }
    if (OnMessage(msg, w, l, result)) return result;
    return FALSE;
}

namespace {

int ScreenDpi(int index) {
    HDC screen = GetDC(nullptr);
    int dpi = GetDeviceCaps(screen, index);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

int TwipsToPixelsX(int twips) { return MulDiv(twips, ScreenDpi(LOGPIXELSX), 1440); }

int TwipsToPixelsY(int twips) { return MulDiv(twips, ScreenDpi(LOGPIXELSY), 1440); }

void ReportFailure(const std::exception& failure) {
    const auto* error = dynamic_cast<const AppError*>(&failure);
    std::string text = error != nullptr ? error->Description() : failure.what();
    if (text.empty()) text = "An unexpected error occurred.";
    Ui().ShowMessage(text, MB_OK | MB_ICONEXCLAMATION);
}
