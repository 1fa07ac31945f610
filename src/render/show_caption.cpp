// The caption's place and font on a surface (the portable rules are in slide_caption.cpp).
#include "render/slide_caption.h"
#include "toolkit/application.h"
#include "toolkit/peer.h"

namespace qs {

namespace {
// A face every Windows has and Wine brings, bold: it stays legible small.
constexpr const char* kCaptionFace = "Tahoma";
} // namespace

void ShowCaption(tk::Surface& surface, const std::string& text) {
    if (text.empty()) {
        surface.setOverlay({});
        return;
    }
    tk::OverlayText caption;
    caption.text = text;
    caption.font = tk::FontSpec{.name = kCaptionFace,
                                .size = CaptionPoints(surface.surfaceWidth(), surface.screenWidth()),
                                .bold = true};
    // Half a line from the left and bottom edges.
    const float height = tk::CurrentBackend().measureText(caption.font, text).height;
    caption.left = height / 2;
    caption.top = surface.surfaceClientHeight() - height * 3 / 2;
    surface.setOverlay(caption);
}

} // namespace qs
