// One small file on purpose: each window mode's entry is a line or two here.
#include "ui/modes/install_mode_windows.h"

#include "app/mode_windows.h"
#include "toolkit/application.h"
#include "ui/config/settings_dialog.h"
#include "ui/saver/preview_window.h"
#include "ui/saver/saver_window.h"

namespace qs::ui {

namespace {
class Windows final : public app::ModeWindows {
public:
    // Modeless and ownerless: the process ends when the dialog has been unloaded.
    void ShowSettingsDialog() override {
        tk::NewForm<SettingsDialog>().Show();
    }

    // The show's windows draw pictures in each monitor's real pixels; the dialogs keep
    // the system's one scaling (see the program's manifest).
    void ShowFullScreen() override {
        tk::UseMonitorPixels();
        tk::NewForm<SaverWindow>().Show();
    }

    void LoadPreview(platform::WindowHandle host) override {
        tk::UseMonitorPixels();
        tk::NewForm<PreviewWindow>(host).Load();
    }
};
} // namespace

void InstallModeWindows() {
    static Windows windows;
    app::SetModeWindows(&windows);
}

} // namespace qs::ui
