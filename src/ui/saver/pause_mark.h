// The mark of a paused full-screen show: a small pause sign (two bars on a dark square) in
// the top right corner of the show's window, above the slide. It is sized in twips, so it
// grows with the display's scaling, and it takes no input: clicks and moves over it are
// the show's.
#pragma once

#include "toolkit/controls.h"
#include "toolkit/form.h"

namespace qs::ui {

class PauseMark {
public:
    // Hidden until shown; `show` outlives the mark.
    explicit PauseMark(tk::Form& show);
    // Shows the mark in the corner of the window as it is now, or hides it.
    void setShown(bool shown);

private:
    tk::Form& show_;
    tk::PictureBox square_;
    tk::PictureBox leftBar_;
    tk::PictureBox rightBar_;
};

} // namespace qs::ui
