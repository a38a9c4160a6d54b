#pragma once

#define IDD_FRMPASSWORD 650
#define IDC_FRAPASSWORD 651
#define IDC_LBLTITLE0 652
#define IDC_LBLTITLE1 653
#define IDC_TXTPASSWORD1 654
#define IDC_TXTPASSWORD2 655
// As in the logon window, Escape (IDCANCEL) is bound to no button.
#define IDC_PASSWORD_CMDOK 656
#define IDC_PASSWORD_CMDCANCEL 657
