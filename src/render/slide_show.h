// One window's running slide show: its schedule and order (SlideSequencer) and its
// preparer, ticked by the window's own timer. The settings are the window's: the full
// screen's and the preview's as read, the settings dialog's working copy, read afresh at
// every tick so that a change made in the dialog shows at once.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "render/show_history.h"
#include "render/folder_scanner.h"
#include "render/show_pictures.h"
#include "render/slide_preparer.h"
#include "render/slide_sequencer.h"
#include "settings/settings.h"
#include "toolkit/controls.h"
#include "toolkit/form.h"
#include "toolkit/surface.h"
#include "toolkit/window_notice.h"

namespace qs {

class SlideShow {
public:
    // Slides are drawn on `surface` through `element`, which lies on it; the text slide
    // shows `window`'s icon. All of them, and `settings`, outlive the show.
    SlideShow(const Settings& settings, const tk::Form& window, tk::Surface& surface, tk::Image& element);

    // The next tick finds a slide due, and the first picture is prepared now, while the
    // window comes up. The window is loaded by then.
    void start();
    // One tick of the window's timer: keeps the surface's background in step with the
    // settings and, when the slide on show has had its time, shows the next one (its
    // picture, or the text slide where none can be shown) once its picture is ready.
    void nextSlide();
    // The next tick shows the next slide as soon as the clock has moved on by a second.
    void makeNextSlideDue();
    // In list order the first slide is `slides` further on (the show of another monitor).
    void startFurtherOn(std::int32_t slides) { sequencer_.startFurtherOn(slides); }

    // --- steered by keys (the full-screen show, with its option on) ---
    // Keeps what was shown, and the pictures of the slide on show and of the one before.
    void steerByKeys();
    // A step forward (+1) or back (-1) through what was shown, then on in the order: its
    // slide shows at once when its picture is ready, else as soon as it is; its time on
    // show starts then.
    void step(int direction);
    // While paused no slide comes by the schedule (steps still do); on resume the slide on
    // show stays one delay more.
    void setPaused(bool paused);
    bool paused() const { return paused_; }

private:
    // Shows the slide of the waiting step, or of the schedule (the next one), once its
    // picture is ready; the time is `now`.
    void showComing(double now);
    // Called just before the coming slide is drawn: with the fade on, a slide the schedule
    // brings fades in over what the surface shows; the first slide and a step by a key
    // come at once, and so does the text slide for the path whose text slide is on show
    // (`text`; null for a picture), which would only fade in over itself.
    void beginChange(bool stepped, const std::string* text);
    // The show's pictures: the slide list, or with folder entries on, the list with each
    // folder entry standing for the pictures of its tree (ShowPictures).
    const std::vector<Slide>& pictures();
    // True while the show waits for the first reading of the entry picture `number` is of.
    bool waitingFor(std::int32_t number);
    void askForReadings();
    void takeReadings();
    PrepareRequest requestFor(const Slide& slide) const;
    void prepareNext();
    // The preparer, made at first use, when the window is loaded: its thread then has the
    // way to the window before it starts.
    SlidePreparer& preparer();

    const Settings& settings_;
    const tk::Form& window_;
    tk::Surface& surface_;
    tk::Image& element_;
    SlideSequencer sequencer_;
    bool steered_ = false;
    bool paused_ = false;
    bool shownOne_ = false; // a slide has been drawn: the next may fade in
    std::optional<std::string> textOnShow_; // the path of the text slide on show, if one is
    ShowHistory history_; // of a steered show only
    // The preparer tells the window through this notice that a picture is ready; the
    // window takes it then, and shows it at the tick it is due.
    std::optional<tk::WindowNotice> ready_; // before the preparer, so that it ends after it
    std::optional<SlidePreparer> preparer_;
    // With folder entries on: the flat list and the thread that reads the folders, made at
    // first use, as the preparer.
    struct Folders {
        ShowPictures pictures;
        std::optional<tk::WindowNotice> read;
        std::optional<FolderScanner> scanner;
        bool allFormats = false; // what the scanner counts as pictures
    };
    std::unique_ptr<Folders> folders_;
    // Since when the due slide waits for its entry's first reading (show time, in days).
    std::optional<double> waitingSince_;
};

} // namespace qs
