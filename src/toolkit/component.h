// The component base classes. Forms declare their controls as members, each constructed
// with its container and named arguments (its bounds in twips, caption, ...). Events are
// std::function members named for what happened (onClick, onChange, onScroll, onFocus,
// ...), which each form binds in one place.
//
// A change made from code notifies nobody, as LB_SETCURSEL and BM_SETCHECK notify no one:
// only the user's actions, reported by the backend through the user*() entry points, raise
// events. Where a form needs a handler's effect after a change of its own, it calls that
// handler itself.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "platform/services.h"
#include "toolkit/peer.h"
#include "toolkit/types.h"

namespace qs::tk {

class Container;
class Form;

enum class Kind {
    Form,
    Timer,
    PictureBox,
    Image,
    Label,
    Button,
    CheckBox,
    GroupBox,
    TextBox,
    ScrollBar,
    ListBox,
    Line,
};

class Component {
public:
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    virtual ~Component();

    Kind kind() const { return kind_; }
    Form& form() const { return *form_; }
    Container* container() const { return container_; }

    Peer* peer() const { return peer_.get(); }
    // Backend use: attach or drop the peer. Attaching syncs Prop::Created.
    void attachPeer(std::unique_ptr<Peer> peer);
    void detachPeer();
    // For a component made while its form is loaded: creates its peer (its window) at
    // once. Call once the object is fully constructed.
    void createPeerIfLoaded();

protected:
    // A form passes itself; every other component passes its container's form.
    Component(Kind kind, Form* form, Container* container);
    // Tells the peer, if there is one, what changed.
    void notify(Prop what, int index = -1);

private:
    Kind kind_;
    Form* form_;
    Container* container_;
    std::unique_ptr<Peer> peer_;
};

// A component that sits in a container at a place of its own.
class Control : public Component {
public:
    ~Control() override;
    float left() const { return bounds_.left; }
    float top() const { return bounds_.top; }
    float width() const { return bounds_.width; }
    float height() const { return bounds_.height; }
    const Bounds& bounds() const { return bounds_; }
    void setLeft(float v) { move({v, top(), width(), height()}); }
    void setTop(float v) { move({left(), v, width(), height()}); }
    void setWidth(float v) { move({left(), top(), v, height()}); }
    void setHeight(float v) { move({left(), top(), width(), v}); }
    virtual void move(const Bounds& bounds);

    bool visible() const { return visible_; }
    void setVisible(bool v);
    bool enabled() const { return enabled_; }
    void setEnabled(bool v);

    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(const std::string& text);

    Pointer pointer() const { return pointer_; }
    void setPointer(Pointer shape);

    int tabIndex() const { return tabIndex_; }
    void setTabIndex(int i) { tabIndex_ = i; }
    bool tabStop() const { return tabStop_; }
    void setTabStop(bool v) { tabStop_ = v; }
    // Whether the control can take the keyboard focus at all (buttons, boxes, lists).
    virtual bool canFocus() const { return false; }

    // Gives the control the keyboard focus, as SetFocus does; onFocus does not run.
    void setFocus();
    bool hasFocus() const;

    // The user moved the focus here.
    std::function<void()> onFocus;
    void userFocused();

    // Whether user input reaches the control: it, its containers and its form are enabled.
    bool acceptsInput() const;
    // Visible, and every container up to the form visible too (the form itself aside).
    bool visibleInContainers() const;

protected:
    Control(Kind kind, Container& container, const Bounds& bounds);

private:
    Bounds bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string toolTip_;
    Pointer pointer_ = Pointer::Default;
    int tabIndex_ = 0;
    bool tabStop_ = true;
};

// Something that holds controls: a form, a picture box or a group box.
class Container {
public:
    virtual ~Container() = default;
    const std::vector<Control*>& children() const { return children_; }
    virtual Component& asComponent() = 0;
    // The container's inner size in twips.
    virtual float clientWidth() const = 0;
    virtual float clientHeight() const = 0;

    // Called by Control's constructor and destructor.
    void addChild(Control* c) { children_.push_back(c); }
    void removeChild(Control* c);

private:
    std::vector<Control*> children_;
};

} // namespace qs::tk
