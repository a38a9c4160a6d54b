// Base of every window: a dialog from an .rc template that keeps `this` with its HWND and
// dispatches messages to short handlers. Failures never leave a handler: they are caught at
// the window procedure and told to the user in a message box titled "Brisvane".
#pragma once

#include <windows.h>

#include <string>

class Dialog {
  public:
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    HWND Handle() const { return hwnd_; }
    bool IsLoaded() const { return hwnd_ != nullptr; }
    bool IsVisible() const { return hwnd_ != nullptr && IsWindowVisible(hwnd_); }

    // Creates the window without showing it (a modeless dialog). Does nothing when loaded.
    void Load(HWND owner = nullptr);
    // Shows the window modally and returns when it closes.
    INT_PTR ShowModal(HWND owner);
    // Destroys the window (or ends the modal loop).
    void Unload();

  protected:
    explicit Dialog(int templateId) : templateId_(templateId) {}

    virtual void OnInit() {}
    // A WM_COMMAND from control `id` with notification `code`.
    virtual void OnCommand(int /*id*/, int /*code*/) {}
    // The close box or Alt+F4; the default unloads the window.
    virtual void OnClose() { Unload(); }
    virtual void OnDestroy() {}
    // Any other message; return true when handled (the result goes in `result`).
    virtual bool OnMessage(UINT /*msg*/, WPARAM /*w*/, LPARAM /*l*/, INT_PTR& /*result*/) {
        return false;
    }

    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    std::string ItemText(int id) const;
    void SetItemText(int id, const std::string& text);

    // Sizes the client area from twips at the screen's resolution and centres the window.
    void SetClientSizeTwips(int widthTwips, int heightTwips);
    void CentreOnScreen();

  private:
    static INT_PTR CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM w, LPARAM l);
    INT_PTR Dispatch(UINT msg, WPARAM w, LPARAM l);

    int templateId_;
    HWND hwnd_ = nullptr;
    bool modal_ = false;
};

// Twips (1/1440 inch) to pixels at the screen's resolution.
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);

// Reports a failure that reached a window's boundary to the user.
void ReportFailure(const std::exception& failure);
