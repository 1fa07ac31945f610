// Command buttons and check boxes. The check box is BS_CHECKBOX, not the automatic
// kind: a click only reports, and the component decides the new state and mirrors it.
#include "toolkit/controls.h"
#include "toolkit/win32/control_peer.h"

namespace qs::tk::win32 {

namespace {

// Buttons carry BS_NOTIFY for their focus notifications, which also makes a quick second
// click report a double click instead of a click; a button here has no double click, so
// clicking twice in a row acts twice (moving a slide down two places, say).
class ButtonPeer : public ControlPeer {
public:
    using ControlPeer::ControlPeer;

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        return ControlPeer::handleMessage(msg == WM_LBUTTONDBLCLK ? WM_LBUTTONDOWN : msg, wParam, lParam);
    }
};

class CommandButtonPeer final : public ButtonPeer {
public:
    explicit CommandButtonPeer(CommandButton& button) : ButtonPeer(button), button_(button) {
        create(L"BUTTON", BS_NOTIFY | (button.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), 0, button.Caption());
    }

    bool onCommand(int code) override {
        if (code != BN_CLICKED) return false;
        button_.userClick();
        return true;
    }

protected:
    void syncOwn(Prop what, int) override {
        if (!handle()) return;
        if (what == Prop::Created || what == Prop::Caption) SetWindowTextW(handle(), platform::Widen(button_.Caption()).c_str());
        if (what == Prop::Created || what == Prop::DefaultCancel) {
            SendMessageW(handle(), BM_SETSTYLE, button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
        }
    }

private:
    CommandButton& button_;
};

class CheckBoxPeer final : public ButtonPeer {
public:
    explicit CheckBoxPeer(CheckBox& box) : ButtonPeer(box), box_(box) {
        create(L"BUTTON", BS_CHECKBOX | BS_NOTIFY, 0, box.Caption());
    }

    bool onCommand(int code) override {
        if (code != BN_CLICKED) return false;
        box_.userClick();
        return true;
    }

protected:
    void syncOwn(Prop what, int) override {
        if (!handle()) return;
        if (what == Prop::Created || what == Prop::Caption) SetWindowTextW(handle(), platform::Widen(box_.Caption()).c_str());
        if (what == Prop::Created || what == Prop::Value) {
            SendMessageW(handle(), BM_SETCHECK, box_.Value() ? BST_CHECKED : BST_UNCHECKED, 0);
        }
    }

private:
    CheckBox& box_;
};

} // namespace

std::unique_ptr<Peer> MakeCommandButtonPeer(CommandButton& button) { return std::make_unique<CommandButtonPeer>(button); }
std::unique_ptr<Peer> MakeCheckBoxPeer(CheckBox& box) { return std::make_unique<CheckBoxPeer>(box); }

} // namespace qs::tk::win32
