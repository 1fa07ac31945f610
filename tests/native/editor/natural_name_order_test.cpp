#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "ui/editor/dropped_pictures.h"

TEST(NaturalNameOrder, CountsDigitRunsByValueIgnoresCaseAndIsTotal) {
    std::vector<std::string> names = {"img10.jpg", "IMG2.jpg", "b", "img1.jpg", "img02.jpg", "img.jpg", "a10b", "a2b",
                                      "img2.jpg", "x100000000000000000000", "x99999999999999999999", "Zeta", "alpha"};
    std::sort(names.begin(), names.end(), [](const auto& a, const auto& b) { return qs::ui::NaturalNameLess(a, b); });
    EXPECT_EQ(names, (std::vector<std::string>{"a2b", "a10b", "alpha", "b", "img.jpg", "img1.jpg", "IMG2.jpg",
                                               "img02.jpg", "img2.jpg", "img10.jpg", "x99999999999999999999",
                                               "x100000000000000000000", "Zeta"}));
    EXPECT_FALSE(qs::ui::NaturalNameLess("img2", "img2"));
}
