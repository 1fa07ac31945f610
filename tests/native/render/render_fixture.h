// The rendering tests' fixture: the platform doubles and the headless toolkit (a screen
// of 1024 x 768 pixels, 15360 x 11520 twips), fresh shared state and settings (dropped
// unwritten), a loaded window with every kind of surface a slide is drawn on, and the
// state of the show that runs on it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "render/next_slide.h"
#include "settings/shared_state.h"
#include "support/test_images.h"
#include "support/toolkit_fixture.h"
#include "toolkit/controls.h"
#include "toolkit/picture.h"

namespace qs::test {

enum class Area { Screen, Wide, Preview, Framed, Empty };

// The full-screen form itself, and picture boxes as wide as the screen and half as high
// (stretching one axis overflows the other), a tenth of the screen (a preview), with a
// border (the inner area smaller than the outer size), and without extent.
class SlideSurfaces : public tk::Form {
public:
    SlideSurfaces() : tk::Form("SlideSurfaces") {
        setBorderStyle(tk::BorderStyle::None);
        setClientSize(15360, 11520);
    }
    struct Slot {
        tk::Surface& surface;
        tk::Image& element;
        const tk::Component& drawing; // what was drawn on the surface is read from it
    };
    Slot at(Area area) {
        const Slot slots[] = {{*this, bgImg, *this}, {Wide, wideImg, Wide}, {Preview, previewImg, Preview},
                              {Framed, framedImg, Framed}, {Empty, emptyImg, Empty}};
        return slots[static_cast<int>(area)];
    }

    tk::Image bgImg{*this, "bgImg", 0, 0, 0, 0};
    tk::PictureBox Wide{*this, "Wide", 0, 0, 15360, 5760};
    tk::Image wideImg{Wide, "wideImg", 0, 0, 0, 0};
    tk::PictureBox Preview{*this, "Preview", 0, 0, 1536, 1152};
    tk::Image previewImg{Preview, "previewImg", 0, 0, 0, 0};
    tk::PictureBox Framed{*this, "Framed", 0, 0, 3000, 2400, tk::BorderStyle::FixedSingle};
    tk::Image framedImg{Framed, "framedImg", 0, 0, 0, 0};
    tk::PictureBox Empty{*this, "Empty", 0, 0, 0, 0};
    tk::Image emptyImg{Empty, "emptyImg", 0, 0, 0, 0};
};

struct TestSlide {
    std::string path;
    bool center = false, hStretch = false, vStretch = false;
};

class RenderTest : public ToolkitTest {
protected:
    RenderTest() {
        surfaces.Load();
        surfaces.setIcon(tk::AppIcon());
        LastSlideTime = os.clock.Now();
    }

    // A w x h pixel bitmap under a name of its own.
    std::string Bitmap(int widthPx, int heightPx) {
        return files.write("picture" + std::to_string(files_++) + ".bmp", MakeBmp(widthPx, heightPx));
    }
    // Replaces every option and the whole slide list of AppSettings.
    void UseShow(const std::vector<TestSlide>& slides, std::int32_t delay = 10, bool random = false,
                 tk::Color background = 0) {
        ClsSettings& settings = AppSettings();
        settings.bgColor(background), settings.Delay(delay), settings.RandomDisplay(random), settings.PictureCount(0);
        std::int32_t i = 0;
        for (const TestSlide& slide : slides) {
            settings.FileSpec(slide.path, ++i);
            settings.Center(i, slide.center), settings.HStretch(i, slide.hStretch), settings.VStretch(i, slide.vStretch);
        }
    }
    // One timer tick of the window showing the area; DueTick makes a slide due first.
    void Tick(Area area = Area::Screen) {
        NextSlide(show, surfaces, surfaces.at(area).surface, surfaces.at(area).element);
    }
    void DueTick(Area area = Area::Screen) {
        LastSlideTime = 0.0;
        Tick(area);
    }

    ScratchFolder files;
    SlideSurfaces surfaces;
    ShowState show;
    int files_ = 0;
};

} // namespace qs::test
