// Peers and backends. A component keeps all of its state and tells its peer what
// changed; the peer mirrors it into a real window (Win32), which notifies nobody. The
// user's input comes back from a peer through the component's user*() entry points, which
// raise the component's events.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/services.h"
#include "toolkit/dialogs.h"
#include "toolkit/drift_path.h"
#include "toolkit/picture.h"
#include "toolkit/types.h"

namespace qs::tk {

class Component;
class Form;
class Image;
class ListBox;

// What changed on a component. `index` names the row for the list-row changes.
enum class Prop {
    Created,      // the peer was just attached: mirror everything
    Geometry,     // place and size
    Visible,
    Enabled,
    Caption,      // forms, labels, buttons, check boxes, group boxes
    Text,         // text box
    Value,        // check box state, scroll bar value
    Colors,       // background and foreground colours
    Font,
    Picture,      // image, picture box, form icon
    Stretch,
    ToolTip,
    Pointer,
    Focus,        // the component has just been given the focus from code
    Interval,     // timer interval or enabled
    RowInserted,  // list boxes: row `index` inserted
    RowRemoved,   // row `index` removed
    RowsCleared,
    RowChecked,   // row `index` check state changed
    CurrentRow,
    TopRow,
};

class Peer {
public:
    virtual ~Peer() = default;
    virtual void sync(Prop what, int index = -1) = 0;
    // The real window behind the component, 0 when there is none.
    virtual platform::WindowHandle hwnd() const { return 0; }
};

// A drawing surface (a form or a picture box) keeps what is drawn on it until cleared,
// a new background colour, or new drawing over it.
class SurfacePeer : public Peer {
public:
    // Clears text and drawing to the colour.
    virtual void clear(Color back) = 0;
    // Draws one line of text with its top-left corner at (x, y), in twips of the surface.
    virtual void drawText(float x, float y, const std::string& text, const FontSpec& font, Color color) = 0;
    // The surface's overlay text (Surface::overlay) changed: it is drawn anew, above the images.
    virtual void overlayChanged() = 0;
    // See Surface::crossFade.
    virtual void crossFade(int lengthMs) = 0;
    // See Surface::drift (a null path ends it) and Surface::holdDrift.
    virtual void drift(const Image& image, const DriftPath* path, int lengthMs) = 0;
    virtual void holdDrift(bool held) = 0;
};

// The peer of a picture box that can lend its window to another program's window (the
// preview inside the display settings): the surface becomes a child of the host, and
// when the host asks it to close it comes back to its own form instead of being
// destroyed, and the box's onHostClosed event fires.
class HostablePeer {
public:
    virtual ~HostablePeer() = default;
    virtual void enterHost(platform::WindowHandle host) = 0;
};

// What a worker thread holds of the system while it runs (the imaging objects), released
// when this goes: at the end of the thread's own function, not in the system's thread exit.
class WorkerThreadScope {
public:
    virtual ~WorkerThreadScope() = default;
};

class Backend {
public:
    virtual ~Backend() = default;

    // Creates the peer of a component. Called by Form::load for the form, then for each
    // control in creation order (containers before their children), and at once for
    // controls created while their form is loaded.
    virtual std::unique_ptr<Peer> createPeer(Component& component) = 0;

    // Runs a nested message loop until `form` is closed or hidden. Other windows'
    // timers keep firing; the owner takes no input meanwhile.
    virtual void runModal(Form& form, Form* owner) = 0;
    // Runs the message loop until no form is loaded (returns at once if none is).
    virtual void runMessageLoop() = 0;
    // A form was closed; the loop may end when none is left.
    virtual void formClosed(Form& form) = 0;

    // Text extent of one line in the font, in twips.
    virtual SizeTwips measureText(const FontSpec& font, std::string_view text) = 0;
    // Height of one row of a list box, in twips.
    virtual float listRowHeight(const ListBox& list) = 0;
    // What a form's border and caption add to its client size, in twips.
    virtual SizeTwips formFrameExtra(const Form& form) = 0;

    // The system's message box of that kind over `owner` (may be null); true when the
    // user answered Yes.
    virtual bool messageBox(const std::string& text, const std::string& title, MessageKind kind, Form* owner) = 0;
    // The system's colour and file-open dialogs (see dialogs.h).
    virtual std::optional<Color> chooseColor(Form* owner) = 0;
    virtual FileChoice chooseFileToOpen(Form* owner, const OpenFileRequest& request) = 0;
    virtual FileChoice chooseFolder(Form* owner, const std::string& title) = 0;

    virtual std::optional<Picture> loadPicture(const std::string& path) = 0;
    // These two may be called from any thread, with the backend made before that thread
    // started: they read none of its state. The picture may then go to the user-interface
    // thread; the calling thread keeps nothing of it. A missing, truncated or undecodable
    // file, and an order stopped, give nullopt.
    virtual std::optional<Picture> preparePicture(const PictureOrder& order) = 0;
    // A picture file's stamp, to tell whether it changed since it was read; nullopt when
    // the file cannot be read (missing, a folder, an empty path). A stop cancels the look.
    virtual std::optional<FileStamp> fileStamp(const std::string& path, const std::stop_token& stop) = 0;
    // The file extensions of the system's installed picture decoders (see DecoderExtensions).
    virtual DecoderExtensionList decoderExtensions() = 0;
    // Called first on a worker thread that prepares pictures; held until it returns.
    virtual std::unique_ptr<WorkerThreadScope> enterWorkerThread() = 0;
    virtual Picture appIcon() = 0;
    virtual Picture resourcePicture(std::string_view name) = 0;

    // The pointer over every window of the program; Pointer::Default gives each window its own.
    virtual void setScreenPointer(Pointer shape) = 0;
    // Windows created from now on measure in the real pixels of the monitor they are on,
    // where the system offers that (per-monitor scaling); otherwise nothing changes.
    virtual void useMonitorPixels() {}
};

} // namespace qs::tk
