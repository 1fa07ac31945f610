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
    // Stretch first, so the icon is scaled into the rectangle rather than resizing it.
    element.setStretch(true);
    surface.Cls();
    element.setPicture(window.Icon());
    element.setWidth(surface.surfaceWidth() / 2);
    element.setHeight(surface.surfaceHeight() / 2);
    element.setLeft((surface.surfaceWidth() - element.Width()) / 2);
    element.setTop((surface.surfaceHeight() - element.Height()) / 2);
}

void PrintCredit(tk::Surface& surface) {
    surface.Font.Size = kCreditPoints;
    surface.Font.Italic = false;
    surface.CurrentY = surface.surfaceHeight() - surface.TextHeight("W");
    surface.Print(kCreditLine);
}

} // namespace

void DrawTextSlide(const tk::Form& window, tk::Surface& surface, tk::Image& element,
                   const std::optional<std::string>& missingPath) {
    ShowIcon(window, surface, element);

    surface.setForeColor(surface.BackColor() == kBlack ? kTextOnBlack : kTextOnOther);
    surface.Font.Size = ScaledToScreen(surface.surfaceWidth(), kHeadingPointsOnScreen);
    surface.Font.Bold = true;
    surface.Font.Italic = true;

    const std::string notFound = "Picture File Not Found";
    // Both headings start where the longer one would be centred.
    surface.CurrentX = (surface.surfaceWidth() - surface.TextWidth(notFound)) / 2;
    surface.CurrentY = surface.TextHeight("W") / 2;

    if (missingPath) {
        surface.Print(notFound);
        surface.Font.Size = surface.Font.Size / 2;
        surface.Font.Italic = false;
        surface.Font.Bold = false;
        surface.Print(*missingPath);
    } else {
        surface.Print("No pictures defined");
    }

    // Only the full-screen window is a window; previews stay uncluttered.
    if (surface.IsWindow()) PrintCredit(surface);
}

} // namespace qs
