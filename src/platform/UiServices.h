// User-interface services that tests must be able to control: message boxes, the screen's
// mouse pointer, pumping pending events, pauses and the clock. Everything reaches them through
// Ui(); tests install their own implementation with UiOverride.
#pragma once

#include <windows.h>

#include <string>

#include "platform/ClockTime.h"

inline constexpr const char* kAppTitle = "Brisvane";

enum class MousePointer { Default = 0, Hourglass = 11 };

class IUiServices {
  public:
    virtual ~IUiServices() = default;
    // A message box titled "Brisvane"; flags are MB_* values; returns IDOK, IDYES, ...
    virtual int ShowMessage(const std::string& text, UINT flags) = 0;
    virtual void SetMousePointer(MousePointer pointer) = 0;
    virtual MousePointer GetMousePointer() const = 0;
    virtual void DoEvents() = 0;
    virtual void Pause(DWORD milliseconds) = 0;
    virtual ClockTime Now() = 0;
    // The locale's three-letter abbreviation of month 1..12.
    virtual std::string MonthAbbreviation(int month) = 0;
};

// The real services of the running program.
class UiServices : public IUiServices {
  public:
    int ShowMessage(const std::string& text, UINT flags) override;
    void SetMousePointer(MousePointer pointer) override;
    MousePointer GetMousePointer() const override { return pointer_; }
    void DoEvents() override;
    void Pause(DWORD milliseconds) override;
    ClockTime Now() override;
    std::string MonthAbbreviation(int month) override;

  private:
    MousePointer pointer_ = MousePointer::Default;
};

IUiServices& Ui();

// Installs other services for its lifetime (tests), restoring the previous ones afterwards.
class UiOverride {
  public:
    explicit UiOverride(IUiServices& services);
    ~UiOverride();
    UiOverride(const UiOverride&) = delete;
    UiOverride& operator=(const UiOverride&) = delete;

  private:
    IUiServices* previous_;
};
