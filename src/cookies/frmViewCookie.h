// The cookie viewer: shows one cookie's details in a read-only text box; "Close" returns to the
// cookie window.
#pragma once

#include <string>

#include "platform/Dialog.h"

class frmViewCookie : public Dialog {
  public:
    frmViewCookie();

    // The text to show; set before the viewer is shown.
    void SetCookieDetails(const std::string& details) { details_ = details; }
    const std::string& CookieDetails() const { return details_; }

  protected:
    void OnInit() override;
    void OnCommand(int id, int code) override;

  private:
    std::string details_;
};
