// What the keep-list windows do alike with their list boxes, and how they word a failure.
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <vector>

// Lets a list scroll sideways to its widest entry, so that long names can be read.
void FitHorizontalExtent(HWND list);
// Replaces the entries of the list with `names`, in their order.
void FillListBox(HWND list, const std::vector<std::string>& names);
// The description of an AppError, else the failure's own text.
std::string Describe(const std::exception& failure);
// A message box with the exclamation icon and OK.
void Tell(const std::string& text);

// Runs a step of loading or saving; a failure is told to the user with `what` and the window
// stays usable. Returns false when it failed.
template <typename Step>
bool Guarded(const std::string& what, Step step) {
    try {
        step();
        return true;
    } catch (const std::exception& failure) {
        Tell(what + "\r\n\r\n" + Describe(failure));
        return false;
    }
}
