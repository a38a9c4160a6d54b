#pragma once

#define IDD_FRMPASSWORD 750
#define IDC_FRAPASSWORD 751
#define IDC_LBLTITLE0 752
#define IDC_LBLTITLE1 753
#define IDC_TXTPASSWORD1 754
#define IDC_TXTPASSWORD2 755
// As in the logon window, Escape (IDCANCEL) is bound to no button.
#define IDC_PASSWORD_CMDOK 756
#define IDC_PASSWORD_CMDCANCEL 757
