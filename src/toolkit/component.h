// The component base classes. Forms declare their controls as members, each
// constructed with its container, name, design position (twips) and, for control
// arrays, its index. Event handlers are std::function members named after the event
// (Click, Change, Scroll, GotFocus, ...), bound by the form's constructor.
//
// A change made from code notifies nobody, as LB_SETCURSEL and BM_SETCHECK notify no one:
// only the user's actions, reported by the backend through the user*() entry points, run
// handlers. Where a form needs a handler's effect after a change of its own, it calls
// that handler itself.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/services.h"
#include "toolkit/peer.h"
#include "toolkit/picture.h"
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
    CommandButton,
    CheckBox,
    Frame,
    TextBox,
    VScrollBar,
    ListBox,
    Line,
    CommonDialog,
};

class Component {
public:
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;
    virtual ~Component();

    Kind kind() const { return kind_; }
    const std::string& Name() const { return name_; }
    // Index within a control array; -1 for a control that is not in one.
    int Index() const { return index_; }
    Form& form() const { return *form_; }
    Container* container() const { return container_; }

    Peer* peer() const { return peer_.get(); }
    // Backend use: attach or drop the peer. Attaching syncs Prop::Created.
    void attachPeer(std::unique_ptr<Peer> peer);
    void detachPeer();
    // For components made at run time (ControlArray::Load): creates the peer at once
    // when the form is loaded already. Call once the object is fully constructed.
    void createPeerIfLoaded();

protected:
    // A form passes itself; every other component passes its container's form.
    Component(Kind kind, Form* form, Container* container, std::string name, int index);
    // Tells the peer, if there is one, what changed.
    void notify(Prop what, int index = -1);

private:
    Kind kind_;
    Form* form_;
    Container* container_;
    std::string name_;
    int index_;
    std::unique_ptr<Peer> peer_;
};

// A component that sits in a container at a position of its own.
class Control : public Component {
public:
    ~Control() override;
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void setLeft(float v) { Move(v, top_, width_, height_); }
    void setTop(float v) { Move(left_, v, width_, height_); }
    void setWidth(float v) { Move(left_, top_, v, height_); }
    void setHeight(float v) { Move(left_, top_, width_, v); }
    virtual void Move(float left, float top, float width, float height);

    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);

    const std::string& ToolTipText() const { return toolTip_; }
    void setToolTipText(const std::string& text);

    int MousePointer() const { return mousePointer_; }
    void setMousePointer(int shape);
    // The cursor shown with vbCustom: a resource name ("HAND", ...).
    const std::string& MouseIcon() const { return mouseIcon_; }
    void setMouseIcon(const std::string& resourceName);

    int TabIndex() const { return tabIndex_; }
    void setTabIndex(int i) { tabIndex_ = i; }
    bool TabStop() const { return tabStop_; }
    void setTabStop(bool v) { tabStop_ = v; }
    // Whether the control can take the keyboard focus at all (buttons, boxes, lists).
    virtual bool canFocus() const { return false; }

    // Gives the control the focus, as SetFocus does; no GotFocus or LostFocus runs.
    void SetFocus();
    bool hasFocus() const;

    std::function<void()> GotFocus;
    std::function<void()> LostFocus;

    // The platform's notification that the focus moved here: the previous control's
    // LostFocus, then GotFocus, unless the form gave it the focus itself.
    void userGotFocus();

    // Whether user input reaches the control: it, its containers and its form are enabled.
    bool acceptsInput() const;
    // Visible, and every container up to the form visible too (the form itself aside).
    bool visibleInContainers() const;

    // The access-key letter of a caption with "&" (upper case), or 0.
    static char AccessKeyOf(const std::string& caption);
    // Runs what the control's access key does (click a button, toggle a check box,
    // focus the next control after a label or frame). Used by Form::userKey.
    virtual void accessKeyPressed() {}

protected:
    Control(Kind kind, Container& container, std::string name, int index, float left, float top, float width,
            float height);

private:
    float left_, top_, width_, height_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string toolTip_;
    int mousePointer_ = vbDefault;
    std::string mouseIcon_;
    int tabIndex_ = 0;
    bool tabStop_ = true;
};

// Something that holds controls: a form, a picture box or a frame.
class Container {
public:
    virtual ~Container() = default;
    const std::vector<Control*>& children() const { return children_; }
    virtual Component& asComponent() = 0;
    // The container's inner size in its own units (twips).
    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;

    // Called by Control's constructor and destructor.
    void addChild(Control* c) { children_.push_back(c); }
    void removeChild(Control* c);

private:
    std::vector<Control*> children_;
};

// Several controls of one kind under one name; the handler receives the Index.
// Design-time elements are added with add(); Load(i) creates element i at run time
// as a copy of element 0 (hidden), as label lists need.
template <class T>
class ControlArray {
public:
    T& operator[](int index) const { return *find(index); }
    T& operator()(int index) const { return *find(index); }
    int Count() const { return static_cast<int>(items_.size()); }
    int UBound() const {
        int hi = -1;
        for (auto& i : items_) hi = i->Index() > hi ? i->Index() : hi;
        return hi;
    }
    bool Exists(int index) const { return lookup(index) != nullptr; }

    template <class... Args>
    T& add(Args&&... args) {
        items_.push_back(std::make_unique<T>(std::forward<Args>(args)...));
        return *items_.back();
    }
    // Creates element `index` as a copy of element 0; it starts hidden.
    T& Load(int index) {
        T& first = *find(0);
        auto copy = T::CopyOf(first, index);
        copy->setVisible(false);
        items_.push_back(std::move(copy));
        return *items_.back();
    }

private:
    T* lookup(int index) const {
        for (auto& i : items_)
            if (i->Index() == index) return i.get();
        return nullptr;
    }
    T* find(int index) const {
        T* t = lookup(index);
        if (!t) std::terminate(); // a form asked for an element it never created: a program error
        return t;
    }
    std::vector<std::unique_ptr<T>> items_;
};

} // namespace qs::tk
