#include "toolkit/headless/headless_backend.h"

#include <algorithm>
#include <limits>

#include "toolkit/application.h"
#include "toolkit/headless/headless_peers.h"

namespace qs::tk::headless {

namespace {

constexpr float kCharWidthPerPoint = 12;
constexpr float kBoldWidthFactor = 1.125f;
constexpr float kLineHeightPerPoint = 24;
constexpr int kPlainRowPixels = 13;
constexpr int kCheckRowPixels = 15;

// The buttons of a message box by its button group (flags & 7), left to right.
std::vector<int> ButtonsOf(int flags) {
    switch (flags & 7) {
    case 1: return {vbOK, vbCancel};
    case 2: return {3, 4, 5}; // Abort, Retry, Ignore
    case 3: return {vbYes, vbNo, vbCancel};
    case 4: return {vbYes, vbNo};
    case 5: return {4, vbCancel}; // Retry, Cancel
    default: return {vbOK};
    }
}

// The answer a box gives when its default button is pressed (flags & 0x300 picks it).
int DefaultAnswer(int flags) {
    const std::vector<int> buttons = ButtonsOf(flags);
    const std::size_t which = static_cast<std::size_t>((flags >> 8) & 3);
    return which < buttons.size() ? buttons[which] : buttons.front();
}

} // namespace

HeadlessBackend::HeadlessBackend() : state_(std::make_shared<detail::HeadlessState>()) {}

HeadlessBackend::~HeadlessBackend() = default;

std::vector<DrawOp> HeadlessBackend::surfaceOps(const Component& surface) const {
    const auto* record = dynamic_cast<const detail::DrawingRecord*>(surface.peer());
    return record ? record->ops : std::vector<DrawOp>{};
}

std::vector<std::string> HeadlessBackend::textsOn(const Component& surface) const {
    std::vector<std::string> texts;
    for (const DrawOp& op : surfaceOps(surface))
        if (op.type == DrawOp::Type::Text) texts.push_back(op.text);
    return texts;
}

platform::WindowHandle HeadlessBackend::hostOf(const PictureBox& box) const { return detail::HostOf(box); }

void HeadlessBackend::closeFromHost(PictureBox& box) {
    if (detail::LeaveHost(box)) box.userHostClosing();
}

void HeadlessBackend::moveClockTo(std::uint64_t when) {
    const std::uint64_t now = state_->timers.now();
    if (when <= now) return;
    state_->timers.setNow(when);
    if (onAdvance) {
        const auto hook = onAdvance;
        hook(when - now);
    }
}

bool HeadlessBackend::fireNextTimer(std::uint64_t limit) {
    const std::optional<detail::VirtualTimers::Entry> next = state_->timers.earliest();
    if (!next || next->due > limit) return false;
    moveClockTo(next->due);
    // Held by value: the tick may stop, restart or destroy this very timer.
    const std::uint64_t id = next->id;
    const std::uint64_t due = next->due;
    next->timer->userTick();
    state_->timers.rearm(id, due);
    return true;
}

void HeadlessBackend::runMessageLoop() {
    for (std::size_t steps = 0; steps < kMessageLoopStepLimit && !LoadedForms().empty(); ++steps) {
        if (!state_->timers.earliest()) return; // nothing will ever happen again
        fireNextTimer(std::numeric_limits<std::uint64_t>::max());
    }
}

std::unique_ptr<Peer> HeadlessBackend::createPeer(Component& component) { return detail::MakePeer(component, state_); }

void HeadlessBackend::runModal(Form& form, Form* owner) {
    (void)owner;
    modalForms_.push_back(form.Name());
    if (onModal) {
        const auto hook = onModal;
        hook(form);
    }
}

void HeadlessBackend::formUnloaded(Form&) {}

SizeTwips HeadlessBackend::measureText(const FontSpec& font, std::string_view text) {
    const float perChar = static_cast<float>(font.Size) * kCharWidthPerPoint * (font.Bold ? kBoldWidthFactor : 1.0f);
    return {perChar * static_cast<float>(text.size()), static_cast<float>(font.Size) * kLineHeightPerPoint};
}

float HeadlessBackend::listRowHeight(const ListBox& list) {
    return static_cast<float>(list.CheckStyle() ? kCheckRowPixels : kPlainRowPixels) * Screen::TwipsPerPixelY();
}

SizeTwips HeadlessBackend::formFrameExtra(const Form& form) {
    int wide = 0, high = 0;
    switch (form.borderStyle()) {
    case BorderStyle::None: break;
    case BorderStyle::FixedSingle:
    case BorderStyle::FixedDialog: wide = 6, high = 25; break;
    case BorderStyle::Sizable: wide = 8, high = 27; break;
    }
    return {static_cast<float>(wide) * Screen::TwipsPerPixelX(), static_cast<float>(high) * Screen::TwipsPerPixelY()};
}

int HeadlessBackend::messageBox(const std::string& prompt, int flags, const std::string& title, Form* owner) {
    MessageBoxRecord box{prompt, flags, title, owner ? owner->Name() : std::string(), false, 0};
    if (onMessageBox) {
        const auto hook = onMessageBox;
        box.answer = hook(box);
        box.answered = true;
    } else if (!answers_.empty()) {
        box.answer = answers_.front();
        answers_.pop_front();
        box.answered = true;
    } else {
        box.answer = DefaultAnswer(flags);
    }
    messageBoxes_.push_back(box);
    return box.answer;
}

int HeadlessBackend::unansweredMessageBoxes() const {
    return static_cast<int>(std::count_if(messageBoxes_.begin(), messageBoxes_.end(),
                                          [](const MessageBoxRecord& b) { return !b.answered; }));
}

int HeadlessBackend::showDialog(CommonDialog& dialog, DialogRecord::Type type, std::deque<DialogScript>& scripts) {
    dialogs_.push_back(DialogRecord{type, dialog.Flags, dialog.Filter, dialog.FilterIndex, dialog.DialogTitle,
                                    dialog.CancelError, dialog.Color, dialog.FileName, dialog.InitDir});
    DialogScript script = DialogScript::Cancelled();
    if (!scripts.empty()) {
        script = scripts.front();
        scripts.pop_front();
    }
    switch (script.outcome) {
    case DialogScript::Outcome::Accept:
        if (type == DialogRecord::Type::Color)
            dialog.Color = script.color;
        else
            dialog.FileName = script.fileName;
        return 0;
    case DialogScript::Outcome::Cancel: return dialog.CancelError ? cdlCancel : 0;
    case DialogScript::Outcome::Fail: return script.error;
    }
    return 0;
}

int HeadlessBackend::showColorDialog(CommonDialog& dialog) {
    return showDialog(dialog, DialogRecord::Type::Color, colorScripts_);
}

int HeadlessBackend::showOpenDialog(CommonDialog& dialog) {
    return showDialog(dialog, DialogRecord::Type::Open, openScripts_);
}

void HeadlessBackend::setScreenPointer(int shape) {
    screenPointer_ = shape;
    pointerChanges_.push_back(shape);
}

} // namespace qs::tk::headless
