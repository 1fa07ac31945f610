// Buttons and check boxes. The check box is BS_CHECKBOX, not the automatic kind: a click
// only reports, and the component decides the new state and mirrors it.
#include "toolkit/controls.h"
#include "toolkit/win32/control_peer.h"

namespace qs::tk::win32 {

namespace {

// Buttons carry BS_NOTIFY for their focus notifications, which also makes a quick second
// click report a double click instead of a click; a button here has no double click, so
// clicking twice in a row acts twice (moving a slide down two places, say).
class ButtonBasePeer : public ControlPeer {
public:
    ButtonBasePeer(Control& control, const std::string& caption, DWORD style) : ControlPeer(control) {
        create(L"BUTTON", style | BS_NOTIFY, 0, caption);
    }

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ControlPeer::handleMessage(msg == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : msg, wParam, lParam);
    }
};

class ButtonPeer final : public ButtonBasePeer {
public:
    explicit ButtonPeer(Button& button)
        : ButtonBasePeer(button, button.caption(), button.isDefault() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON),
          button_(button) {}

    bool onCommand(int code) override {
        if (code != BN_CLICKED) return false;
        button_.userClick();
        return true;
    }

protected:
    void syncOwn(Prop, int) override {}

private:
    Button& button_;
};

class CheckBoxPeer final : public ButtonBasePeer {
public:
    explicit CheckBoxPeer(CheckBox& box) : ButtonBasePeer(box, box.caption(), BS_CHECKBOX), box_(box) {}

    bool onCommand(int code) override {
        if (code != BN_CLICKED) return false;
        box_.userClick();
        return true;
    }

protected:
    void syncOwn(Prop what, int) override {
        if (handle() && (what == Prop::Created || what == Prop::Value))
            SendMessageW(handle(), BM_SETCHECK, box_.checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    }

private:
    CheckBox& box_;
};

} // namespace

std::unique_ptr<Peer> MakeButtonPeer(Button& button) { return std::make_unique<ButtonPeer>(button); }
std::unique_ptr<Peer> MakeCheckBoxPeer(CheckBox& box) { return std::make_unique<CheckBoxPeer>(box); }

} // namespace qs::tk::win32
