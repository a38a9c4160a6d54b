#pragma once

#define IDD_FRMMAIN 100
#define IDC_TABMAIN 101
#define IDC_CMDCLEAN 102
#define IDC_CMDHIDE 103
#define IDC_CMDCLOSE 104
#define IDC_STBMAIN 105
