// MonitorCover: a borderless, topmost window over a monitor other than the primary, for as
// long as the full-screen show runs: in the show's background colour, or with the option
// to show on every monitor, running slides of its own, fitted to the monitor. Its input is
// the show's: a key does what it does on the show's window, a button or a close request
// ends the show through the show's own close path (so the password is asked once), and
// its mouse moves count toward the show's movement rule.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "platform/services.h"
#include "settings/settings.h"
#include "toolkit/form.h"
#include "ui/saver/window_show.h"

namespace qs::ui {

class SaverWindow;

class MonitorCover : public tk::Form {
public:
    // `number` counts the other monitors from 1: in list order this monitor's show starts
    // that many slides further on than the primary's. The settings outlive the cover.
    MonitorCover(SaverWindow& show, const platform::RectPx& monitor, const Settings& settings, std::int32_t number);
    ~MonitorCover() override;

    // A show steered by keys steps and pauses on every monitor together; a cover in the
    // background colour ignores both.
    void step(int direction);
    void setPaused(bool paused);

protected:
    void onLoad() override;
    bool onClosing(tk::CloseReason reason) override;
    void onKeyDown(tk::Key key, tk::KeyModifiers modifiers) override;
    void onMouseDown(float x, float y) override;
    void onMouseMove(float x, float y) override;

private:
    SaverWindow& show_;
    // The slides of this monitor, with the option to show on every monitor only: its own
    // timer, schedule, order and preparing thread.
    std::unique_ptr<WindowShow> slides_;
};

// Opens a cover over every monitor but the primary, which the show's window covers, in
// the order the system lists the monitors.
std::vector<std::unique_ptr<MonitorCover>> CoverOtherMonitors(SaverWindow& show, const Settings& settings);

} // namespace qs::ui
