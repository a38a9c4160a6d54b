#pragma once

#define IDD_FRMMAIN 100
#define IDC_TABMAIN 101
#define IDC_CMDCLEAN 102
#define IDC_CMDHIDE 103
#define IDC_CMDCLOSE 104
#define IDC_CMDPREVIEW 106
#define IDC_STBMAIN 105

// Page 0: general items.
#define IDC_FRAITEMS 110
#define IDC_CHKDOCUMENTHISTORY 111
#define IDC_CHKFINDSEARCH 112
#define IDC_CHKRUN 113
#define IDC_CHKTEMP 114
#define IDC_CHKRECYCLEBIN 115
#define IDC_CHKEXPLORERHISTORY 116

// Page 1: internet items.
#define IDC_FRAINTERNET 120
#define IDC_LBLDEFAULT0 121
#define IDC_LBLBROWSER 122
#define IDC_CHKINTERNETHISTORY 123
#define IDC_LBLDEFAULT1 124
#define IDC_CBOPROFILE 125
#define IDC_CHKTEMPINTERNET 126
#define IDC_CHKURLHISTORY 127
#define IDC_CHKCOOKIES 128
#define IDC_CMDCOOKIES 129
// Shown when the chosen browser is one of page 4's: a link that selects that page.
#define IDC_LBLOTHERBROWSER 180

// Page 2: cleaning options.
#define IDC_FRAROTA 130
#define IDC_CHKSTARTUP 131
#define IDC_CHKSHUTDOWN 132
#define IDC_CHKDISPLAYPROGRESS 133
#define IDC_CHKPASSWORD 134
#define IDC_CMDPASSWORD 135
#define IDC_CHKREPORT 136
#define IDC_CMDREPORT 137

// Page 3: information.
#define IDC_FRANORMAL 140
#define IDC_LBLHEADING 141
#define IDC_LBLWEB2 142
#define IDC_LBLBRISVANE 143

// Page 4: other browsers.
#define IDC_FRABROWSERS 170
#define IDC_LVWBROWSERS 171
#define IDC_CHKBROWSERHISTORY 172
#define IDC_CHKBROWSERCOOKIES 173
#define IDC_CMDSITES 174
#define IDC_CHKBROWSERCACHE 175
#define IDC_CHKBROWSERSESSIONS 176

// The user-guide link of each page: lblGuide(index) is IDC_LBLGUIDE0 + index.
#define IDC_LBLGUIDE0 150
#define IDC_LBLGUIDE1 151
#define IDC_LBLGUIDE2 152
#define IDC_LBLGUIDE3 153
#define IDC_LBLGUIDE4 154

// The tray menu popMain and its entries.
#define IDM_POPMAIN 160
#define IDM_POPOPEN 161
#define IDM_POPCLEAN 162
#define IDM_POPEXIT 163

// Icons and the link labels' hand pointer.
#define IDI_BRISVANE 1
#define IDI_TRAY 2
#define IDC_HAND_POINTER 3
