#include "render/text_slide.h"

#include "render/credit_line.h"
#include "render/scaled_to_screen.h"

namespace qs {
namespace {

constexpr tk::Color kBlack = 0;
// Light yellow reads on black; dark blue on any other background.
constexpr tk::Color kTextOnBlack = tk::Rgb(255, 255, 127);
constexpr tk::Color kTextOnOther = tk::Rgb(0, 0, 127);
constexpr double kHeadingPointsOnScreen = 25.0;
constexpr double kCreditPoints = 8.0;

void ShowIcon(const tk::Form& window, tk::Surface& surface, tk::Image& element) {
    // Stretching first, so the icon is scaled into the rectangle rather than resizing it.
    element.setStretch(true);
    surface.clear();
    element.setPicture(window.icon());
    element.setWidth(surface.surfaceWidth() / 2);
    element.setHeight(surface.surfaceHeight() / 2);
    element.setLeft((surface.surfaceWidth() - element.width()) / 2);
    element.setTop((surface.surfaceHeight() - element.height()) / 2);
}

// At the bottom edge, in the last heading's boldness.
void DrawCredit(tk::Surface& surface) {
    tk::FontSpec font = surface.font();
    font.size = kCreditPoints;
    font.italic = false;
    surface.setFont(font);
    surface.drawText(0, surface.surfaceHeight() - surface.textHeight("W"), kCreditLine);
}

} // namespace

void DrawTextSlide(const tk::Form& window, tk::Surface& surface, tk::Image& element,
                   const std::optional<std::string>& missingPath) {
    ShowIcon(window, surface, element);

    surface.setForeColor(surface.backColor() == kBlack ? kTextOnBlack : kTextOnOther);
    tk::FontSpec font = surface.font();
    font.size = ScaledToScreen(surface.surfaceWidth(), surface.screenWidth(), kHeadingPointsOnScreen);
    font.bold = true;
    font.italic = true;
    surface.setFont(font);

    const std::string notFound = "Picture File Not Found";
    // Both headings start where the longer one would be centred; the path goes on the next
    // line, at the left edge.
    const float x = (surface.surfaceWidth() - surface.textWidth(notFound)) / 2;
    const float y = surface.textHeight("W") / 2;
    if (missingPath) {
        surface.drawText(x, y, notFound);
        const float next = y + surface.textHeight(notFound);
        font.size = font.size / 2;
        font.italic = false;
        font.bold = false;
        surface.setFont(font);
        surface.drawText(0, next, *missingPath);
    } else {
        surface.drawText(x, y, "No pictures defined");
    }

    // Only the full-screen window is a form; previews stay uncluttered.
    if (surface.isForm()) DrawCredit(surface);
}

} // namespace qs
