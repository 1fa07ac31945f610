// Direct2D on the window (ID2D1HwndRenderTarget): the slides become bitmaps of the render
// target once, and each frame is one or two DrawBitmap calls with linear interpolation.
#include <d2d1.h>

#include <cstdio>

#include "paths.h"

namespace bench {
namespace {

using qs::platform::Com;

std::string Failed(const char* what, HRESULT result) {
    char text[96];
    std::snprintf(text, sizeof text, "%s failed (0x%08lx)", what, static_cast<unsigned long>(result));
    return text;
}

class Direct2DPath : public DrawingPath {
public:
    Direct2DPath(const Scene& scene, Effect effect) : scene_(scene), effect_(effect) {}

    std::string Prepare(HWND window) override {
        HRESULT result = D2D1CreateFactory(D2D1_FACTORY_TYPE_SINGLE_THREADED, factory_.out());
        if (FAILED(result)) return Failed("D2D1CreateFactory", result);
        const auto size = D2D1::SizeU(scene_.width, scene_.height);
        result = factory_->CreateHwndRenderTarget(
            D2D1::RenderTargetProperties(),
            D2D1::HwndRenderTargetProperties(window, size, D2D1_PRESENT_OPTIONS_IMMEDIATELY), target_.out());
        if (FAILED(result)) return Failed("CreateHwndRenderTarget", result);
        const Dib* sources[] = {&scene_.from, &scene_.to, &scene_.toLarge};
        for (int i = 0; i < 3; ++i) {
            const PixelView view = sources[i]->View();
            result = target_->CreateBitmap(
                D2D1::SizeU(view.width, view.height), view.pixels, view.width * 4,
                D2D1::BitmapProperties(D2D1::PixelFormat(DXGI_FORMAT_B8G8R8A8_UNORM, D2D1_ALPHA_MODE_IGNORE)),
                bitmaps_[i].out());
            if (FAILED(result)) return Failed("CreateBitmap", result);
        }
        target_->BeginDraw();
        target_->DrawBitmap(bitmaps_[0].get());
        result = target_->EndDraw();
        return FAILED(result) ? Failed("EndDraw", result) : std::string();
    }

    bool Present(double t, double) override {
        if (!trouble_.empty()) return false;
        const auto screen = D2D1::RectF(0, 0, static_cast<float>(scene_.width), static_cast<float>(scene_.height));
        const auto linear = D2D1_BITMAP_INTERPOLATION_MODE_LINEAR;
        target_->BeginDraw();
        if (effect_ == Effect::Fade) {
            target_->DrawBitmap(bitmaps_[0].get(), screen, 1.0f, linear);
            target_->DrawBitmap(bitmaps_[1].get(), screen, static_cast<float>(t), linear);
        } else {
            const PanView view = scene_.ToView(t);
            const auto source = D2D1::RectF(static_cast<float>(view.x), static_cast<float>(view.y),
                                            static_cast<float>(view.x + scene_.width * view.scale),
                                            static_cast<float>(view.y + scene_.height * view.scale));
            target_->DrawBitmap(bitmaps_[2].get(), screen, 1.0f, linear, source);
        }
        const HRESULT result = target_->EndDraw();
        if (FAILED(result)) trouble_ = Failed("EndDraw", result);
        return SUCCEEDED(result);
    }

    std::string Trouble() const override { return trouble_; }

private:
    const Scene& scene_;
    Effect effect_;
    Com<ID2D1Factory> factory_;
    Com<ID2D1HwndRenderTarget> target_;
    Com<ID2D1Bitmap> bitmaps_[3];
    std::string trouble_;
};

} // namespace

std::unique_ptr<DrawingPath> MakeDirect2DPath(const Scene& scene, Effect effect) {
    return std::make_unique<Direct2DPath>(scene, effect);
}

} // namespace bench
