// Text boxes: an EDIT control that shows the component's text. Typed characters go to
// the component (onKeyPress may discard them) and come back as mirrored text; the edit's
// own editing (Delete, paste, cut, undo) is kept out so that the two never differ.
#include "toolkit/controls.h"
#include "toolkit/win32/control_peer.h"

namespace qs::tk::win32 {

namespace {

class TextBoxPeer final : public ControlPeer {
public:
    explicit TextBoxPeer(TextBox& box) : ControlPeer(box), box_(box) {
        create(L"EDIT", ES_AUTOHSCROLL | ES_LEFT, WS_EX_CLIENTEDGE, box.text());
    }

protected:
    void syncOwn(Prop what, int) override {
        if (!handle() || (what != Prop::Created && what != Prop::Text)) return;
        const std::wstring text = platform::Widen(box_.text());
        SetWindowTextW(handle(), text.c_str());
        const auto end = static_cast<WPARAM>(text.size());
        SendMessageW(handle(), EM_SETSEL, end, static_cast<LPARAM>(end));
    }

    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override {
        switch (msg) {
        case WM_CHAR: {
            const auto ch = static_cast<unsigned char>(CodePageChar(wParam));
            if (ch >= 32 || ch == 8) box_.userChar(static_cast<char>(ch));
            return 0;
        }
        case WM_KEYDOWN:
            if (wParam == VK_DELETE) return 0;
            return ControlPeer::handleMessage(msg, wParam, lParam);
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO:
            return 0;
        default:
            return ControlPeer::handleMessage(msg, wParam, lParam);
        }
    }

private:
    TextBox& box_;
};

} // namespace

std::unique_ptr<Peer> MakeTextBoxPeer(TextBox& box) { return std::make_unique<TextBoxPeer>(box); }

} // namespace qs::tk::win32
