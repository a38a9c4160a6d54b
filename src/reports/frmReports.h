// The reports window: lists the cleaning reports in the Reports folder beside the program and
// lets the user view, delete one or delete all of them. Shown modally by "Report Options".
#pragma once

#include <string>

#include "platform/Dialog.h"

class frmReports : public Dialog {
public:
    frmReports();
    ~frmReports() override;
};
