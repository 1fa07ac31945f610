#include "ui/saver/pause_mark.h"

namespace qs::ui {

namespace {
constexpr float kSide = 480;    // a third of an inch
constexpr float kMargin = 240;  // from the window's edges
constexpr float kBarWidth = 96; // two bars, a bar's width apart, in the middle of the square
constexpr float kBarHeight = 288;
constexpr tk::Color kSquareColor = tk::Rgb(24, 24, 24);
constexpr tk::Color kBarColor = tk::Rgb(232, 232, 232);

tk::Bounds BarAt(float left) {
    return {left, (kSide - kBarHeight) / 2, kBarWidth, kBarHeight};
}
} // namespace

PauseMark::PauseMark(tk::Form& show)
    : show_(show), square_(show, {.bounds = {0, 0, kSide, kSide}}),
      leftBar_(square_, {.bounds = BarAt(kSide / 2 - kBarWidth * 1.5f)}),
      rightBar_(square_, {.bounds = BarAt(kSide / 2 + kBarWidth * 0.5f)}) {
    square_.setBackColor(kSquareColor);
    leftBar_.setBackColor(kBarColor);
    rightBar_.setBackColor(kBarColor);
    // Disabled windows are passed over when the system looks for the window under the
    // mouse: the show's window gets the clicks and moves over the mark.
    for (tk::PictureBox* box : {&square_, &leftBar_, &rightBar_}) box->setEnabled(false);
    square_.setVisible(false);
}

void PauseMark::setShown(bool shown) {
    if (shown) square_.move({show_.surfaceClientWidth() - kSide - kMargin, kMargin, kSide, kSide});
    square_.setVisible(shown);
}

} // namespace qs::ui
