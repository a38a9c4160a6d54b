// The fifteen option boxes of the main window and the options they mirror (settings/Options.h),
// in the order in which ShowSettings fills them.
#pragma once

#include <array>

#include "settings/Boolean.h"
#include "settings/cSettings.h"

struct OptionBox {
    int id;               // the check box
    const char* setting;  // the cSettings property and registry value name
    Boolean (cSettings::*get)() const;
    void (cSettings::*set)(Boolean);
    int companion;  // the button that follows the box, or 0
};

extern const std::array<OptionBox, 15> kOptionBoxes;

// The box with this control id, or null.
const OptionBox* FindOptionBox(int id);
