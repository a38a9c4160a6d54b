// What the procedures that show how far they have come need of a progress window: a line of
// text and a bar with its maximum and value, shown and unloaded again. The progress window
// (frmProgress) is the one implementation in the program.
#pragma once

#include <string>

class IProgress {
  public:
    virtual ~IProgress() = default;
    virtual void Show() = 0;
    virtual void Unload() = 0;
    virtual float Max() = 0;
    virtual void SetMax(float max) = 0;
    virtual float Value() = 0;
    virtual void SetValue(float value) = 0;
    virtual void SetCaption(const std::string& caption) = 0;
};
