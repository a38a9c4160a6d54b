// The report viewer: shows one report file's text, unchanged, in a read-only text box.
#pragma once

#include <string>

#include "platform/Dialog.h"

class frmViewReport : public Dialog {
  public:
    frmViewReport();

    // Reads the whole file into the viewer's text; raises AppError when it cannot be read.
    void ShowReport(const std::string& path);
    // The text the viewer shows (or will show when it opens).
    const std::string& Text() const { return text_; }

  protected:
    void OnInit() override;
    void OnCommand(int id, int code) override;

  private:
    std::string text_;
};
