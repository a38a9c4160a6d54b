// The reports window: lists the cleaning reports in the Reports folder beside the program and
// lets the user view one, delete one or delete all of them. Shown modally by "Report Options".
#pragma once

#include <string>
#include <vector>

#include "platform/Dialog.h"
#include "reports/frmViewReport.h"

class frmReports : public Dialog {
  public:
    frmReports();
    ~frmReports() override;

    // Fills lstReports from the Reports folder (created when missing) and sets the buttons.
    void LoadReportList();

  protected:
    void OnInit() override;
    void OnCommand(int id, int code) override;

  private:
    void cmdView_Click();
    void cmdDelete_Click();
    void cmdDeleteAll_Click();
    void FillList();
    void EnableButtons(bool enable);
    // The file behind the selected entry, or "" when nothing is selected.
    std::string SelectedFile() const;

    std::string reportsFolder_;
    // The real file name behind each list entry, so that an entry always names exactly the
    // file it was listed for.
    std::vector<std::string> fileNames_;
    frmViewReport viewer_;
};
