#pragma once

#define IDD_FRMLOGON 600
#define IDC_FRALOGON 601
#define IDC_LBLPASSWORD 602
#define IDC_TXTPASSWORD 603
// Neither button uses IDOK or IDCANCEL: Enter presses the default button cmdOk through the
// dialog's default id, and the Escape key (IDCANCEL) is bound to no button.
#define IDC_LOGON_CMDOK 604
#define IDC_LOGON_CMDCANCEL 605
