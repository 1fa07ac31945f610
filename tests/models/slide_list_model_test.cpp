#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "ui/editor/slide_list_model.h"

namespace qs::ui {

// A slide as the tests write it: its path, then C, H and V for the options that are on.
std::string Shown(const Slide& s) {
    return s.path + (s.center ? " C" : "") + (s.hStretch ? " H" : "") + (s.vStretch ? " V" : "");
}
void PrintTo(const Slide& s, std::ostream* os) { *os << "{" << Shown(s) << "}"; }

namespace {

using Texts = std::vector<std::string>;
using Slides = std::vector<Slide>;

Slides Numbered(int n) {
    Slides slides;
    for (int k = 1; k <= n; ++k) slides.push_back({"s" + std::to_string(k), k % 2 == 1, k % 3 == 0, k % 4 == 0});
    return slides;
}

class RecordingView : public SlideListView {
public:
    const SlideListModel* model = nullptr;
    Slides rows;
    Texts log;
    std::deque<bool> answers;
    std::optional<std::string> picked = "added";

    void rowsReplaced() override { rows = model->slides(); }
    void rowInserted(int r) override { rows.insert(rows.begin() + r, model->slides()[r]); }
    void rowRemoved(int r) override { rows.erase(rows.begin() + r); }
    void rowMoved(int from, int to) override { std::swap(rows[from], rows[to]); } // one place at a time
    void optionChanged(int r, SlideOption o) override { rows[r].setOption(o, model->slides()[r].option(o)); }
    std::string rowText(int r) const override { return "row " + rows[r].path; }
    void focusSlideList() override { log.push_back("focus"); }
    void showPreviewSurface(bool on) override { log.push_back(on ? "surface on" : "surface off"); }
    void drawPreview(const Slide& s) override { log.push_back("draw " + Shown(s)); }
    void dropPreviewPicture() override { log.push_back("drop"); }
    void blankPreview() override { log.push_back("blank"); }
    bool ask(const std::string& q) override {
        log.push_back(q);
        EXPECT_FALSE(answers.empty()) << "unexpected question: " << q;
        const bool yes = !answers.empty() && answers.front();
        if (!answers.empty()) answers.pop_front();
        return yes;
    }
    std::optional<std::string> pickPicture() override { return picked; }
    Slides storedSlides() override { return Numbered(4); } // not the list opened: Reset must read it
};

class SlideList : public ::testing::Test {
protected:
    SlideList() { view.model = &model; }
    void Open(int n, bool preview = false, bool hideWarnings = false, int selected = -1) {
        model.open(Numbered(n), preview, hideWarnings);
        if (selected >= 0) model.select(selected);
        view.log.clear();
    }
    // The user's click checks the box in the view first, then tells the model.
    void ClickOption(SlideOption which, int row, bool on) {
        view.rows[row].setOption(which, on);
        model.clickOption(which, row, on);
    }
    void TearDown() override {
        EXPECT_EQ(view.rows, model.slides());
        EXPECT_TRUE(view.answers.empty()) << "an answer was never asked for";
    }
    Texts Shows() const { return {model.positionText(), model.shownPath()}; }
    RecordingView view;
    SlideListModel model{view};
};

// Opening selects nothing and names the first slide; the slide already on show is not drawn again
// nor its position brought up to date.
struct CommandCase {
    const char* name;
    int rows, selected;
    std::function<void(SlideListModel&)> command;
    std::deque<bool> answers;
    Texts slides; // as Shown() writes them
    int newSelected;
    const char* position;
    const char* shown;
    Texts log;
    bool hideWarnings = false, changes = true, preview = true; // a command is a change even when it does nothing
    const char* picked = "added"; // none: the dialog is cancelled
};
class Command : public SlideList, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(Command, ChangesRowsSelectionAndDisplays) {
    const CommandCase& c = GetParam();
    Open(c.rows, c.preview, c.hideWarnings, c.selected);
    view.answers = c.answers;
    view.picked = c.picked ? std::optional<std::string>(c.picked) : std::nullopt;
    c.command(model);
    Texts slides;
    for (const Slide& s : model.slides()) slides.push_back(Shown(s));
    EXPECT_EQ(slides, c.slides);
    EXPECT_EQ(model.selectedRow(), c.newSelected);
    EXPECT_EQ(Shows(), (Texts{c.position, c.shown}));
    EXPECT_EQ(view.log, c.log);
    EXPECT_EQ(model.dirty(), c.changes);
}

const std::string kDel = "Do you want to delete row s", kDeleteAll = "Do you want to delete all slides?";
const Texts k3 = {"s1 C", "s2", "s3 C H"}, k4 = {"s1 C", "s2", "s3 C H", "s4 V"}, kDrawB = {"focus", "draw b C"};
using M = SlideListModel;
auto Drop(const Texts& paths) { return [paths](M& m) { m.addSlides(paths); }; }
auto Reopen(int rows, bool preview) { return [=](M& m) { m.open(Numbered(rows), preview, false); }; }
auto Select(int row) { return [=](M& m) { m.select(row); }; }
auto Preview(bool on) { return [on](M& m) { m.setPreview(on); }; }
auto Key(int key, bool shift, bool ctrl, bool alt) { return [=](M& m) { m.keyDown(key, shift, ctrl, alt); }; }
INSTANTIATE_TEST_SUITE_P(Table, Command, ::testing::ValuesIn(std::vector<CommandCase>{
        {"Opening", 3, 1, Reopen(3, true), {}, k3, -1, "0/0", "s1", {"surface on"}, false, false},
        {"OpeningEmpty", 3, 1, Reopen(0, false), {}, {}, -1, "0/0", "", {"surface off"}, false, false},
        {"SelectTheSlideOnShow", 3, -1, Select(0), {}, k3, 0, "0/0", "s1", {}, false, false},
        {"SelectAgain", 3, 2, Select(2), {}, k3, 2, "(3/3)", "s3", {}, false, false},
        {"DropNothing", 2, 0, Drop({}), {}, {"s1 C", "s2"}, 0, "0/0", "s1", {}, false, false},
        {"UpOnTheFirstRow", 4, 0, &M::moveUp, {}, k4, 0, "0/0", "s1", {}},
        {"DownOnTheLastRow", 4, 3, &M::moveDown, {}, k4, 3, "(4/4)", "s4", {}},
        {"DeleteWithNoSelection", 4, -1, &M::remove, {}, k4, -1, "0/0", "s1", {}},
        {"DeleteAllWithNoSelection", 4, -1, &M::removeAll, {}, k4, -1, "0/0", "s1", {}},
        {"AddToAnEmptyList", 0, -1, &M::add, {}, {"added C"}, -1, "(0/1)", "", {}},
        {"AddCancelled", 1, 0, &M::add, {}, {"s1 C"}, 0, "0/0", "s1", {}, false, true, true, nullptr},
        {"AddAgain", 1, 0, &M::add, {}, {"s1 C", "s1 C"}, 1, "(2/2)", "s1", {"focus"}, false, true, true, "s1"},
        {"AddAtTheTop", 1, -1, &M::add, {}, {"added C", "s1 C"}, 0, "(1/2)", "added", {"focus", "draw added C"}},
        {"DeleteSelectsTheFirstSlide", 3, 2, &M::remove, {true}, {"s1 C", "s2"}, 0, "(1/2)", "s1",
         {kDel + "3?", "drop", "draw s1 C"}},
        {"DeleteDeclinedStillEndsTheCommand", 3, 1, &M::remove, {false}, k3, 1, "(2/3)", "s2", {kDel + "2?"}},
        {"DeleteTheOnlySlide", 1, 0, &M::remove, {true}, {}, -1, "(0/0)", "", {kDel + "1?", "drop"}},
        {"DeleteAll", 3, 1, &M::removeAll, {true}, {}, -1, "(0/0)", "", {kDeleteAll, "blank"}},
        {"DeleteSilenced", 3, 2, &M::remove, {}, {"s1 C", "s2"}, 0, "(1/2)", "s1", {"drop", "draw s1 C"}, true},
        {"DeleteAllSilenced", 3, 1, &M::removeAll, {}, {}, -1, "(0/0)", "", {"blank"}, true},
        {"DeleteAllDeclined", 3, 1, &M::removeAll, {false}, k3, 1, "(2/3)", "s2", {kDeleteAll}},
        {"DropIntoAnEmptyList", 0, -1, Drop({"a", "b"}), {}, {"a C", "b C"}, -1, "(0/2)", "", {}},
        {"DropBelowTheSelection", 2, 0, Drop({"a", "b"}), {}, {"s1 C", "a C", "b C", "s2"}, 2, "(3/4)", "b", kDrawB},
        {"DropAtTheTop", 2, -1, Drop({"a"}), {}, {"a C", "s1 C", "s2"}, 0, "(1/3)", "a", {"focus", "draw a C"}},
        {"DropBelowTheLastRow", 2, 1, Drop({"a", "b"}), {}, {"s1 C", "s2", "a C", "b C"}, 3, "(4/4)", "b", kDrawB},
        {"PreviewOn", 3, 1, Preview(true), {}, k3, 1, "(2/3)", "s2", {"surface on", "draw s2"}, false, true, false},
        // The slide on show has no position yet: turning the preview off gives it one.
        {"PreviewOffPlacesTheSlideOnShow", 3, 0, Preview(false), {}, k3, 0, "(1/3)", "s1", {"surface off"}},
        {"AltTOn", 3, 1, Key('T', false, false, true), {}, {"s1 C", "s2 C", "s3 C H"}, 1, "(2/3)", "s2", {}},
        {"AltHOff", 3, 2, Key('H', false, false, true), {}, {"s1 C", "s2", "s3 C"}, 2, "(3/3)", "s3", {}},
        {"AltVOn", 3, 1, Key('V', false, false, true), {}, {"s1 C", "s2 V", "s3 C H"}, 1, "(2/3)", "s2", {}},
        {"HWithoutAlt", 3, 1, Key('H', false, false, false), {}, k3, 1, "(2/3)", "s2", {}, false, false},
        {"CtrlAltH", 3, 1, Key('H', false, true, true), {}, k3, 1, "(2/3)", "s2", {}, false, false},
        {"ShiftAltH", 3, 1, Key('H', true, false, true), {}, k3, 1, "(2/3)", "s2", {}, false, false},
        {"AltB", 3, 1, Key('B', false, false, true), {}, k3, 1, "(2/3)", "s2", {}, false, false}}),
    [](const auto& info) { return std::string(info.param.name); });

// An option click or Alt key redraws only when its column's current row (last clicked in it) is the
// selected slide; after Delete All or opening an empty list, a column has none until it is clicked.
TEST_F(SlideList, OptionChangesRedrawOnlyTheSelectedSlide) {
    Open(3, true);
    ClickOption(SlideOption::Center, 0, false);
    model.keyDown('H', false, false, true);
    EXPECT_TRUE(view.log.empty()) << "nothing is selected";
    EXPECT_TRUE(model.dirty());
    model.select(1);
    ClickOption(SlideOption::HStretch, 2, false);
    ClickOption(SlideOption::VStretch, 1, true);
    model.keyDown('T', false, false, true); // the Center column stands on row 0
    model.keyDown('V', false, false, true);
    EXPECT_EQ(view.log, (Texts{"draw s2", "draw s2 V", "draw s2 C"}));
    EXPECT_EQ(model.slides()[2], (Slide{"s3", true}));
    view.answers = {true};
    model.removeAll();
    for (bool reopened : {false, true}) {
        if (reopened) Open(0, true);
        model.add();
        model.add();
        view.log.clear();
        ClickOption(SlideOption::Center, 0, false);
        EXPECT_TRUE(view.log.empty());
    }
}

// Reset and close ask only about changes, and not once "Do Not Display Warnings" is checked;
// going ahead puts the two options back as last applied, and Reset the stored slides.
TEST_F(SlideList, DiscardingAsksOnlyAboutChangesAndRestoresTheOptions) {
    const struct {
        const char* name;
        bool reset, change, silenced, applied;
        std::deque<bool> answers;
        bool goesAhead;
    } cases[] = {{"CloseUnchanged", false, false, false, false, {}, true},
                 {"CloseNo", false, true, false, false, {false}, false},
                 {"CloseYes", false, true, false, false, {true}, true},
                 {"CloseSilenced", false, true, true, false, {}, true},
                 {"CloseAfterApply", false, true, false, true, {}, true},
                 {"ResetUnchanged", true, false, false, false, {}, true},
                 {"ResetNo", true, true, false, false, {false}, false},
                 {"ResetYes", true, true, false, false, {true}, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Open(3, false, false, 1);
        if (c.change) {
            model.setPreview(true);
            model.moveUp();
        }
        if (c.silenced) model.setHideWarnings(true);
        if (c.applied) model.apply();
        const Slides before = model.slides();
        const Texts shown = Shows();
        view.log.clear();
        view.answers = c.answers;
        EXPECT_EQ(c.reset ? (model.reset(), !model.dirty()) : model.close(), c.goesAhead);
        const std::string asked = c.reset ? "Do you want to ignore all changes you made and restore old values?"
                                          : "Do you want to ignore all changes and exit?";
        EXPECT_EQ(!view.log.empty() && view.log[0] == asked, !c.answers.empty());
        const bool kept = c.applied || !c.goesAhead;
        EXPECT_EQ(model.preview(), c.change && kept);
        EXPECT_EQ(model.hideWarnings(), c.silenced && kept);
        EXPECT_EQ(model.slides(), c.reset && c.goesAhead ? Numbered(4) : before);
        EXPECT_EQ(Shows(), c.reset && c.goesAhead ? (Texts{"0/0", "s1"}) : shown);
    }
}

// A selection comes into view; removing rows keeps the first visible row within the list's reach.
TEST_F(SlideList, TheFirstVisibleRowKeepsTheSelectionInView) {
    model.setVisibleRows(10);
    Open(40);
    model.scrollTo(100);
    EXPECT_EQ(model.topRow(), 30);
    model.select(35);
    model.moveDown();
    EXPECT_EQ(model.topRow(), 29);
    model.scrollTo(20);
    model.select(29);
    model.add();
    EXPECT_EQ(model.topRow(), 21);
    model.select(21);
    model.moveUp();
    EXPECT_EQ(model.topRow(), 20);
    view.answers = {true};
    model.remove();
    EXPECT_EQ(model.topRow(), 0);
}

// One unit of width per character; the limit is ten, which the first name just fits.
TEST(ShortenedName, KeepsTheTailThatFitsFromABackslash) {
    const auto width = [](const std::string& s) { return static_cast<double>(s.size()); };
    const Texts names = {"C:\\a67.jpg", "0123456789x", "C:\\photos\\Beach\\sun.jpg", std::string(11, '\\')};
    Texts shortened;
    for (const std::string& n : names) shortened.push_back(ShortenedName(n, 10, width));
    EXPECT_EQ(shortened, (Texts{"C:\\a67.jpg", "(...)123456789x", "(...)\\sun.jpg", "(...)" + std::string(10, '\\')}));
    // Never half of a UTF-8 character: here the byte that fits starts inside one.
    EXPECT_EQ(ShortenedName("a\xCE\xB1\xCE\xB2\xCE\xB3\xCE\xB4\xCE\xB5\xCE\xB6\xCE\xB7\xCE\xB8.jpg", 9, width),
              "(...)\xCE\xB7\xCE\xB8.jpg");
}

} // namespace
} // namespace qs::ui
