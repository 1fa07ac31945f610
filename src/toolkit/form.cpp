#include "toolkit/form.h"
#include "toolkit/change.h"

#include <algorithm>

#include "toolkit/application.h"
#include "toolkit/controls.h"

namespace qs::tk {

Form::Form(std::string name)
    : Component(Kind::Form, this, nullptr, std::move(name), -1), Surface(kColorButtonFace, kColorButtonText) {}

Form::~Form() {
    // The subclass's controls are gone by now and took their peers with them; a form
    // destroyed while loaded closes without running its handlers.
    if (!loaded_) return;
    loaded_ = false;
    activeControl_ = nullptr;
    detachPeer();
    unregisterLoadedForm(*this);
    if (hasBackend()) backend().formUnloaded(*this);
}

void Form::setCaption(const std::string& caption) {
    if (detail::Replace(caption_, caption)) notify(Prop::Caption);
}

void Form::setIcon(const Picture& p) {
    if (detail::Replace(icon_, p)) notify(Prop::Picture);
}

float Form::Width() const { return clientWidth_ + backend().formFrameExtra(*this).Width; }

float Form::Height() const { return clientHeight_ + backend().formFrameExtra(*this).Height; }

void Form::setClientSize(float width, float height) {
    width = std::max(0.0f, width);
    height = std::max(0.0f, height);
    if (width == clientWidth_ && height == clientHeight_) return;
    clientWidth_ = width;
    clientHeight_ = height;
    notify(Prop::Geometry);
}

void Form::Move(float left, float top, float width, float height) {
    const SizeTwips extra = backend().formFrameExtra(*this);
    const float cw = std::max(0.0f, width - extra.Width);
    const float ch = std::max(0.0f, height - extra.Height);
    if (left == left_ && top == top_ && cw == clientWidth_ && ch == clientHeight_) return;
    left_ = left;
    top_ = top;
    clientWidth_ = cw;
    clientHeight_ = ch;
    notify(Prop::Geometry);
}

void Form::setEnabled(bool v) {
    if (detail::Replace(enabled_, v)) notify(Prop::Enabled);
}

void Form::setMousePointer(int shape) {
    if (detail::Replace(mousePointer_, shape)) notify(Prop::Pointer);
}

platform::WindowHandle Form::hWnd() const { return peer() ? peer()->hwnd() : 0; }

void Form::registerComponent(Component& c) { components_.push_back(&c); }

void Form::unregisterComponent(Component& c) {
    components_.erase(std::remove(components_.begin(), components_.end(), &c), components_.end());
    if (activeControl_ == &c) activeControl_ = nullptr;
}

void Form::createPeers() {
    attachPeer(backend().createPeer(*this));
    // Creation order puts every container before its children, as native parents must be.
    const std::vector<Component*> all = components_;
    for (Component* c : all)
        if (!c->peer()) c->attachPeer(backend().createPeer(*c));
}

void Form::dropPeers() {
    for (auto it = components_.rbegin(); it != components_.rend(); ++it) (*it)->detachPeer();
    detachPeer();
}

void Form::Load() {
    if (loaded_ || unloading_) return;
    if (startUp_ == StartUpPosition::CenterScreen) {
        left_ = std::max(0.0f, (Screen::Width() - Width()) / 2);
        top_ = std::max(0.0f, (Screen::Height() - Height()) / 2);
    }
    loaded_ = true;
    registerLoadedForm(*this);
    createPeers();
    Form_Load();
}

void Form::Show(bool modal, Form* owner) {
    Load();
    if (!loaded_) return;
    if (!visible_) {
        visible_ = true;
        notify(Prop::Visible);
        Form_Activate();
        if (loaded_ && visible_ && !activeControl_) focusFirstControl();
    }
    if (!modal || !loaded_ || !visible_) return;

    // While a modal form is up, every other form takes no input; their timers go on.
    std::vector<Form*> disabled;
    for (Form* f : LoadedForms()) {
        if (f != this && f->Enabled()) disabled.push_back(f);
    }
    for (Form* f : disabled) f->setEnabled(false);
    backend().runModal(*this, owner);
    // A form may have been unloaded or destroyed meanwhile: only forms still loaded
    // are touched, found by identity in the registry.
    const std::vector<Form*> loadedNow = LoadedForms();
    for (Form* f : loadedNow)
        if (std::find(disabled.begin(), disabled.end(), f) != disabled.end()) f->setEnabled(true);
}

void Form::Hide() {
    if (!visible_) return;
    visible_ = false;
    notify(Prop::Visible);
}

bool Form::Unload(CloseReason reason) {
    if (!loaded_) return true;
    // A close asked for while this form is closing already (from one of its own
    // handlers, or a handler they trigger) is the same close; it does nothing more.
    if (unloading_) return false;
    unloading_ = true;
    // However this close ends (a handler may throw), a later close is a new one.
    struct CloseEnd {
        bool& unloading;
        ~CloseEnd() { unloading = false; }
    } end{unloading_};
    bool cancel = false;
    Form_QueryUnload(cancel, reason);
    if (!cancel) Form_Unload(cancel);
    if (cancel) return false;
    visible_ = false;
    activeControl_ = nullptr;
    dropPeers();
    loaded_ = false;
    unregisterLoadedForm(*this);
    backend().formUnloaded(*this);
    return true;
}

CommandButton* Form::defaultButton() const {
    for (Component* c : components_)
        if (c->kind() == Kind::CommandButton && static_cast<CommandButton*>(c)->Default())
            return static_cast<CommandButton*>(c);
    return nullptr;
}

CommandButton* Form::cancelButton() const {
    for (Component* c : components_)
        if (c->kind() == Kind::CommandButton && static_cast<CommandButton*>(c)->Cancel())
            return static_cast<CommandButton*>(c);
    return nullptr;
}

} // namespace qs::tk
