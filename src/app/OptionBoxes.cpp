#include "app/OptionBoxes.h"

#include "app/frmMainIds.h"

const std::array<OptionBox, 14> kOptionBoxes{{
    {IDC_CHKDOCUMENTHISTORY, "DocumentHistory", &cSettings::DocumentHistory,
     &cSettings::SetDocumentHistory, 0},
    {IDC_CHKFINDSEARCH, "FindSearch", &cSettings::FindSearch, &cSettings::SetFindSearch, 0},
    {IDC_CHKRECYCLEBIN, "RecycleBin", &cSettings::RecycleBin, &cSettings::SetRecycleBin, 0},
    {IDC_CHKRUN, "Run", &cSettings::Run, &cSettings::SetRun, 0},
    {IDC_CHKSHUTDOWN, "CleanAtShutDown", &cSettings::CleanAtShutDown,
     &cSettings::SetCleanAtShutDown, 0},
    {IDC_CHKSTARTUP, "CleanAtStartUp", &cSettings::CleanAtStartUp, &cSettings::SetCleanAtStartUp,
     0},
    {IDC_CHKTEMP, "TempFiles", &cSettings::TempFiles, &cSettings::SetTempFiles, 0},
    {IDC_CHKCOOKIES, "InternetCookies", &cSettings::InternetCookies, &cSettings::SetInternetCookies,
     IDC_CMDCOOKIES},
    {IDC_CHKINTERNETHISTORY, "InternetHistory", &cSettings::InternetHistory,
     &cSettings::SetInternetHistory, 0},
    {IDC_CHKURLHISTORY, "InternetURLHistory", &cSettings::InternetURLHistory,
     &cSettings::SetInternetURLHistory, 0},
    {IDC_CHKPASSWORD, "PasswordProtected", &cSettings::PasswordProtected,
     &cSettings::SetPasswordProtected, IDC_CMDPASSWORD},
    {IDC_CHKDISPLAYPROGRESS, "DisplayProgress", &cSettings::DisplayProgress,
     &cSettings::SetDisplayProgress, 0},
    {IDC_CHKREPORT, "Report", &cSettings::Report, &cSettings::SetReport, 0},
    {IDC_CHKTEMPINTERNET, "TempInternet", &cSettings::TempInternet, &cSettings::SetTempInternet, 0},
}};

const OptionBox* FindOptionBox(int id) {
    for (const OptionBox& box : kOptionBoxes) {
        if (box.id == id) return &box;
    }
    return nullptr;
}
