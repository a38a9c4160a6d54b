// The five pages of tabMain: which controls each page holds, the page change and its status
// text, and the one-time set-up of the tab control, status bar, fonts and icons.
#include <windows.h>
// after windows.h
#include <commctrl.h>

#include <array>
#include <cstring>
#include <vector>

#include "app/OptionBoxes.h"
#include "app/frmMain.h"
#include "app/frmMainIds.h"
#include "browser/BrowserDetection.h"
#include "browser/BrowserProgIds.h"
#include "version.h"

namespace {

const std::array<const char*, 5> kPageCaptions{"General Items", "Internet Cleaning",
                                               "Cleaning Options", "&Brisvane Information",
                                               "Other Browsers"};

const std::array<const char*, 5> kStatusTexts{
    "Choose General Cleaning Items", "Choose Internet Cleaning Items",
    "Choose General Cleaning Options", "Brisvane Information and Updates",
    "Choose Other Browsers for Cleaning"};

const std::array<std::vector<int>, 5> kPageControls{{
    {IDC_FRAITEMS, IDC_CHKDOCUMENTHISTORY, IDC_CHKFINDSEARCH, IDC_CHKRUN, IDC_CHKTEMP,
     IDC_CHKRECYCLEBIN, IDC_CHKEXPLORERHISTORY, IDC_LBLGUIDE0},
    {IDC_FRAINTERNET, IDC_LBLDEFAULT0, IDC_LBLBROWSER, IDC_CHKINTERNETHISTORY, IDC_LBLDEFAULT1,
     IDC_CBOPROFILE, IDC_CHKTEMPINTERNET, IDC_CHKURLHISTORY, IDC_CHKCOOKIES, IDC_CMDCOOKIES,
     IDC_LBLOTHERBROWSER, IDC_LBLGUIDE1},
    {IDC_FRAROTA, IDC_CHKSTARTUP, IDC_CHKSHUTDOWN, IDC_CHKDISPLAYPROGRESS, IDC_CHKPASSWORD,
     IDC_CMDPASSWORD, IDC_CHKREPORT, IDC_CMDREPORT, IDC_LBLGUIDE2},
    {IDC_FRANORMAL, IDC_LBLHEADING, IDC_LBLWEB2, IDC_LBLBRISVANE, IDC_LBLGUIDE3},
    {IDC_FRABROWSERS, IDC_LVWBROWSERS, IDC_CHKBROWSERHISTORY, IDC_CHKBROWSERCOOKIES, IDC_CMDSITES,
     IDC_CHKBROWSERCACHE, IDC_CHKBROWSERSESSIONS, IDC_LBLGUIDE4},
}};

constexpr int kOtherBrowsersPage = 4;

// The Netscape profile controls, shown only for the browser code "NS".
bool IsProfileControl(int id) { return id == IDC_LBLDEFAULT1 || id == IDC_CBOPROFILE; }

}  // namespace

// Whether a control of the shown page is shown: the Netscape profile controls for "NS" only,
// the link to the Other Browsers page only when it names a browser.
bool frmMain::IsShownWithItsPage(int id) const {
    if (IsProfileControl(id)) return profileControlsVisible_;
    if (id == IDC_LBLOTHERBROWSER) return !ItemText(IDC_LBLOTHERBROWSER).empty();
    return true;
}

void frmMain::SetUpControls() {
    HWND tab = Item(IDC_TABMAIN);
    for (int page = 0; page < static_cast<int>(kPageCaptions.size()); ++page) {
        TCITEMA item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<char*>(kPageCaptions[page]);
        SendMessageA(tab, TCM_INSERTITEMA, page, reinterpret_cast<LPARAM>(&item));
    }
    int parts[] = {-1};
    SendDlgItemMessageA(Handle(), IDC_STBMAIN, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(parts));
    links_.Attach(Handle(),
                  {IDC_LBLGUIDE0, IDC_LBLGUIDE1, IDC_LBLGUIDE2, IDC_LBLGUIDE3, IDC_LBLGUIDE4,
                   IDC_LBLOTHERBROWSER},
                  {IDC_LBLWEB2}, {IDC_LBLBROWSER, IDC_LBLBRISVANE});
    HINSTANCE module = GetModuleHandleA(nullptr);
    bigIcon_ =
        static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDI_TRAY), IMAGE_ICON, 32, 32, 0));
    smallIcon_ = static_cast<HICON>(LoadImageA(module, MAKEINTRESOURCEA(IDI_TRAY), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), 0));
    SendMessageA(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_));
    SendMessageA(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    // The option boxes are designed ticked; ShowSettings gives them the settings' values.
    for (const OptionBox& box : kOptionBoxes) CheckDlgButton(Handle(), box.id, BST_CHECKED);
    SetUpBrowserList();
    SetUpKeyboardLink(IDC_LBLOTHERBROWSER);
    CentreOnScreen();
    ShowPageControls(0);
    pageBrush_ = CreateSolidBrush(TabBodyColour(tab));
}

int frmMain::SelectedPage() const {
    return static_cast<int>(SendDlgItemMessageA(Handle(), IDC_TABMAIN, TCM_GETCURSEL, 0, 0));
}

// Selecting a page by the program changes the page as a click on its tab would.
void frmMain::SelectPage(int page) {
    SendDlgItemMessageA(Handle(), IDC_TABMAIN, TCM_SETCURSEL, page, 0);
    ShowPage(page);
}

// The browsers' profiles are looked for when their page is shown, not at every start: a
// log-on start never shows it, and a browser installed since the last look is listed.
void frmMain::ShowPage(int page) {
    ShowPageControls(page);
    if (page == kOtherBrowsersPage) GuardStep([&] { ShowOtherBrowsers(); });
    tabMain_Click();
}

void frmMain::tabMain_Click() {
    int page = SelectedPage();
    const char* text =
        page >= 0 && page < static_cast<int>(kStatusTexts.size()) ? kStatusTexts[page] : "";
    SendDlgItemMessageA(Handle(), IDC_STBMAIN, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text));
}

void frmMain::ShowPageControls(int page) {
    for (int p = 0; p < static_cast<int>(kPageControls.size()); ++p) {
        for (int id : kPageControls[p]) {
            bool shown = p == page && IsShownWithItsPage(id);
            ShowWindow(Item(id), shown ? SW_SHOWNA : SW_HIDE);
        }
    }
}

// When Windows' choice for "http" is a browser of the Other Browsers page, which the internet
// items cannot clean, the Internet Cleaning page says where that browser is cleaned.
void frmMain::ShowOtherBrowserLink() {
    if (ItemText(IDC_LBLBROWSER) != "Unknown Browser") return;
    const OtherBrowser* browser = OtherBrowserOfProgId(HttpChoiceProgId(*registry_));
    if (browser == nullptr) return;
    SetItemText(IDC_LBLOTHERBROWSER, CleanedElsewhereText(*browser));
    ShowPageControls(SelectedPage());
}

// The link selects the Other Browsers page and gives its profile list the keyboard.
void frmMain::lblOtherBrowser_Click() {
    SelectPage(kOtherBrowsersPage);
    SetFocus(Item(IDC_LVWBROWSERS));
}

void frmMain::ShowBrowserControls() {
    profileControlsVisible_ = settings_->DefaultBrowser() == "NS";
    ShowPageControls(SelectedPage());
}

void frmMain::ShowVersionInfo() {
    std::string caption = ItemText(IDC_LBLBRISVANE) + std::to_string(BRISVANE_VERSION_MAJOR) + "." +
                          std::to_string(BRISVANE_VERSION_MINOR) + "." +
                          std::to_string(BRISVANE_VERSION_REVISION);
    SetItemText(IDC_LBLBRISVANE, caption);
}

// The colour of the tab control's page area, read from the tab's own painting, so the page
// controls match it with or without visual styles.
COLORREF frmMain::TabBodyColour(HWND tab) {
    RECT client;
    GetClientRect(tab, &client);
    RECT body = client;
    SendMessageA(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&body));
    HDC screen = GetDC(tab);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    HGDIOBJ old = SelectObject(memory, bitmap);
    SendMessageA(tab, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory),
                 PRF_CLIENT | PRF_ERASEBKGND);
    COLORREF colour = GetPixel(memory, (body.left + body.right) / 2, (body.top + body.bottom) / 2);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(tab, screen);
    return colour == CLR_INVALID ? GetSysColor(COLOR_BTNFACE) : colour;
}

bool frmMain::IsPageControl(int id) {
    for (const std::vector<int>& controls : kPageControls) {
        for (int control : controls) {
            if (control == id) return true;
        }
    }
    return false;
}

// Page controls paint on the tab's page colour; link labels in blue.
HBRUSH frmMain::PageControlColour(HWND control, HDC dc) {
    int id = GetDlgCtrlID(control);
    if (pageBrush_ == nullptr || !IsPageControl(id)) return nullptr;
    LOGBRUSH brush{};
    GetObjectA(pageBrush_, sizeof brush, &brush);
    SetBkColor(dc, brush.lbColor);
    links_.Colour(id, dc);
    return pageBrush_;
}

// The status text keeps the bar's width but for a panel just wide enough for kManagedText.
void frmMain::ShowManagedPanel() {
    HWND bar = Item(IDC_STBMAIN);
    if (!policies_.Any()) return;
    HDC dc = GetDC(bar);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(bar, WM_GETFONT, 0, 0)));
    SIZE text{};
    GetTextExtentPoint32A(dc, kManagedText, static_cast<int>(std::strlen(kManagedText)), &text);
    SelectObject(dc, old);
    ReleaseDC(bar, dc);
    RECT client;
    GetClientRect(bar, &client);
    int parts[] = {client.right - text.cx - 4 * GetSystemMetrics(SM_CXEDGE) - 8, -1};
    SendMessageA(bar, SB_SETPARTS, 2, reinterpret_cast<LPARAM>(parts));
    SendMessageA(bar, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(kManagedText));
}

bool frmMain::OnNotify(const NMHDR& header) {
    if (header.idFrom == IDC_LVWBROWSERS && header.code == LVN_ITEMCHANGING) {
        const bool refused = lvwBrowsers_ItemChanging(reinterpret_cast<const NMLISTVIEW&>(header));
        SetWindowLongPtrA(Handle(), DWLP_MSGRESULT, refused ? TRUE : FALSE);
        return true;
    }
    if (header.idFrom == IDC_LVWBROWSERS && header.code == LVN_ITEMCHANGED) {
        lvwBrowsers_ItemChanged(reinterpret_cast<const NMLISTVIEW&>(header));
        return true;
    }
    if (header.idFrom != IDC_TABMAIN || header.code != TCN_SELCHANGE) return false;
    ShowPage(SelectedPage());
    return true;
}

// Alt+B, the access key of "&Brisvane Information", selects page 3.
bool frmMain::PreTranslate(const MSG& msg) {
    if (!IsLoaded()) return false;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN &&
        msg.hwnd == Item(IDC_LBLOTHERBROWSER)) {
        lblOtherBrowser_Click();
        return true;
    }
    if (msg.message != WM_SYSCHAR) return false;
    if (msg.hwnd != Handle() && !IsChild(Handle(), msg.hwnd)) return false;
    if (msg.wParam != 'b' && msg.wParam != 'B') return false;
    SelectPage(3);
    SetFocus(Item(IDC_TABMAIN));
    return true;
}
