#include <gtest/gtest.h>

#include "widgets/Twips.h"

namespace mirtal::widgets {
namespace {

TEST(Twips, FifteenMakeAPixelRoundedToTheNearest) {
    struct Case {
        int twips;
        int pixels;
    };
    for (const Case c : {Case{0, 0}, Case{7, 0}, Case{8, 1}, Case{15, 1}, Case{250, 17},
                         Case{1440, 96}, Case{8220, 548}, Case{-50, -3}}) {
        EXPECT_EQ(twips(c.twips), c.pixels) << c.twips;
    }
}

}  // namespace
}  // namespace mirtal::widgets
