#include "app/LinkLabels.h"

#include "app/frmMainIds.h"

namespace {

constexpr COLORREF kLinkBlue = RGB(0, 0, 255);

HFONT Variant(HFONT base, bool bold, bool underline) {
    LOGFONTA face{};
    GetObjectA(base != nullptr ? base : GetStockObject(DEFAULT_GUI_FONT), sizeof face, &face);
    face.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    face.lfUnderline = underline ? TRUE : FALSE;
    return CreateFontIndirectA(&face);
}

}  // namespace

LinkLabels::~LinkLabels() { Release(); }

void LinkLabels::Attach(HWND dialog, const std::vector<int>& boldLinks,
                        const std::vector<int>& plainLinks, const std::vector<int>& boldLabels) {
    Release();
    dialog_ = dialog;
    auto base = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0));
    bold_ = Variant(base, true, false);
    boldUnderline_ = Variant(base, true, true);
    underline_ = Variant(base, false, true);
    hand_ = LoadCursorA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_HAND_POINTER));
    for (int id : boldLinks) links_[id] = Link{true, false};
    for (int id : plainLinks) links_[id] = Link{false, false};
    auto boldFont = reinterpret_cast<WPARAM>(bold_);
    for (int id : boldLinks) SendDlgItemMessageA(dialog, id, WM_SETFONT, boldFont, FALSE);
    for (int id : boldLabels) SendDlgItemMessageA(dialog, id, WM_SETFONT, boldFont, FALSE);
}

void LinkLabels::Release() {
    for (HFONT* font : {&bold_, &boldUnderline_, &underline_}) {
        if (*font != nullptr) DeleteObject(*font);
        *font = nullptr;
    }
    links_.clear();
    dialog_ = nullptr;
}

bool LinkLabels::IsUnderlined(int id) const {
    auto found = links_.find(id);
    return found != links_.end() && found->second.underlined;
}

HFONT LinkLabels::FontFor(const Link& link) const {
    if (link.bold) return link.underlined ? boldUnderline_ : bold_;
    return link.underlined ? underline_
                           : reinterpret_cast<HFONT>(SendMessageA(dialog_, WM_GETFONT, 0, 0));
}

void LinkLabels::SetUnderline(int id, bool on) {
    auto found = links_.find(id);
    if (found == links_.end() || found->second.underlined == on) return;
    found->second.underlined = on;
    HWND label = GetDlgItem(dialog_, id);
    SendMessageA(label, WM_SETFONT, reinterpret_cast<WPARAM>(FontFor(found->second)), TRUE);
    InvalidateRect(label, nullptr, TRUE);
}

bool LinkLabels::Colour(int id, HDC dc) const {
    if (!IsLink(id)) return false;
    SetTextColor(dc, kLinkBlue);
    return true;
}
