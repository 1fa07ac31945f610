// The Win32 backend: real windows and controls, GDI drawing, WIC pictures, the
// system's dialogs, and the message loop.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "platform/win32/scoped.h"
#include "toolkit/controls.h"
#include "toolkit/peer.h"
#include "toolkit/win32/win32_common.h"

namespace qs::tk::win32 {

class FormPeer;

class Win32Backend final : public Backend {
public:
    Win32Backend();
    ~Win32Backend() override;

    std::unique_ptr<Peer> createPeer(Component& component) override;
    void runModal(Form& form, Form* owner) override;
    void runMessageLoop() override;
    void formClosed(Form& form) override;
    SizeTwips measureText(const FontSpec& font, std::string_view text) override;
    float listRowHeight(const ListBox& list) override;
    SizeTwips formFrameExtra(const Form& form) override;
    bool messageBox(const std::string& text, const std::string& title, MessageKind kind, Form* owner) override;
    std::optional<Color> chooseColor(Form* owner) override;
    FileChoice chooseFileToOpen(Form* owner, const OpenFileRequest& request) override;
    FileChoice chooseFolder(Form* owner, const std::string& title) override;
    std::optional<Picture> loadPicture(const std::string& path) override;
    std::optional<Picture> preparePicture(const PictureOrder& order) override;
    std::optional<FileStamp> fileStamp(const std::string& path, const std::stop_token& stop) override;
    DecoderExtensionList decoderExtensions() override;
    std::unique_ptr<WorkerThreadScope> enterWorkerThread() override;
    Picture appIcon() override;
    Picture resourcePicture(std::string_view name) override;
    void setScreenPointer(Pointer shape) override;
    void useMonitorPixels() override;

    // The backend in force, when it is this one.
    static Win32Backend* current();

    FontCache& fonts() { return fonts_; }

    Pointer screenPointer() const { return screenPointer_; }
    // The hidden message-only window that owns every timer.
    HWND timerHost();
    // The hidden top-level window that owns the forms kept out of the taskbar.
    HWND hiddenOwner();
    // Handles one message of the thread the way the program's loops do: the form's key
    // preview, the dialog keys of the active form, then dispatch.
    void processMessage(MSG& msg);
    // True while a key message the form has previewed already is being dispatched.
    bool keyPreviewed() const { return keyPreviewed_; }
    // A form's window has just lost the activation.
    void noteDeactivated(HWND form) { previousActive_ = form; }

private:
    // COM for the imaging component and the common dialogs, up for the backend's life;
    // first, so that it ends after everything else of the backend.
    platform::ComInit com_{COINIT_APARTMENTTHREADED};
    // Before everything that uses a font (the measuring DC), so that it goes after them.
    FontCache fonts_;
    Pointer screenPointer_ = Pointer::Default;
    std::unique_ptr<NativeWindow> timerHost_;
    platform::OwnedWindow hiddenOwner_;
    bool keyPreviewed_ = false;
    HWND previousActive_ = nullptr;
    // Kept for measuring text: a screen DC fetched per measurement costs several server
    // calls under Wine, and the editor measures every row's name when it opens.
    platform::MemoryDc measureDc_;
    HFONT measureFont_ = nullptr; // selected in measureDc_, with its line height
    long measureLineHeight_ = 0;
};

// Peers, one per kind of component.
std::unique_ptr<Peer> MakeFormPeer(Form& form);
std::unique_ptr<Peer> MakePictureBoxPeer(PictureBox& box);
std::unique_ptr<Peer> MakeImagePeer(Image& image);
std::unique_ptr<Peer> MakeLinePeer(Line& line);
std::unique_ptr<Peer> MakeLabelPeer(Label& label);
std::unique_ptr<Peer> MakeButtonPeer(Button& button);
std::unique_ptr<Peer> MakeCheckBoxPeer(CheckBox& box);
std::unique_ptr<Peer> MakeGroupBoxPeer(GroupBox& box);
std::unique_ptr<Peer> MakeTextBoxPeer(TextBox& box);
std::unique_ptr<Peer> MakeScrollBarPeer(ScrollBar& bar);
std::unique_ptr<Peer> MakeListBoxPeer(ListBox& list);
std::unique_ptr<Peer> MakeTimerPeer(Timer& timer);
// The hidden window that owns every timer.
std::unique_ptr<NativeWindow> MakeTimerHost();

// The cursor of a pointer shape, or null for the window's own (the class default).
HCURSOR CursorFor(Pointer shape);
// WM_SETCURSOR for one of our windows asking for `shape`: true when a cursor was set. The
// screen-wide pointer wins over all.
bool ApplyCursor(LPARAM lParam, Pointer shape);

// The tooltip of a control, shown by one tooltip window per form.
void SetToolTip(Control& control, HWND controlWindow);

// The form peer of a top-level window of ours, or null.
FormPeer* FormPeerOf(HWND topLevel);

} // namespace qs::tk::win32
