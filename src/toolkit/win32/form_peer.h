// The peer of a form: a top-level window that is a drawing surface and a container.
#pragma once

#include "toolkit/form.h"
#include "toolkit/win32/container_window.h"
#include "toolkit/win32/win32_backend.h"

namespace qs::tk::win32 {

class FormPeer final : public SurfacePeer, public ContainerWindow {
public:
    explicit FormPeer(Form& form);
    ~FormPeer() override;

    void sync(Prop what, int index) override;
    platform::WindowHandle hwnd() const override { return reinterpret_cast<platform::WindowHandle>(handle()); }
    void cls(Color back) override;
    void drawText(float x, float y, const std::string& text, const FontSpec& font, Color color) override;

    Container& container() override { return form_; }
    void renderContent(HDC dc, const RECT& area) override;
    COLORREF backgroundColor() override { return ToColorRef(form_.BackColor()); }

    Form& form() { return form_; }
    const SurfaceCanvas& canvas() const { return canvas_; }
    // The form's tooltip window, made on first use.
    HWND tooltip();
    HWND existingTooltip() const { return tooltip_; }
    // While the form runs modal: the window that gets the activation back when it goes.
    void setModalOwner(HWND owner) { modalOwner_ = owner; }

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void applyGeometry();
    void applyStyles();
    void mouseButton(UINT msg, WPARAM wParam, LPARAM lParam);
    void mouseMove(WPARAM wParam, LPARAM lParam);
    LRESULT defaultButtonId();
    HWND NextInTabOrder(bool backwards);

    Form& form_;
    SurfaceCanvas canvas_;
    void releaseModalOwner();
    HWND tooltip_ = nullptr;
    HWND modalOwner_ = nullptr;
    HWND savedFocus_ = nullptr;
    Color lastBack_ = 0;
    POINT lastMouse_{-1, -1};
    Control* pressedImage_ = nullptr;
};

// Sent by the message loops to a form's window before they dispatch a key, so that the
// form's KeyDown preview runs inside its window procedure; non-zero when the preview
// used the key.
constexpr UINT kKeyPreviewMessage = WM_APP + 0x50;
// A WindowNotice posted to a form's window; wParam is its number.
constexpr UINT kWindowNoticeMessage = WM_APP + 0x52;
void RunWindowNotice(WPARAM id);

// Mouse buttons and shift keys of a mouse message, as the toolkit counts them.
int MouseButtons(WPARAM wParam);
int MouseShift(WPARAM wParam);

} // namespace qs::tk::win32
