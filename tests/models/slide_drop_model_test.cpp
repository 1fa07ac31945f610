// Pictures dropped on the editor's list: where the block goes, what is selected and shown.
#include <gtest/gtest.h>

#include "ui/editor/slide_list_model.h"

namespace qs::ui {
namespace {

using Texts = std::vector<std::string>;

class DropView : public SlideListView {
public:
    SlideListModel model{*this};
    std::vector<Slide> rows;
    Texts log;
    void rowsReplaced() override { rows = model.slides(); }
    void rowInserted(int r) override { rows.insert(rows.begin() + r, model.slides()[static_cast<std::size_t>(r)]); }
    void rowRemoved(int) override {}
    void rowMoved(int, int) override {}
    void optionChanged(int, SlideOption) override {}
    std::string rowText(int) const override { return {}; }
    void focusSlideList() override { log.push_back("focus"); }
    void showPreviewSurface(bool) override {}
    void drawPreview(const Slide& s) override { log.push_back("draw " + s.path); }
    void dropPreviewPicture() override {}
    void blankPreview() override {}
    bool ask(const std::string&) override { return true; }
    std::optional<std::string> pickPicture() override { return std::nullopt; }
    std::vector<Slide> storedSlides() override { return {}; }
};

struct DropCase {
    int rows, selected;
    Texts dropped, order; // the paths afterwards: s1.. stretched, the dropped ones centred
    const char* position;
    Texts log;
};
class Drop : public ::testing::TestWithParam<DropCase> {};

TEST_P(Drop, AddsTheBlockAsAddAddsEachSlide) {
    const DropCase& c = GetParam();
    DropView view;
    std::vector<Slide> slides, expected;
    for (int k = 1; k <= c.rows; ++k) slides.push_back({"s" + std::to_string(k), false, true, true});
    view.model.open(slides, true, false);
    view.model.select(c.selected);
    view.log.clear();
    view.model.addSlides(c.dropped);
    for (const std::string& p : c.order) expected.push_back({p, p[0] != 's', p[0] == 's', p[0] == 's'});
    EXPECT_EQ(view.model.slides(), expected);
    EXPECT_EQ(view.rows, expected);
    EXPECT_EQ(view.model.positionText(), c.position);
    EXPECT_EQ(view.log, c.log);
    EXPECT_EQ(view.model.dirty(), !c.dropped.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Table, Drop,
    ::testing::Values(DropCase{0, -1, {"a", "b"}, {"a", "b"}, "(0/2)", {}},
                      DropCase{3, 1, {"a", "b"}, {"s1", "s2", "a", "b", "s3"}, "(4/5)", {"focus", "draw b"}},
                      DropCase{3, -1, {"a"}, {"a", "s1", "s2", "s3"}, "(1/4)", {"focus", "draw a"}},
                      DropCase{2, 1, {"a", "b"}, {"s1", "s2", "a", "b"}, "(4/4)", {"focus", "draw b"}},
                      DropCase{2, 0, {}, {"s1", "s2"}, "0/0", {}}));

} // namespace
} // namespace qs::ui
