// The headless toolkit backend: peers that keep nothing beyond a record of what the
// components told them, a virtual millisecond clock for timers, and scripted answers
// for message boxes and common dialogs. Native tests drive forms through it as the
// user would (the components' user*() entry points) and read back what was shown.
//
// Conventions tests can rely on:
// - Text metrics are deterministic: a line is (characters x Size x 12) twips wide,
//   x 9/8 when bold, and (Size x 24) twips high whatever its text (8.25 pt: 99 twips a
//   character, 198 twips a line). Compute expectations with backend().measureText.
// - List rows are 13 screen pixels high, 15 in check-style lists (in twips: x the
//   screen's TwipsPerPixelY).
// - Form frames (border and caption) add, in pixels: None 0 x 0; FixedSingle and
//   FixedDialog 6 x 25; Sizable 8 x 27.
// - Windowed components (forms, picture boxes, buttons, check boxes, frames, text
//   boxes, scroll bars, list boxes) get fake, unique, non-zero window handles, new
//   ones each time their form is loaded; labels, images, lines, timers and dialogs 0.
// - Pictures are decoded for real (GIF, JPEG, BMP, PNG): a file loads only when it
//   passes the structure checks both backends share (toolkit/picture_header.h) and
//   decodes fully. The natural size honours the JPEG EXIF orientation; HIMETRIC =
//   pixels x 2540 / (1440 / twips per pixel), rounded. Files above
//   kMaxPictureFileBytes are refused unread. AppIcon is a 32 x 32 icon; resources "MONITOR" (189 x 174) and "LOGO"
//   (117 x 85) are sizes only.
#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/controls.h"
#include "toolkit/peer.h"

namespace qs::tk::headless {

namespace detail {
struct HeadlessState;
}

// One drawing operation on a surface.
struct DrawOp {
    enum class Type { Cls, Text };
    Type type = Type::Cls;
    Color color = 0;     // Cls: the colour cleared to; Text: the text colour
    float x = 0, y = 0;  // Text: top-left corner in twips of the surface
    std::string text;
    FontSpec font;
};

// A message box as it was asked, and what it returned.
struct MessageBoxRecord {
    std::string prompt;
    int flags = 0;
    std::string title;
    std::string owner; // the owner form's Name, "" without an owner
    bool answered = false;
    int answer = 0;
};

// What a common dialog will do when it is shown next.
struct DialogScript {
    enum class Outcome { Accept, Cancel, Fail };
    Outcome outcome = Outcome::Cancel;
    Color color = 0;
    std::string fileName;
    int error = 0;

    static DialogScript PickColor(Color c) { return {Outcome::Accept, c, {}, 0}; }
    static DialogScript PickFile(std::string path) { return {Outcome::Accept, 0, std::move(path), 0}; }
    static DialogScript Cancelled() { return {Outcome::Cancel, 0, {}, 0}; }
    // A failure other than a cancel; the code must be non-zero (CDERR_DIALOGFAILURE by default).
    static DialogScript Failed(int code = 0xFFFF) { return {Outcome::Fail, 0, {}, code == 0 ? 0xFFFF : code}; }
};

// A common dialog as it was shown: its properties at that moment.
struct DialogRecord {
    enum class Type { Color, Open };
    Type type = Type::Color;
    std::int32_t Flags = 0;
    std::string Filter;
    int FilterIndex = 0;
    std::string DialogTitle;
    bool CancelError = false;
    Color color = 0;
    std::string FileName;
    std::string InitDir;
};

class HeadlessBackend : public Backend {
public:
    static constexpr std::uintmax_t kMaxPictureFileBytes = 256u * 1024u * 1024u;

    HeadlessBackend();
    ~HeadlessBackend() override;

    // ---------------------------------------------------------------- surfaces
    // The drawing on a form or picture box since its last clear: a Cls (when there was
    // one) followed by the texts drawn since. Empty when the surface has no peer.
    std::vector<DrawOp> surfaceOps(const Component& surface) const;
    // Just the texts of surfaceOps, in drawing order.
    std::vector<std::string> textsOn(const Component& surface) const;

    // ---------------------------------------------------------------- hosted picture boxes
    // The window a picture box was moved into (moveIntoHost), 0 while it is in its form.
    platform::WindowHandle hostOf(const PictureBox& box) const;
    // The host asks the box to close, as a WM_CLOSE would: the box comes back to its
    // form and HostClosing fires. Nothing happens for a box in no host.
    void closeFromHost(PictureBox& box);

    // ---------------------------------------------------------------- message loop
    // RunMessageLoop fires timers on a virtual clock, in time order (equal times in the
    // order the timers were created), until no form is loaded, no timer runs any more,
    // or kMessageLoopStepLimit timer firings have happened. Before each firing onAdvance
    // is called with the time just passed, so that a test can move its clock double in step.
    static constexpr std::size_t kMessageLoopStepLimit = 100000;
    std::function<void(std::uint64_t elapsedMs)> onAdvance;

    // ---------------------------------------------------------------- modal forms
    // A modal Show calls onModal with the form (shown, its owner disabled) and returns
    // when the hook returns, whether or not the hook closed the form. Without a hook
    // it returns at once and the form stays loaded and shown, so that the test can
    // drive it afterwards. The hook may be replaced from inside itself.
    std::function<void(Form&)> onModal;
    // The names of the forms shown modally, in order.
    const std::vector<std::string>& modalForms() const { return modalForms_; }

    // ---------------------------------------------------------------- message boxes
    // Answers are used in order, one per box. onMessageBox, when set, answers instead.
    // A box with no answer is recorded as unanswered and returns its default button.
    void answerMessageBox(int answer) { answers_.push_back(answer); }
    std::function<int(const MessageBoxRecord&)> onMessageBox;
    const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
    int unansweredMessageBoxes() const;
    std::size_t pendingAnswers() const { return answers_.size(); }

    // ---------------------------------------------------------------- common dialogs
    // Scripts are used in order, one per dialog of that type. A dialog shown without a
    // script is recorded (scripted = false) and behaves as cancelled.
    void scriptColorDialog(DialogScript s) { colorScripts_.push_back(std::move(s)); }
    void scriptOpenDialog(DialogScript s) { openScripts_.push_back(std::move(s)); }
    const std::vector<DialogRecord>& dialogs() const { return dialogs_; }

    // ---------------------------------------------------------------- pictures, pointer
    // Every path given to LoadPicture, in order, whether it loaded or not.
    const std::vector<std::string>& pictureLoads() const { return pictureLoads_; }
    int screenPointer() const { return screenPointer_; }
    // Every shape set, in order.
    const std::vector<int>& screenPointerChanges() const { return pointerChanges_; }

    // ---------------------------------------------------------------- Backend
    std::unique_ptr<Peer> createPeer(Component& component) override;
    void runModal(Form& form, Form* owner) override;
    void runMessageLoop() override;
    void formUnloaded(Form& form) override;
    SizeTwips measureText(const FontSpec& font, std::string_view text) override;
    float listRowHeight(const ListBox& list) override;
    SizeTwips formFrameExtra(const Form& form) override;
    int messageBox(const std::string& prompt, int flags, const std::string& title, Form* owner) override;
    int showColorDialog(CommonDialog& dialog) override;
    int showOpenDialog(CommonDialog& dialog) override;
    std::optional<Picture> loadPicture(const std::string& path) override;
    std::optional<Picture> preparePicture(const std::string& path,
                                          const std::function<DisplayPlace(const Picture&)>& placeOf) override;
    std::optional<FileStamp> fileStamp(const std::string& path) override;
    Picture appIcon() override;
    Picture resourcePicture(std::string_view name) override;
    void setScreenPointer(int shape) override;

private:
    int showDialog(CommonDialog& dialog, DialogRecord::Type type, std::deque<DialogScript>& scripts);
    void moveClockTo(std::uint64_t when);
    // Fires the earliest timer due at or before `limit`; false when none is.
    bool fireNextTimer(std::uint64_t limit);

    std::shared_ptr<detail::HeadlessState> state_;
    std::vector<std::string> modalForms_;
    std::deque<int> answers_;
    std::vector<MessageBoxRecord> messageBoxes_;
    std::deque<DialogScript> colorScripts_;
    std::deque<DialogScript> openScripts_;
    std::vector<DialogRecord> dialogs_;
    std::vector<std::string> pictureLoads_;
    int screenPointer_ = vbDefault;
    std::vector<int> pointerChanges_;
};

} // namespace qs::tk::headless
