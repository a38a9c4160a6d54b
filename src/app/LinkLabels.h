// The look of the main window's link labels and bold labels: pure blue text, bold user-guide
// links, an underline while the mouse is over a link, and the hand pointer.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

class LinkLabels {
  public:
    LinkLabels() = default;
    ~LinkLabels();
    LinkLabels(const LinkLabels&) = delete;
    LinkLabels& operator=(const LinkLabels&) = delete;

    // Creates the fonts from the dialog's own font and gives them to the labels: `boldLinks`
    // and `plainLinks` are link labels, `boldLabels` ordinary bold labels.
    void Attach(HWND dialog, const std::vector<int>& boldLinks, const std::vector<int>& plainLinks,
                const std::vector<int>& boldLabels);
    void Release();

    bool IsLink(int id) const { return links_.count(id) != 0; }
    bool IsUnderlined(int id) const;
    void SetUnderline(int id, bool on);

    // Sets the text colour of a link label for WM_CTLCOLORSTATIC; false for other controls.
    bool Colour(int id, HDC dc) const;
    HCURSOR HandPointer() const { return hand_; }

  private:
    struct Link {
        bool bold;
        bool underlined;
    };
    HFONT FontFor(const Link& link) const;

    HWND dialog_ = nullptr;
    std::map<int, Link> links_;
    HFONT bold_ = nullptr;
    HFONT boldUnderline_ = nullptr;
    HFONT underline_ = nullptr;
    HCURSOR hand_ = nullptr;
};
