// Test replacement of the user-interface services: a scripted clock, recorded pauses, scripted
// message-box answers, and a hook that observes the program at every pump and pause. Pending
// events are still processed for real, so real windows paint and respond.
#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/UiServices.h"

struct ShownMessage {
    std::string text;
    UINT flags;
};

class FakeUi : public IUiServices {
  public:
    FakeUi() : override_(*this) {}

    int ShowMessage(const std::string& text, UINT flags) override {
        messages.push_back({text, flags});
        if (answers.empty()) return IDOK;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void SetMousePointer(MousePointer p) override {
        pointer = p;
        pointers.push_back(p);
    }
    MousePointer GetMousePointer() const override { return pointer; }
    void DoEvents() override {
        real.DoEvents();
        if (onEvent) onEvent("events");
    }
    void Pause(DWORD ms) override {
        pauses.push_back(ms);
        if (onEvent) onEvent("pause");
    }
    ClockTime Now() override {
        ++clockReads;
        if (clock.empty()) return ClockTime{2026, 12, 7, 21, 45, 52};
        ClockTime t = clock.front();
        if (clock.size() > 1) clock.pop_front();
        return t;
    }
    std::string MonthAbbreviation(int month) override { return real.MonthAbbreviation(month); }

    std::vector<ShownMessage> messages;
    std::deque<int> answers;
    std::vector<DWORD> pauses;
    std::vector<MousePointer> pointers;
    MousePointer pointer = MousePointer::Default;
    std::deque<ClockTime> clock;  // each reading takes the next; the last one repeats
    int clockReads = 0;
    std::function<void(const char*)> onEvent;
    UiServices real;

  private:
    UiOverride override_;
};
