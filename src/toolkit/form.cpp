#include "toolkit/form.h"

#include <algorithm>

#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/replace.h"

namespace qs::tk {

Form::Form(const FormArgs& args)
    : Component(Kind::Form, this, nullptr), Surface(kColorButtonFace, kColorButtonText), args_(args),
      caption_(args.caption), clientWidth_(std::max(0.0f, args.clientWidth)),
      clientHeight_(std::max(0.0f, args.clientHeight)) {}

Form::~Form() {
    // The subclass's controls are gone by now and took their peers with them; a form
    // destroyed while loaded closes without its events.
    if (!loaded_) return;
    loaded_ = false;
    focusedControl_ = nullptr;
    detachPeer();
    UnregisterLoadedForm(*this);
    if (HasBackend()) CurrentBackend().formClosed(*this);
}

void Form::setCaption(const std::string& caption) {
    if (detail::Replace(caption_, caption)) notify(Prop::Caption);
}

void Form::setIcon(const Picture& p) {
    if (detail::Replace(icon_, p)) notify(Prop::Picture);
}

float Form::width() const { return clientWidth_ + CurrentBackend().formFrameExtra(*this).width; }

float Form::height() const { return clientHeight_ + CurrentBackend().formFrameExtra(*this).height; }

void Form::setClientSize(float width, float height) {
    width = std::max(0.0f, width);
    height = std::max(0.0f, height);
    if (width == clientWidth_ && height == clientHeight_) return;
    clientWidth_ = width;
    clientHeight_ = height;
    notify(Prop::Geometry);
}

void Form::move(const Bounds& bounds) {
    const SizeTwips extra = CurrentBackend().formFrameExtra(*this);
    const float cw = std::max(0.0f, bounds.width - extra.width);
    const float ch = std::max(0.0f, bounds.height - extra.height);
    if (bounds.left == left_ && bounds.top == top_ && cw == clientWidth_ && ch == clientHeight_) return;
    left_ = bounds.left;
    top_ = bounds.top;
    clientWidth_ = cw;
    clientHeight_ = ch;
    notify(Prop::Geometry);
}

void Form::setEnabled(bool v) {
    if (detail::Replace(enabled_, v)) notify(Prop::Enabled);
}

platform::WindowHandle Form::handle() const { return peer() ? peer()->hwnd() : 0; }

void Form::registerComponent(Component& c) { components_.push_back(&c); }

void Form::unregisterComponent(Component& c) {
    components_.erase(std::remove(components_.begin(), components_.end(), &c), components_.end());
    if (focusedControl_ == &c) focusedControl_ = nullptr;
}

void Form::createPeers() {
    attachPeer(CurrentBackend().createPeer(*this));
    // Creation order puts every container before its children, as native parents must be.
    const std::vector<Component*> all = components_;
    for (Component* c : all)
        if (!c->peer()) c->attachPeer(CurrentBackend().createPeer(*c));
}

void Form::dropPeers() {
    for (auto it = components_.rbegin(); it != components_.rend(); ++it) (*it)->detachPeer();
    detachPeer();
}

void Form::load() {
    if (loaded_ || closing_) return;
    if (args_.centred) {
        left_ = std::max(0.0f, (ScreenWidth() - width()) / 2);
        top_ = std::max(0.0f, (ScreenHeight() - height()) / 2);
    }
    loaded_ = true;
    RegisterLoadedForm(*this);
    createPeers();
    onLoad();
}

void Form::show() {
    load();
    if (!loaded_ || visible_) return;
    visible_ = true;
    notify(Prop::Visible);
    if (focusedControl_) return;
    if (Control* first = nextInTabOrder(nullptr)) first->setFocus();
}

void Form::showModal(Form* owner) {
    show();
    if (!loaded_ || !visible_) return;
    // While a modal form is up, every other form takes no input; their timers go on.
    std::vector<Form*> disabled;
    for (Form* f : LoadedForms()) {
        if (f != this && f->enabled()) disabled.push_back(f);
    }
    for (Form* f : disabled) f->setEnabled(false);
    CurrentBackend().runModal(*this, owner);
    // A form may have been closed or destroyed meanwhile: only forms still loaded are
    // touched, found by identity in the registry.
    const std::vector<Form*> loadedNow = LoadedForms();
    for (Form* f : loadedNow)
        if (std::find(disabled.begin(), disabled.end(), f) != disabled.end()) f->setEnabled(true);
}

void Form::hide() {
    if (!visible_) return;
    visible_ = false;
    notify(Prop::Visible);
}

bool Form::close(CloseReason reason) {
    if (!loaded_) return true;
    // A close asked for while this form is closing already (from one of its own events,
    // or a handler they trigger) is the same close; it does nothing more.
    if (closing_) return false;
    closing_ = true;
    // However this close ends (a handler may throw), a later close is a new one.
    struct CloseEnd {
        bool& closing;
        ~CloseEnd() { closing = false; }
    } end{closing_};
    if (!onClosing(reason)) return false;
    onClosed();
    visible_ = false;
    focusedControl_ = nullptr;
    dropPeers();
    loaded_ = false;
    UnregisterLoadedForm(*this);
    CurrentBackend().formClosed(*this);
    return true;
}

Button* Form::defaultButton() const {
    for (Component* c : components_)
        if (c->kind() == Kind::Button && static_cast<Button*>(c)->isDefault()) return static_cast<Button*>(c);
    return nullptr;
}

Button* Form::cancelButton() const {
    for (Component* c : components_)
        if (c->kind() == Kind::Button && static_cast<Button*>(c)->isCancel()) return static_cast<Button*>(c);
    return nullptr;
}

} // namespace qs::tk
