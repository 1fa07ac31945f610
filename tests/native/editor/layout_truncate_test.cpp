// The dialog's controls in their places, the headings laid by text width, and the
// shortening of long paths to the name column.
#include <cmath>
#include <string>
#include <vector>

#include "editor_harness.h"
#include "toolkit/application.h"

namespace qs::test {
namespace {

struct Place {
    const char* name;
    float left, top, width, height;
};

tk::Control& ByName(ui::EditSlideShow& e, const std::string& name) {
    for (tk::Control* c : std::vector<tk::Control*>{&e.bgPic, &e.Label1, &e.countLbl, &e.FileNameList, &e.fullNameLbl,
                                                    &e.Image1, &e.previewPicture, &e.previewImage, &e.chkPreview,
                                                    &e.WarningChk, &e.cmdOK, &e.cmdCancel, &e.ApplyCmd, &e.resetBtn})
        if (c->Name() == name) return *c;
    for (int i = 0; i < 5; ++i)
        if (name == "UpDownAddDel" + std::to_string(i)) return e.UpDownAddDel(i);
    for (int i = 0; i < 3; ++i) {
        if (name == "BackPic" + std::to_string(i)) return e.BackPic(i);
        if (name == "HorizontalLbl" + std::to_string(i)) return e.HorizontalLbl(i);
        if (name == "VerticalLbl" + std::to_string(i)) return e.VerticalLbl(i);
        if (name == "CenterLbl" + std::to_string(i)) return e.CenterLbl(i);
    }
    throw std::invalid_argument(name);
}

class DesignPlace : public EditorTest, public ::testing::WithParamInterface<Place> {};

// Controls that Form_Load does not move keep their design places.
TEST_P(DesignPlace, ControlStandsWhereDesigned) {
    const Place& p = GetParam();
    Open();
    const tk::Control& c = ByName(ed(), p.name);
    EXPECT_FLOAT_EQ(c.Left(), p.left);
    EXPECT_FLOAT_EQ(c.Top(), p.top);
    EXPECT_FLOAT_EQ(c.Width(), p.width);
    EXPECT_FLOAT_EQ(c.Height(), p.height);
}

INSTANTIATE_TEST_SUITE_P(
    Dialog, DesignPlace,
    ::testing::Values(Place{"bgPic", 120, 120, 6135, 3375}, Place{"Label1", 0, 120, 1455, 255},
                      Place{"countLbl", 1320, 120, 1095, 255}, Place{"FileNameList", 0, 480, 6135, 2535},
                      Place{"fullNameLbl", 0, 3000, 6015, 255}, Place{"HorizontalLbl2", 4680, 220, 735, 255},
                      Place{"VerticalLbl2", 5520, 220, 615, 255}, Place{"UpDownAddDel0", 6360, 600, 1215, 375},
                      Place{"UpDownAddDel1", 6360, 1200, 1215, 375}, Place{"UpDownAddDel2", 6360, 2400, 1215, 375},
                      Place{"UpDownAddDel3", 6360, 3000, 1215, 375}, Place{"UpDownAddDel4", 6360, 1800, 1215, 375},
                      Place{"Image1", 120, 3480, 2055, 2055}, Place{"previewPicture", 330, 3690, 1630, 1320},
                      Place{"chkPreview", 2280, 3600, 1455, 255}, Place{"WarningChk", 3600, 3600, 2775, 255},
                      Place{"cmdOK", 2280, 4080, 975, 375}, Place{"cmdCancel", 3480, 4080, 975, 375},
                      Place{"ApplyCmd", 4800, 4080, 975, 375}, Place{"resetBtn", 6360, 4080, 1215, 375}),
    [](const ::testing::TestParamInfo<Place>& info) { return std::string(info.param.name); });

using Layout = EditorTest;

TEST_F(Layout, DialogFrame) {
    Open();
    EXPECT_EQ(ed().Caption(), "Edit Slide Show");
    EXPECT_FLOAT_EQ(ed().ScaleWidth(), 7740);
    EXPECT_FLOAT_EQ(ed().ScaleHeight(), 5565);
    EXPECT_EQ(ed().borderStyle(), tk::BorderStyle::FixedDialog);
    EXPECT_EQ(ed().startUpPosition(), tk::StartUpPosition::CenterScreen);
    EXPECT_TRUE(ed().KeyPreview());
}

TEST_F(Layout, CaptionsAsDesigned) {
    Open();
    const char* buttons[5] = {"&Add", "&Delete", "&Up", "Do&wn", "De&lete All"};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ed().UpDownAddDel(i).Caption(), buttons[i]);
    EXPECT_EQ(ed().Label1.Caption(), "Image  Spec");
    EXPECT_EQ(ed().chkPreview.Caption(), "Pre&view");
    EXPECT_EQ(ed().WarningChk.Caption(), "Do &Not Display Warnings");
    EXPECT_EQ(ed().cmdOK.Caption(), "&OK");
    EXPECT_EQ(ed().cmdCancel.Caption(), "&Cancel");
    EXPECT_EQ(ed().ApplyCmd.Caption(), "A&pply");
    EXPECT_EQ(ed().resetBtn.Caption(), "&Reset");
    EXPECT_EQ(ed().HorizontalLbl(2).Caption(), "Stretch ");
    EXPECT_EQ(ed().VerticalLbl(2).Caption(), "Stretch");
}

TEST_F(Layout, HeadingPiecesFollowTheirTextWidths) {
    Open();
    ui::EditSlideShow& e = ed();
    EXPECT_FLOAT_EQ(e.CenterLbl(0).Width(), e.TextWidth("Cen"));
    EXPECT_FLOAT_EQ(e.CenterLbl(1).Width(), e.TextWidth("t"));
    EXPECT_FLOAT_EQ(e.CenterLbl(1).Left(), 3960 + e.TextWidth("Cen"));
    EXPECT_FLOAT_EQ(e.CenterLbl(2).Left(), 3960 + e.TextWidth("Cen") + e.TextWidth("t"));
    EXPECT_FLOAT_EQ(e.HorizontalLbl(0).Width(), e.TextWidth("H"));
    EXPECT_FLOAT_EQ(e.HorizontalLbl(1).Left(), 4680 + e.TextWidth("H"));
    EXPECT_FLOAT_EQ(e.VerticalLbl(0).Width(), e.TextWidth("V"));
    EXPECT_FLOAT_EQ(e.VerticalLbl(1).Left(), 5520 + e.TextWidth("V"));
}

TEST_F(Layout, OnlyTheAccessLettersAreUnderlined) {
    Open();
    ui::EditSlideShow& e = ed();
    const tk::Label* underlined[] = {&e.CenterLbl(1), &e.HorizontalLbl(0), &e.VerticalLbl(0)};
    for (const tk::Label* l : underlined) {
        EXPECT_TRUE(l->Font().Underline) << l->Caption();
        EXPECT_EQ(l->Font().Name, "MS Sans Serif");
        EXPECT_DOUBLE_EQ(l->Font().Size, 8.25);
    }
    const tk::Label* plain[] = {&e.CenterLbl(0), &e.CenterLbl(2), &e.HorizontalLbl(1), &e.HorizontalLbl(2),
                                &e.VerticalLbl(1), &e.VerticalLbl(2), &e.Label1};
    for (const tk::Label* l : plain) EXPECT_FALSE(l->Font().Underline) << l->Caption();
}

TEST_F(Layout, OptionColumnsSpanTheInsideOfTheNameList) {
    Open();
    ui::EditSlideShow& e = ed();
    const float p = std::round(tk::Screen::TwipsPerPixelY());
    EXPECT_FLOAT_EQ(e.BackPic2.Top(), 480 + 2 * p);
    EXPECT_FLOAT_EQ(e.BackPic2.Height(), 2535 - 4 * p);
    const float lefts[3] = {4200, 4920, 5640};
    for (int k = 0; k < 3; ++k) {
        EXPECT_FLOAT_EQ(e.BackPic(k).Top(), e.BackPic2.Top());
        EXPECT_FLOAT_EQ(e.BackPic(k).Height(), e.BackPic2.Height());
        EXPECT_FLOAT_EQ(e.BackPic(k).Left(), lefts[k]);
        EXPECT_FLOAT_EQ(e.BackPic(k).Width(), 225);
        EXPECT_FLOAT_EQ(e.CheckList(k).Height(), e.FileNameList.Height());
        EXPECT_FLOAT_EQ(e.CheckList(k).Left(), -15);
        EXPECT_FLOAT_EQ(e.CheckList(k).Top(), -15);
        EXPECT_TRUE(e.CheckList(k).CheckStyle());
        EXPECT_EQ(e.CheckList(k).container(), &e.BackPic(k));
    }
    EXPECT_TRUE(e.FileNameList.CheckStyle());
    EXPECT_EQ(e.BackPic2.BackColor(), tk::kColorWindow);
}

TEST_F(Layout, ApplyStartsDisabledAndTheMonitorIsThere) {
    Open();
    EXPECT_FALSE(ed().ApplyCmd.Enabled());
    EXPECT_FALSE(ed().Image1.Picture().empty());
    EXPECT_TRUE(ed().Image1.Stretch());
    EXPECT_TRUE(ed().previewImage.Stretch());
    EXPECT_EQ(ed().previewImage.container(), static_cast<tk::Container*>(&ed().previewPicture));
}

// --- TruncateName, measured with the dialog's own text widths ---

using Truncate = EditorTest;

double Limit(ui::EditSlideShow& e) { return e.FileNameList.Width() * 3.0 / 5.0; }

// The longest tail of `s` whose width does not pass the limit, measured as the rule does.
std::string FittingTail(ui::EditSlideShow& e, const std::string& s) {
    std::string tail = s;
    while (!tail.empty() && e.TextWidth(tail) > Limit(e)) tail.erase(0, 1);
    return tail;
}

TEST_F(Truncate, AShortPathIsUnchanged) {
    Open();
    const std::string path = "C:\\photos\\a.jpg";
    ASSERT_LE(ed().TextWidth(path), Limit(ed()));
    EXPECT_EQ(ed().TruncateName(path), path);
    EXPECT_EQ(ed().TruncateName(""), "");
}

TEST_F(Truncate, ATextExactlyAsWideAsTheLimitIsKept) {
    Open();
    // A list width whose 0.6 is exactly the width of a 30-character name.
    const float thirty = ed().TextWidth(std::string(30, 'i'));
    ed().FileNameList.setWidth(thirty * 5 / 3);
    ASSERT_EQ(ed().TextWidth(std::string(30, 'i')), Limit(ed()));
    EXPECT_EQ(ed().TruncateName(std::string(30, 'i')), std::string(30, 'i'));
    EXPECT_EQ(ed().TruncateName(std::string(31, 'i')), "(...)" + std::string(30, 'i'));
}

TEST_F(Truncate, ALongPathKeepsItsTailFromABackslash) {
    Open();
    const std::string path = "C:\\" + std::string(120, 'm') + "\\Summer 1999\\Beach\\sunset.jpg";
    ASSERT_GT(ed().TextWidth(path), Limit(ed()));
    const std::string tail = FittingTail(ed(), path);
    const std::string expected = "(...)" + tail.substr(tail.find('\\'));
    EXPECT_EQ(ed().TruncateName(path), expected);
    EXPECT_EQ(expected.rfind("(...)\\", 0), 0u);
    EXPECT_NE(expected.find("sunset.jpg"), std::string::npos);
}

TEST_F(Truncate, ALongNameWithoutABackslashKeepsItsTail) {
    Open();
    const std::string name = std::string(200, 'n') + "g file name.jpg";
    const std::string result = ed().TruncateName(name);
    EXPECT_EQ(result, "(...)" + FittingTail(ed(), name));
    EXPECT_LE(ed().TextWidth(result.substr(5)), Limit(ed()));
    EXPECT_GT(ed().TextWidth("n" + result.substr(5)), Limit(ed())) << "the tail is the longest that fits";
}

TEST_F(Truncate, ABackslashOnlyBeforeTheTailIsNotUsed) {
    Open();
    const std::string name = "C:\\" + std::string(300, 'w') + ".jpg";
    const std::string result = ed().TruncateName(name);
    EXPECT_EQ(result.find('\\'), std::string::npos) << result;
    EXPECT_EQ(result, "(...)" + FittingTail(ed(), name));
}

} // namespace
} // namespace qs::test
