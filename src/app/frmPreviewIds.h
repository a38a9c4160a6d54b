#pragma once

#define IDD_FRMPREVIEW 260
#define IDC_LVWFOUND 261
#define IDC_LBLDETAILS 262
#define IDC_LSTDETAILS 263
#define IDC_CMDCLEANNOW 264
#define IDC_CMDSAVEAS 265
// "Close" is IDCANCEL, so that Esc closes the window.
