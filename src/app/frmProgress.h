// The progress window of a clean run: a line of text (lblProgress) and a bar (pbrClean).
// Reading or setting a property loads the window without showing it, so a quiet run updates
// an invisible window. While shown, it takes the focus back whenever it loses it.
#pragma once

#include <string>

#include "platform/Dialog.h"
#include "platform/Progress.h"
#include "settings/Boolean.h"

class cRegistry;
class cSettings;

class frmProgress : public Dialog, public IProgress {
  public:
    frmProgress();
    ~frmProgress() override;

    // Shows the window modeless, without owner, centred on the screen.
    void Show() override;
    void Unload() override { Dialog::Unload(); }

    float Max() override;
    void SetMax(float max) override;
    float Value() override;
    void SetValue(float value) override;
    std::string Caption();
    void SetCaption(const std::string& caption) override;

  protected:
    void OnInit() override;
    void OnClose() override {}  // the window has no close box; Alt+F4 does nothing
    void OnDestroy() override;
    bool OnMessage(UINT msg, WPARAM w, LPARAM l, INT_PTR& result) override;

  private:
    void Ensure();
    void ApplyBar();

    float max_ = 100.0f;
    float value_ = 0.0f;
    HFONT boldFont_ = nullptr;
};

// The program's one shared progress window, used outside clean runs (each clean run creates
// its own): the profile reading at start-up shows it and unloads it again.
frmProgress& SharedProgressWindow();

// One clean run (clean/RunClean.h) on a new progress window, unloaded at the end.
void RunClean(cRegistry& registry, const cSettings& settings, Boolean quiet);
