#include "cookies/frmViewCookie.h"

#include "cookies/frmCookiesIds.h"

frmViewCookie::frmViewCookie() : Dialog(IDD_FRMVIEWCOOKIE) {}

void frmViewCookie::OnInit() {
    HWND box = Item(IDC_VIEWCOOKIE_TXTCOOKIE);
    SendMessageA(box, EM_SETLIMITTEXT, 0, 0);
    SetWindowTextA(box, details_.c_str());
    // The text opens unselected, at its top, although the text box has the focus.
    PostMessageA(box, EM_SETSEL, 0, 0);
}

void frmViewCookie::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    if (id == IDC_VIEWCOOKIE_CMDCLOSE || id == IDCANCEL) Unload();
}
