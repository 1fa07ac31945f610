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
    void clear(Color back) override;
    void drawText(float x, float y, const std::string& text, const FontSpec& font, Color color) override;
    void overlayChanged() override;
    void crossFade(int lengthMs) override { fade(lengthMs); }
    void drift(const Image& image, const DriftPath* path, int lengthMs) override {
        startDrift(image, path, lengthMs);
    }
    void holdDrift(bool held) override { holdImageDrift(held); }

    Container& container() override { return form_; }
    void renderContent(HDC dc, const RECT& area) override;
    COLORREF backgroundColor() override { return ToColorRef(form_.backColor()); }

    Form& form() { return form_; }
    // The form's tooltip window, made on first use.
    HWND tooltip();
    HWND existingTooltip() const { return tooltip_.get(); }
    // While the form runs modal: the window that gets the activation back when it goes.
    void setModalOwner(HWND owner) { modalOwner_ = owner; }

protected:
    LRESULT handleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    void applyGeometry();
    void applyStyles();
    void mouseMove(LPARAM lParam);
    LRESULT defaultButtonId();
    HWND nextTabStop(bool backwards);
    void releaseModalOwner();
    void restoreFocus();

    Form& form_;
    SurfaceCanvas canvas_;
    // Destroyed before the form's own window, which owns it.
    platform::OwnedWindow tooltip_;
    HWND modalOwner_ = nullptr;
    HWND savedFocus_ = nullptr;
    Color lastBack_ = 0;
    POINT lastMouse_{-1, -1};
};

// Sent by the message loops to a form's window before they dispatch a key, so that the
// form's key preview runs inside its window procedure (the key's wParam and lParam);
// non-zero when the form closed.
constexpr UINT kKeyPreviewMessage = WM_APP + 0x50;
// A WindowNotice posted to a form's window; wParam is its number.
constexpr UINT kWindowNoticeMessage = WM_APP + 0x52;
void RunWindowNotice(WPARAM id);

} // namespace qs::tk::win32
