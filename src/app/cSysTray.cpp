#include "app/cSysTray.h"

#include <shellapi.h>

#include <cstring>

namespace {
constexpr UINT kIconId = 1;
}

cSysTray::~cSysTray() { Remove(); }

void cSysTray::Setintray(bool on) {
    if (on == intray_) return;
    intray_ = on;
    if (on) {
        Add();
    } else {
        Remove();
    }
}

void cSysTray::ShellRestarted() {
    if (intray_) Add();
}

NOTIFYICONDATAA cSysTray::Data(UINT flags) const {
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V2_SIZE;
    data.hWnd = owner_;
    data.uID = kIconId;
    data.uFlags = flags;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = icon_;
    std::strncpy(data.szTip, tip_.c_str(), sizeof data.szTip - 1);
    return data;
}

void cSysTray::Add() {
    if (owner_ == nullptr) return;
    NOTIFYICONDATAA data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP);
    shown_ = Shell_NotifyIconA(NIM_ADD, &data) != FALSE;
}

void cSysTray::Remove() {
    if (owner_ == nullptr || !shown_) return;
    NOTIFYICONDATAA data = Data(0);
    Shell_NotifyIconA(NIM_DELETE, &data);
    shown_ = false;
}

bool cSysTray::HandleCallback(UINT msg, WPARAM w, LPARAM l) {
    if (msg != kCallbackMessage || w != kIconId) return false;
    switch (static_cast<UINT>(l)) {
        case WM_LBUTTONUP:
            if (OnMouseUp) OnMouseUp(1);
            break;
        case WM_RBUTTONUP:
            if (OnMouseUp) OnMouseUp(2);
            break;
        case WM_MBUTTONUP:
            if (OnMouseUp) OnMouseUp(4);
            break;
        case WM_LBUTTONDBLCLK:
            if (OnOpen) OnOpen();
            break;
        default:
            break;
    }
    return true;
}
