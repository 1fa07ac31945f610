// The rendering tests' fixture: the platform doubles and the headless toolkit (a screen
// of 1024 x 768 pixels, 15360 x 11520 twips), fresh shared state and settings, a loaded
// window with every kind of surface a slide is drawn on, and the show that runs on it.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "render/next_slide.h"
#include "settings/shared_state.h"
#include "support/test_images.h"
#include "support/toolkit_fixture.h"
#include "toolkit/controls.h"
#include "toolkit/picture.h"

namespace qs::test {

enum class Area { Screen, Preview, Framed, Empty };

// The full-screen window itself, and picture boxes a tenth of the screen (a preview),
// with a border (the inner area smaller than the outer size), and without extent.
class SlideSurfaces : public tk::Form {
public:
    SlideSurfaces() : tk::Form("SlideSurfaces") {
        setBorderStyle(tk::BorderStyle::None);
        setClientSize(15360, 11520);
    }
    std::pair<tk::Surface&, tk::Image&> at(Area area) {
        tk::Surface* const surface[] = {this, &preview, &framed, &empty};
        tk::Image* const element[] = {&screenImg, &previewImg, &framedImg, &emptyImg};
        return {*surface[int(area)], *element[int(area)]};
    }

    tk::Image screenImg{*this, "screenImg", 0, 0, 0, 0};
    tk::PictureBox preview{*this, "preview", 0, 0, 1536, 1152};
    tk::Image previewImg{preview, "previewImg", 0, 0, 0, 0};
    tk::PictureBox framed{*this, "framed", 0, 0, 3000, 2400, tk::BorderStyle::FixedSingle};
    tk::Image framedImg{framed, "framedImg", 0, 0, 0, 0};
    tk::PictureBox empty{*this, "empty", 0, 0, 0, 0};
    tk::Image emptyImg{empty, "emptyImg", 0, 0, 0, 0};
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
            settings.Center(i, slide.center), settings.HStretch(i, slide.hStretch);
            settings.VStretch(i, slide.vStretch);
        }
    }
    // One timer tick of the window showing the area; DueTick makes a slide due first.
    void Tick(Area area = Area::Screen) {
        NextSlide(show, surfaces, surfaces.at(area).first, surfaces.at(area).second);
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
