#include "clean/WriteReport.h"

#include "app/frmProgress.h"
#include "platform/UiServices.h"

void WriteReport(const std::string& /*report*/, frmProgress& progress) {
    progress.SetCaption("Brisvane: Writing Report...");
    Ui().DoEvents();
    Ui().Pause(2000);
}
