// Drives modal windows and pop-up menus in tests: a thread timer, which the modal loops of
// dialogs and menus dispatch, waits for each scripted window in turn (a dialog of this process
// found by its caption, or a visible pop-up menu) and acts on it as a user would.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

#include "DialogProbe.h"

class ModalScript {
  public:
    // Menus are found by this pseudo-caption.
    static constexpr const char* kPopupMenu = "#menu";

    ModalScript() {
        Current() = this;
        timer_ = SetTimer(nullptr, 0, 20, &ModalScript::Tick);
    }
    ~ModalScript() {
        KillTimer(nullptr, timer_);
        Current() = nullptr;
    }
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    // When the window with this caption is shown, run `act` on it.
    void Then(const std::string& caption, std::function<void(HWND)> act) {
        steps_.push_back({caption, std::move(act)});
    }
    bool Done() const { return steps_.empty(); }
    // Captions of the windows met, in order.
    std::deque<std::string> seen;

  private:
    struct Step {
        std::string caption;
        std::function<void(HWND)> act;
    };

    static ModalScript*& Current() {
        static ModalScript* current = nullptr;
        return current;
    }

    static HWND FindShown(const std::string& caption) {
        const char* cls = caption == kPopupMenu ? "#32768" : "#32770";
        const char* title = caption == kPopupMenu ? nullptr : caption.c_str();
        HWND w = nullptr;
        while ((w = FindWindowExA(nullptr, w, cls, title)) != nullptr) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == GetCurrentProcessId() && IsWindowVisible(w)) return w;
        }
        return nullptr;
    }

    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        ModalScript* self = Current();
        if (self == nullptr || self->steps_.empty() || self->busy_) return;
        HWND found = FindShown(self->steps_.front().caption);
        if (found == nullptr) return;
        Step step = std::move(self->steps_.front());
        self->steps_.pop_front();
        self->seen.push_back(step.caption);
        self->busy_ = true;
        step.act(found);
        self->busy_ = false;
    }

    std::deque<Step> steps_;
    UINT_PTR timer_ = 0;
    bool busy_ = false;
};
