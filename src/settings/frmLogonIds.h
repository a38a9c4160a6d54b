#pragma once

#define IDD_FRMLOGON 700
#define IDC_FRALOGON 701
#define IDC_LBLPASSWORD 702
#define IDC_TXTPASSWORD 703
// Neither button uses IDOK or IDCANCEL: Enter presses the default button cmdOk through the
// dialog's default id, and the Escape key (IDCANCEL) is bound to no button.
#define IDC_LOGON_CMDOK 704
#define IDC_LOGON_CMDCANCEL 705
