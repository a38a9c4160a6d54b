#include "app/OptionBoxes.h"

#include "app/frmMainIds.h"
#include "settings/Options.h"

namespace {

constexpr OptionBox Box(int id, std::string_view name, int companion = 0) {
    const Option& option = OptionNamed(name);
    return {id, option.name, option.get, option.set, companion};
}

}  // namespace

constexpr std::array<OptionBox, 15> kOptionBoxes{{
    Box(IDC_CHKDOCUMENTHISTORY, "DocumentHistory"),
    Box(IDC_CHKFINDSEARCH, "FindSearch"),
    Box(IDC_CHKRECYCLEBIN, "RecycleBin"),
    Box(IDC_CHKRUN, "Run"),
    Box(IDC_CHKSHUTDOWN, "CleanAtShutDown"),
    Box(IDC_CHKSTARTUP, "CleanAtStartUp"),
    Box(IDC_CHKTEMP, "TempFiles"),
    Box(IDC_CHKCOOKIES, "InternetCookies", IDC_CMDCOOKIES),
    Box(IDC_CHKINTERNETHISTORY, "InternetHistory"),
    Box(IDC_CHKURLHISTORY, "InternetURLHistory"),
    Box(IDC_CHKPASSWORD, "PasswordProtected", IDC_CMDPASSWORD),
    Box(IDC_CHKDISPLAYPROGRESS, "DisplayProgress"),
    Box(IDC_CHKREPORT, "Report"),
    Box(IDC_CHKTEMPINTERNET, "TempInternet"),
    Box(IDC_CHKEXPLORERHISTORY, "ExplorerHistory"),
}};

const OptionBox* FindOptionBox(int id) {
    for (const OptionBox& box : kOptionBoxes) {
        if (box.id == id) return &box;
    }
    return nullptr;
}
