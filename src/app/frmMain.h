// The main window: it owns the settings object and the registry object for its life, runs
// start-up (Form_Load) and closing (Form_QueryUnload, Form_Unload), and starts clean runs.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/Dialog.h"
#include "settings/cRegistry.h"
#include "settings/cSettings.h"

class frmMain : public Dialog {
public:
    frmMain();
    ~frmMain() override;

    // The window's title for the program's version: "Brisvane - Ver <major>.<minor>".
    static std::string Title();

    cSettings& Settings() { return *settings_; }
    cRegistry& Registry() { return *registry_; }
    bool Loading() const { return loading_; }

    // "Clean Now": hourglass pointer, one clean run (not quiet), default pointer.
    void cmdClean_Click();
    // Every way of closing: runs Form_QueryUnload, then Form_Unload, which may cancel.
    void RequestClose();
    // The program's own main window ends the message loop when it goes.
    void SetEndsProgram(bool ends) { endsProgram_ = ends; }

protected:
    void OnInit() override;
    void OnCommand(int id, int code) override;
    void OnClose() override { RequestClose(); }
    void OnDestroy() override;

private:
    void Form_Load();
    void Form_QueryUnload();
    bool Form_Unload();  // false when the unload is cancelled
    void RunAutomaticClean();

    std::unique_ptr<cSettings> settings_;
    std::unique_ptr<cRegistry> registry_;
    bool loading_ = false;
    bool endsProgram_ = false;
    std::string browserCommand_;
};

// Runs one start-up step; a failing step is skipped silently and the next one runs.
void GuardStep(const std::function<void()>& step);
