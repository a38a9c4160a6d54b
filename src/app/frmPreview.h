// The preview window, modal to the main window: one row per ticked item (per ticked profile
// for "Other Browsers") with what its find step found and the bytes of the files that would
// go, a "Total" row, the selected row's details, and "Clean Now", "Save As..." and "Close".
#pragma once

#include <string>

#include "clean/CleanRun.h"
#include "clean/Findings.h"
#include "platform/Dialog.h"

class frmPreview : public Dialog {
  public:
    frmPreview(Preview preview, NumberFormats formats);

    // True when the window was closed by "Clean Now".
    bool CleanNowChosen() const { return cleanNow_; }
    // The text "Save As..." writes.
    std::string Text() const;

  protected:
    void OnInit() override;
    void OnCommand(int id, int code) override;
    bool OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) override;

  private:
    void cmdCleanNow_Click();
    void cmdSaveAs_Click();
    void lvwFound_ItemClick();
    void FillRows();
    void ShowDetails(int row);
    int SelectedRow() const;

    Preview preview_;
    NumberFormats formats_;
    bool cleanNow_ = false;
};
