// A top-level window. Each window of the program is a Form subclass with its
// controls as members and one virtual handler per form event.
//
// Lifecycle: Load() creates the peers (the form's, then each control's in creation
// order) and runs Form_Load. Unload() runs Form_QueryUnload, which may cancel, then
// Form_Unload, then drops the peers; it is the one path of every close, whatever its
// cause (code, the close box, Alt+F4, WM_CLOSE, the session ending).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/component.h"
#include "toolkit/surface.h"

namespace qs::tk {

class CommandButton;

enum class BorderStyle {
    None = 0,
    FixedSingle = 1,
    Sizable = 2,
    FixedDialog = 3,
};

enum class StartUpPosition {
    Manual = 0,
    CenterScreen = 2,
};

class Form : public Component, public Container, public Surface {
public:
    explicit Form(std::string name);
    ~Form() override;

    // --- design properties (set in the subclass constructor) ---
    const std::string& Caption() const { return caption_; }
    void setCaption(const std::string& caption);
    BorderStyle borderStyle() const { return borderStyle_; }
    void setBorderStyle(BorderStyle s) { borderStyle_ = s; }
    bool ControlBox() const { return controlBox_; }
    void setControlBox(bool v) { controlBox_ = v; }
    bool MinButton() const { return minButton_; }
    void setMinButton(bool v) { minButton_ = v; }
    bool MaxButton() const { return maxButton_; }
    void setMaxButton(bool v) { maxButton_ = v; }
    StartUpPosition startUpPosition() const { return startUp_; }
    void setStartUpPosition(StartUpPosition p) { startUp_ = p; }
    // When true the form's Form_KeyDown sees every key before the focused control.
    bool KeyPreview() const { return keyPreview_; }
    void setKeyPreview(bool v) { keyPreview_ = v; }
    bool ShowInTaskbar() const { return showInTaskbar_; }
    void setShowInTaskbar(bool v) { showInTaskbar_ = v; }
    const Picture& Icon() const { return icon_; }
    void setIcon(const Picture& p);

    // --- geometry, twips ---
    float Left() const { return left_; }
    float Top() const { return top_; }
    // Outer size, border and caption included.
    float Width() const;
    float Height() const;
    // Inner (client) size.
    float ScaleWidth() const override { return clientWidth_; }
    float ScaleHeight() const override { return clientHeight_; }
    // Sets the client area; the outer size follows from the border style.
    void setClientSize(float width, float height);
    // Moves and sizes the window by its outer size.
    void Move(float left, float top, float width, float height);

    bool Visible() const { return visible_; }
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);
    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int shape);

    platform::WindowHandle hWnd() const;

    // --- lifecycle ---
    bool IsLoaded() const { return loaded_; }
    // Creates the window and its controls (hidden) and runs Form_Load. Does nothing
    // when already loaded.
    void Load();
    // Loads if needed and shows the window; the first time it shows, Form_Activate runs
    // and the first control in tab order gets the focus (its GotFocus runs). Modal:
    // every other loaded form is disabled (Enabled false, so it takes no input) while
    // backend().runModal runs, which returns when the form has been unloaded or hidden;
    // then those forms are enabled again.
    void Show(bool modal = false, Form* owner = nullptr);
    void Hide();
    // Asks the form to unload; false when Form_QueryUnload or Form_Unload cancelled,
    // or when the form is unloading already (the request is then ignored). After the
    // handlers the peers are dropped (children first), so the form's timers stop, and
    // backend().formUnloaded is told. A form destroyed while loaded drops its peers
    // without running its handlers.
    bool Unload(CloseReason reason = CloseReason::Code);

    // The control with the keyboard focus, or null.
    Control* ActiveControl() const { return activeControl_; }
    CommandButton* defaultButton() const;
    CommandButton* cancelButton() const;

    // --- user input entry points (the peers) ---
    // The close box, Alt+F4, WM_CLOSE.
    bool userClose(CloseReason reason = CloseReason::ControlMenu);
    // A key pressed while the form is active: Form_KeyDown first when KeyPreview is on
    // (or when no control has the focus), then Enter/Esc to the default/cancel button,
    // Alt+letter to the control with that access key, Tab to the next control, and the
    // rest to the focused control. Returns true when the key was used.
    bool userKey(std::int16_t keyCode, std::int16_t shift);
    // Only the first step of userKey, for backends whose native controls handle the
    // rest: runs Form_KeyDown when KeyPreview is on or no control has the focus.
    // Returns true when the handler consumed the key (set KeyCode to 0).
    bool userKeyDownPreview(std::int16_t keyCode, std::int16_t shift);
    // A character typed (after userKey did not use the key).
    void userChar(char ch);
    void userMouseDown(int button, int shift, float x, float y);
    void userMouseMove(int button, int shift, float x, float y);

    // --- Surface ---
    float surfaceWidth() const override { return Width(); }
    float surfaceHeight() const override { return Height(); }
    float surfaceScaleWidth() const override { return clientWidth_; }
    float surfaceScaleHeight() const override { return clientHeight_; }
    bool IsWindow() const override { return true; }
    Component& asComponent() override { return *this; }

    // Focus bookkeeping for Control::SetFocus / userGotFocus.
    void setActiveControl(Control* c) { activeControl_ = c; }

    // Every component of the form except the form itself, in creation order (containers
    // come before their children). Components register themselves on construction.
    const std::vector<Component*>& components() const { return components_; }
    void registerComponent(Component& c);
    void unregisterComponent(Component& c);
    // Controls that can take the focus now (canFocus, enabled, visible, TabStop), by
    // TabIndex, ties in creation order.
    std::vector<Control*> tabOrder() const;
    // The first control that can take the focus after `from` in tab order (wrapping).
    // `from` may be a label or frame, which never take the focus themselves.
    Control* nextInTabOrder(const Control* from, bool backwards = false) const;

protected:
    // --- form events; subclasses override the ones they handle ---
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_QueryUnload(bool& cancel, CloseReason reason) { (void)cancel, (void)reason; }
    virtual void Form_Unload(bool& cancel) { (void)cancel; }
    virtual void Form_KeyDown(std::int16_t& keyCode, std::int16_t& shift) { (void)keyCode, (void)shift; }
    virtual void Form_MouseDown(int button, int shift, float x, float y) { (void)button, (void)shift, (void)x, (void)y; }
    virtual void Form_MouseMove(int button, int shift, float x, float y) { (void)button, (void)shift, (void)x, (void)y; }

    Component& surfaceComponent() override { return *this; }

private:
    void createPeers();
    void dropPeers();
    void focusFirstControl();
    bool userAccessKey(char letter);
    bool userNavigationKey(std::int16_t keyCode, std::int16_t shift);

    std::string caption_;
    BorderStyle borderStyle_ = BorderStyle::Sizable;
    bool controlBox_ = true;
    bool minButton_ = true;
    bool maxButton_ = true;
    bool keyPreview_ = false;
    bool showInTaskbar_ = true;
    StartUpPosition startUp_ = StartUpPosition::Manual;
    Picture icon_;
    float left_ = 0, top_ = 0;
    float clientWidth_ = 4800, clientHeight_ = 3600;
    bool visible_ = false;
    bool enabled_ = true;
    int mousePointer_ = vbDefault;
    bool loaded_ = false;
    bool unloading_ = false;
    Control* activeControl_ = nullptr;
    std::vector<Component*> components_;
};

} // namespace qs::tk
