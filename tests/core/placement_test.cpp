#include "placement.h"

#include <gtest/gtest.h>

TEST(Placement, CentringClampsAtTheScreenEdge) {
    struct Case {
        int available, size, origin;
    } cases[] = {
        {1280, 748, 266}, {1024, 606, 209}, {1281, 748, 266}, {748, 748, 0},
        {640, 748, 0},    {480, 606, 0},    {749, 748, 0},    {750, 748, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(core::centredOrigin(c.available, c.size), c.origin)
            << c.available << " " << c.size;
}

TEST(Placement, PictureOffsetsOnTheButtons) {
    struct Case {
        int W, H, w, h;
        bool pressed, styles;
        int x, y;
    } cases[] = {
        {62, 69, 46, 60, false, true, 8, 5},    // BitBtn1
        {62, 69, 46, 64, false, true, 8, 3},    // BitBtn28
        {70, 69, 62, 60, false, true, 4, 5},    // BitBtn18
        {235, 57, 210, 43, false, true, 13, 7}, // BitBtn29
        {62, 69, 46, 60, true, true, 9, 5},     {62, 69, 46, 60, true, false, 9, 6},
        {60, 69, 47, 60, false, false, 7, 5},   {60, 69, 52, 60, false, true, 4, 5},
    };
    for (const Case& c : cases) {
        const auto o = core::pictureOffset(c.W, c.H, c.w, c.h, c.pressed, c.styles);
        EXPECT_EQ(o.x, c.x) << c.W << "x" << c.H << " " << c.w << "x" << c.h;
        EXPECT_EQ(o.y, c.y) << c.W << "x" << c.H << " " << c.w << "x" << c.h;
    }
}
