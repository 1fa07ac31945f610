// The fixture of the rendering tests: the platform doubles and the headless toolkit
// (the screen is 1024 x 768 pixels at 15 twips per pixel), fresh shared state, a
// loaded window with every kind of surface, and a folder for real picture files.
#pragma once

#include <string>

#include "slide_surfaces.h"
#include "support/test_images.h"
#include "support/toolkit_fixture.h"

namespace qs::test {

class RenderTest : public ToolkitTest {
protected:
    RenderTest();

    // Writes a w x h pixel bitmap under a name of its own and returns its path.
    std::string Bitmap(int widthPx, int heightPx);
    // The texts drawn on the area's surface since its last clear.
    std::vector<std::string> TextsOn(Area area);

    ScratchFolder files;
    SlideSurfaces surfaces;

private:
    int written_ = 0;
};

} // namespace qs::test
