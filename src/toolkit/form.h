// A top-level window. Each window of the program is a Form subclass with its controls as
// members; it overrides the form events it handles (onLoad, onClosing, ...) and binds its
// controls' events in one place.
//
// Lifecycle: load() creates the windows (the form's, then each control's in creation
// order) and runs onLoad. close() asks onClosing, which may refuse, then runs onClosed and
// drops the windows; it is the one path of every close, whatever its cause (code, the
// close box, Alt+F4, WM_CLOSE, the session ending).
#pragma once

#include <string>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/surface.h"

namespace qs::tk {

class Button;

enum class BorderStyle {
    None,        // no border, no caption
    FixedSingle, // a caption and a thin border
    Sizable,     // a caption and a sizing border
    FixedDialog, // a dialog's caption and frame
};

// How a form looks and behaves; fixed once it is loaded, its caption and client size aside.
struct FormArgs {
    BorderStyle border = BorderStyle::Sizable;
    std::string caption{};
    float clientWidth = 4800; // twips
    float clientHeight = 3600;
    bool controlBox = true; // the system menu and the close box
    bool minButton = true;
    bool maxButton = true;
    bool inTaskbar = true;
    bool centred = false; // placed in the middle of the screen at load
    // onKeyDown sees every key before the focused control does.
    bool previewsKeys = false;
};

class Form : public Component, public Container, public Surface {
public:
    explicit Form(const FormArgs& args = {});
    ~Form() override;

    // --- how it looks ---
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    BorderStyle border() const { return args_.border; }
    bool hasControlBox() const { return args_.controlBox; }
    bool hasMinButton() const { return args_.minButton; }
    bool hasMaxButton() const { return args_.maxButton; }
    bool inTaskbar() const { return args_.inTaskbar; }
    const Picture& icon() const { return icon_; }
    void setIcon(const Picture& p);

    // --- geometry, twips ---
    float left() const { return left_; }
    float top() const { return top_; }
    // Outer size, border and caption included.
    float width() const;
    float height() const;
    // Inner (client) size.
    float clientWidth() const override { return clientWidth_; }
    float clientHeight() const override { return clientHeight_; }
    // Sets the client area; the outer size follows from the border style.
    void setClientSize(float width, float height);
    // Moves and sizes the window by its outer size.
    void move(const Bounds& bounds);

    bool visible() const { return visible_; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    platform::WindowHandle handle() const;

    // --- lifecycle ---
    bool isLoaded() const { return loaded_; }
    // Creates the window and its controls (hidden) and runs onLoad. Does nothing when
    // loaded already.
    void load();
    // Loads if needed and shows the window; the first time it shows, the first control in
    // tab order gets the focus.
    void show();
    // show(), then every other loaded form takes no input (disabled) while the backend's
    // modal loop runs, which returns when this form has been closed or hidden; then those
    // forms are enabled again. Other forms' timers keep firing.
    void showModal(Form* owner);
    void hide();
    // Asks the form to close; false when onClosing refused, or when the form is closing
    // already (the request is then ignored). After onClosed the windows are dropped
    // (children first), so the form's timers stop. A form destroyed while loaded drops its
    // windows without its events.
    bool close(CloseReason reason = CloseReason::Program);

    // The control with the keyboard focus, or null.
    Control* focusedControl() const { return focusedControl_; }
    void setFocusedControl(Control* c) { focusedControl_ = c; }
    Button* defaultButton() const;
    Button* cancelButton() const;

    // --- the user's input (the peers) ---
    // The close box, Alt+F4, WM_CLOSE, the session ending.
    bool userClose(CloseReason reason = CloseReason::User);
    // A key pressed while the form is active, before the focused control sees it: runs
    // onKeyDown when the form previews keys or no control has the focus. True when the
    // form closed meanwhile, so that nothing is left to take the key.
    bool userKeyDown(Key key, KeyModifiers modifiers);
    void userMouseDown(float x, float y);
    void userMouseMove(float x, float y);

    // --- Surface ---
    float surfaceWidth() const override { return width(); }
    float surfaceHeight() const override { return height(); }
    float surfaceClientWidth() const override { return clientWidth_; }
    float surfaceClientHeight() const override { return clientHeight_; }
    bool isForm() const override { return true; }
    Component& asComponent() override { return *this; }

    // Every component of the form except the form itself, in creation order (containers
    // come before their children). Components register themselves on construction.
    const std::vector<Component*>& components() const { return components_; }
    void registerComponent(Component& c);
    void unregisterComponent(Component& c);
    // The first control that can take the focus now after `from` in tab order (by
    // tabIndex, ties in creation order), wrapping; null when none can.
    Control* nextInTabOrder(const Control* from, bool backwards = false) const;

protected:
    // --- form events; subclasses override the ones they handle ---
    virtual void onLoad() {}
    // Whether the close may go on.
    virtual bool onClosing(CloseReason reason) {
        (void)reason;
        return true;
    }
    virtual void onClosed() {}
    virtual void onKeyDown(Key key, KeyModifiers modifiers) { (void)key, (void)modifiers; }
    virtual void onMouseDown(float x, float y) { (void)x, (void)y; }
    virtual void onMouseMove(float x, float y) { (void)x, (void)y; }

    Component& surfaceComponent() override { return *this; }

private:
    void createPeers();
    void dropPeers();

    FormArgs args_;
    std::string caption_;
    Picture icon_;
    float left_ = 0, top_ = 0;
    float clientWidth_, clientHeight_;
    bool visible_ = false;
    bool enabled_ = true;
    bool loaded_ = false;
    bool closing_ = false;
    Control* focusedControl_ = nullptr;
    std::vector<Component*> components_;
};

} // namespace qs::tk
