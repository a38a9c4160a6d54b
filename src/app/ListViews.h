// What the main window's and the preview's list views share.
#pragma once

#include <windows.h>

// Appends a column with its caption and width in pixels at `index`.
void AddColumn(HWND list, int index, const char* caption, int width);
