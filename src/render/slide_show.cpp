#include "render/slide_show.h"

#include "platform/services.h"
#include "render/fit_picture.h"
#include "render/slide_caption.h"
#include "render/text_slide.h"
#include "toolkit/application.h"
#include "toolkit/picture.h"

namespace qs {
namespace {

SlideOrder OrderOf(const Settings& settings) {
    if (!settings.randomOrder) return SlideOrder::List;
    return settings.options.shuffle ? SlideOrder::Shuffle : SlideOrder::Random;
}

constexpr double kOneSecond = 1.0 / 86400; // in days, on the clock
const std::string kNoPath; // the text slide of an empty list

double Now() {
    return platform::services().clock->Now();
}

} // namespace

SlideShow::SlideShow(const Settings& settings, const tk::Form& window, tk::Surface& surface, tk::Image& element)
    : settings_(settings), window_(window), surface_(surface), element_(element),
      sequencer_(*platform::services().random) {}

void SlideShow::start() {
    makeNextSlideDue();
    prepareNext();
}

void SlideShow::makeNextSlideDue() {
    sequencer_.makeNextSlideDue(Now(), settings_.delaySeconds);
}

PrepareRequest SlideShow::requestFor(const Slide& slide) const {
    return RequestFor(slide, surface_, settings_.options);
}

SlidePreparer& SlideShow::preparer() {
    if (!preparer_) {
        ready_.emplace(window_, [this] {
            preparer_->collect();
            // A step waits for its picture only, not for the next tick.
            if (history_.waitingStep() != 0) showComing(Now());
        });
        preparer_.emplace(tk::CurrentBackend(), ready_->poster());
        if (steered_) preparer_->keepShownPictures();
    }
    return *preparer_;
}

void SlideShow::steerByKeys() {
    steered_ = true;
    if (preparer_) preparer_->keepShownPictures();
}

void SlideShow::step(int direction) {
    if (!steered_ || settings_.slides.empty()) return;
    history_.askStep(direction);
    if (history_.waitingStep() != 0) showComing(Now());
}

void SlideShow::setPaused(bool paused) {
    if (paused_ && !paused) sequencer_.restartSchedule(Now());
    paused_ = paused;
    surface_.holdDrift(paused);
}

const std::vector<Slide>& SlideShow::pictures() {
    platform::Files* files = platform::services().files;
    if (!settings_.options.folderEntries || !files) {
        folders_.reset();
        return settings_.slides;
    }
    // Every format turned on or off: the folders are read anew by the new rule.
    if (folders_ && folders_->allFormats != settings_.options.allFormats) folders_.reset();
    if (!folders_) {
        folders_ = std::make_unique<Folders>();
        folders_->allFormats = settings_.options.allFormats;
        folders_->read.emplace(window_, [this] { takeReadings(); });
        folders_->scanner.emplace(*files,
                                  folders_->allFormats ? tk::DecoderExtensions().otherFormats
                                                       : std::vector<std::string>(),
                                  folders_->read->poster());
    }
    if (folders_->pictures.follow(settings_.slides)) folders_->scanner->restart();
    askForReadings();
    return folders_->pictures.pictures();
}

bool SlideShow::waitingFor(std::int32_t number) {
    if (!folders_ || !folders_->pictures.waiting(number)) return false;
    askForReadings();
    return true;
}

void SlideShow::askForReadings() { folders_->scanner->read(folders_->pictures.takeWanted()); }

// What the folders' thread read changes the pictures; the slide on show keeps its place
// among them, and the coming one is chosen again.
void SlideShow::takeReadings() {
    if (!folders_) return;
    for (const FolderReading& reading : folders_->scanner->collect())
        sequencer_.renumber(folders_->pictures.take(reading, sequencer_.current()));
    prepareNext();
}

// The slide after the one on show, for this surface, so that it is ready when due: the
// next of what was shown after steps back, else the order's next.
void SlideShow::prepareNext() {
    if (const Slide* seen = history_.coming()) {
        preparer().prepare(requestFor(*seen));
        return;
    }
    const std::vector<Slide>& pictures = this->pictures();
    const std::int32_t next = sequencer_.next(OrderOf(settings_), pictures);
    if (pictures.empty() || waitingFor(next)) return;
    if (folders_ && !settings_.randomOrder) {
        folders_->pictures.comingTo(next);
        askForReadings();
    }
    preparer().prepare(requestFor(pictures[static_cast<std::size_t>(next - 1)]));
}

void SlideShow::nextSlide() {
    // Every tick, due or not, so a colour chosen in the settings dialog shows at once.
    // Nothing else is touched until a slide is due: this runs several times a second.
    const tk::Color background = settings_.backgroundColor;
    if (surface_.backColor() != background) surface_.setBackColor(background);
    const double now = Now();
    if (history_.waitingStep() == 0 && (paused_ || !sequencer_.due(now, settings_.delaySeconds))) {
        // In the second before its turn, the coming slide's file is looked at again, so
        // that the slide shows the file as it is then.
        if (!paused_ && preparer_ && sequencer_.due(now + kOneSecond, settings_.delaySeconds))
            preparer_->lookAgain();
        return;
    }
    showComing(now);
}

void SlideShow::beginChange(bool stepped, const std::string* text) {
    const bool again = text && textOnShow_ == *text;
    const bool fade = settings_.options.fade && shownOne_ && !stepped && !again;
    surface_.crossFade(fade ? settings_.options.fadeMs : 0);
    shownOne_ = true;
    textOnShow_ = text ? std::optional<std::string>(*text) : std::nullopt;
}

void SlideShow::showComing(double now) {
    const bool stepped = history_.waitingStep() != 0;
    const Slide* seen = history_.coming(); // a step through what was shown
    bool drifting = false;
    const std::vector<Slide>& pictures = this->pictures();
    std::int32_t number = 0;
    if (!seen) number = sequencer_.next(OrderOf(settings_), pictures);
    if (!seen && pictures.empty()) {
        beginChange(stepped, &kNoPath);
        ShowCaption(surface_, {});
        DrawTextSlide(window_, surface_, element_, std::nullopt);
    } else {
        // The slide on show stays until the entry's first reading has come, for one delay
        // at most: a folder whose reading does not come (a share that no longer answers)
        // then gives its text slide, and the show goes on.
        const bool unread = !seen && waitingFor(number);
        if (!unread) {
            waitingSince_.reset();
        } else if (!waitingSince_) {
            waitingSince_ = now;
        }
        if (unread && (now - *waitingSince_) * kScheduleSecondsPerDay <= settings_.delaySeconds) return;
        waitingSince_.reset();
        const Slide& slide = seen ? *seen : pictures[static_cast<std::size_t>(number - 1)];
        SlidePreparer& preparer = this->preparer();
        const DueAction action =
            unread ? DueAction::ShowText : preparer.atDue(requestFor(slide), now, settings_.delaySeconds);
        if (action == DueAction::Wait) return;
        beginChange(stepped, action == DueAction::ShowPicture ? nullptr : &slide.path);
        switch (action) {
        case DueAction::Wait:
            return;
        case DueAction::ShowText:
        case DueAction::GiveUp:
            element_.setVisible(false);
            element_.setStretch(false);
            ShowCaption(surface_, {});
            DrawTextSlide(window_, surface_, element_, slide.path);
            break;
        case DueAction::ShowPicture:
            FitLoadedPicture(element_, surface_, preparer.picture(), slide);
            drifting = settings_.options.panZoom;
            ShowCaption(surface_, CaptionText(settings_.options, slide.path, preparer.picture().dateTaken()));
            break;
        }
        if (!unread) preparer.slideShown();
        if (steered_) history_.shown(slide);
    }
    element_.setVisible(true);
    if (drifting) {
        // Over the slide's time on screen, held still while the show is paused.
        surface_.drift(element_, tk::ChooseDriftPath([] { return platform::services().random->Rnd(); }),
                       settings_.delaySeconds * 1000);
        if (paused_) surface_.holdDrift(true);
    } else {
        surface_.drift(element_, std::nullopt, 0);
    }
    // Read after drawing: a slow drawing must not eat into the time the slide is on show.
    if (seen) {
        sequencer_.restartSchedule(Now());
    } else {
        sequencer_.shown(number, Now());
        if (folders_) folders_->pictures.shown(settings_.randomOrder);
    }
    prepareNext();
}

} // namespace qs
