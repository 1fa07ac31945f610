// A window holding every kind of drawing surface the slide show runs on, each with its
// picture element: the full-screen form itself, and picture boxes the size of a
// preview, of a wide strip, with a border, and without any extent. Laid out for the
// test screen of 1024 x 768 pixels at 15 twips per pixel (15360 x 11520 twips).
#pragma once

#include "toolkit/controls.h"
#include "toolkit/form.h"

namespace qs::test {

enum class Area { Screen, Wide, Preview, Framed, Empty };

const char* AreaName(Area area);

class SlideSurfaces : public tk::Form {
public:
    static constexpr float kScreenWidth = 15360;
    static constexpr float kScreenHeight = 11520;

    SlideSurfaces();

    // One surface with the element lying on it; `drawing` is the component behind the
    // surface, for reading back what was drawn on it.
    struct Slot {
        tk::Surface& surface;
        tk::Image& element;
        const tk::Component& drawing;
    };
    Slot at(Area area);

    tk::Image bgImg;
    tk::PictureBox Wide;
    tk::Image wideImg;
    tk::PictureBox Preview;
    tk::Image previewImg;
    tk::PictureBox Framed;
    tk::Image framedImg;
    tk::PictureBox Empty;
    tk::Image emptyImg;
};

} // namespace qs::test
