// The tray-icon component: one icon in the notification area for an owner window. Setting
// `intray` adds or removes the icon; the owner passes the tray's callback messages to
// HandleCallback, which raises a button notification (1 left, 2 right, 4 middle) when a mouse
// button is released over the icon and an open notification on a double-click.
#pragma once

#include <windows.h>
// after windows.h
#include <shellapi.h>

#include <functional>
#include <string>

class cSysTray {
  public:
    // The message the tray sends to the owner window about the icon.
    static constexpr UINT kCallbackMessage = WM_APP + 40;

    cSysTray() = default;
    ~cSysTray();
    cSysTray(const cSysTray&) = delete;
    cSysTray& operator=(const cSysTray&) = delete;

    void SetOwner(HWND owner) { owner_ = owner; }

    bool intray() const { return intray_; }
    void Setintray(bool on);
    HICON trayicon() const { return icon_; }
    void Settrayicon(HICON icon) { icon_ = icon; }
    const std::string& traytip() const { return tip_; }
    void Settraytip(const std::string& tip) { tip_ = tip; }

    // The shell (re)started: put the icon back when it is meant to be there.
    void ShellRestarted();
    // Whether the shell accepted the icon the last time it was added.
    bool Shown() const { return shown_; }

    // Handles one callback message; returns true when it was the tray's.
    bool HandleCallback(UINT msg, WPARAM w, LPARAM l);

    std::function<void(int button)> OnMouseUp;
    std::function<void()> OnOpen;

  private:
    NOTIFYICONDATAA Data(UINT flags) const;
    void Add();
    void Remove();

    HWND owner_ = nullptr;
    HICON icon_ = nullptr;
    std::string tip_;
    bool intray_ = false;
    bool shown_ = false;
};
