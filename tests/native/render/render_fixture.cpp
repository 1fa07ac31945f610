#include "render_fixture.h"

#include "settings/shared_state.h"

namespace qs::test {

RenderTest::RenderTest() {
    ResetSharedState();
    surfaces.Load();
}

std::string RenderTest::Bitmap(int widthPx, int heightPx) {
    const std::string name =
        "picture" + std::to_string(++written_) + "_" + std::to_string(widthPx) + "x" + std::to_string(heightPx) + ".bmp";
    return files.write(name, MakeBmp(widthPx, heightPx));
}

std::vector<std::string> RenderTest::TextsOn(Area area) { return ui().textsOn(surfaces.at(area).drawing); }

} // namespace qs::test
