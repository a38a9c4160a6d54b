#include "app/frmMain.h"

#include "app/frmMainIds.h"
#include "clean/RunClean.h"
#include "platform/UiServices.h"
#include "settings/ProgramState.h"
#include "version.h"

frmMain::frmMain() : Dialog(IDD_FRMMAIN) {}

frmMain::~frmMain() = default;

std::string frmMain::Title() {
    return "Brisvane - Ver " + std::to_string(BRISVANE_VERSION_MAJOR) + "." +
           std::to_string(BRISVANE_VERSION_MINOR);
}

void GuardStep(const std::function<void()>& step) {
    try {
        step();
    } catch (...) {
        // The load handler skips a failing step and goes on with the next.
    }
}

void frmMain::OnInit() { Form_Load(); }

void frmMain::Form_Load() {
    GuardStep([&] { loading_ = true; });
    GuardStep([&] { SetWindowTextA(Handle(), Title().c_str()); });
    GuardStep([&] {
        settings_ = std::make_unique<cSettings>();
        registry_ = std::make_unique<cRegistry>();
    });
    GuardStep([&] { loading_ = false; });
    if (Program().automaticMode) {
        GuardStep([&] { RunAutomaticClean(); });
    } else {
        GuardStep([&] { ShowWindow(Handle(), SW_SHOW); });
    }
}

void frmMain::RunAutomaticClean() {
    if (settings_->CleanAtStartUp() != kFalse) {
        cmdClean_Click();
    } else if (settings_->CleanAtShutDown() != kFalse) {
        RunClean(*registry_, *settings_, kTrue);
    }
    Program().automaticMode = false;
}

void frmMain::cmdClean_Click() {
    Ui().SetMousePointer(MousePointer::Hourglass);
    try {
        RunClean(*registry_, *settings_, kFalse);
    } catch (...) {
        Ui().SetMousePointer(MousePointer::Default);
        throw;
    }
    Ui().SetMousePointer(MousePointer::Default);
}

void frmMain::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
        case IDC_CMDCLEAN:
            cmdClean_Click();
            break;
        case IDC_CMDCLOSE:
            RequestClose();
            break;
        default:
            break;
    }
}

void frmMain::RequestClose() {
    Form_QueryUnload();
    if (Form_Unload()) DestroyWindow(Handle());
}

void frmMain::Form_QueryUnload() {}

bool frmMain::Form_Unload() {
    settings_.reset();
    registry_.reset();
    return true;
}

void frmMain::OnDestroy() {
    if (endsProgram_) PostQuitMessage(0);
}
