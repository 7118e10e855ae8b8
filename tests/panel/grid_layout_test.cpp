// The panel geometry: grid shapes, window sizes and every rectangle.
#include <gtest/gtest.h>

#include <limits.h>
#include <string.h>

#include "grid_layout.h"

static std::ostream &operator<<(std::ostream &out, const GridRect &r)
{
    return out << "(" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << ")";
}

namespace {

struct Rect { int32_t x, y, width, height; };

bool operator==(const GridRect &a, const Rect &b)
{
    return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

struct Shape { int32_t count, columns, rows; };

// Both ends of every rule, and the counts that no rule covers.
const Shape GRID_SHAPES[] = {
    { 0, 2, 2 }, { 1, 2, 2 }, { 4, 2, 2 },
    { 5, 3, 3 }, { 9, 3, 3 },
    { 10, 3, 4 }, { 12, 3, 4 },
    { 13, 4, 4 }, { 16, 4, 4 },
    { 17, 4, 5 }, { 20, 4, 5 },
    { 21, 5, 5 }, { 25, 5, 5 },
    { 26, 6, 5 }, { 30, 6, 5 },
    { 31, 6, 6 }, { 36, 6, 6 },
    { 37, 7, 7 }, { 49, 7, 7 },
    { 50, 8, 8 }, { 64, 8, 8 },
    { 65, 0, 0 }, { -1, 0, 0 }, { -2, 0, 0 }, { INT_MIN, 0, 0 }, { INT_MAX, 0, 0 },
};

TEST(ComputeGrid, GivesTheShapeOfTheRuleThatHoldsTheCount)
{
    for (const Shape &shape : GRID_SHAPES) {
        int32_t columns = -7, rows = -7;
        ComputeGrid(shape.count, &columns, &rows);
        EXPECT_EQ(columns, shape.columns) << "count " << shape.count;
        EXPECT_EQ(rows, shape.rows) << "count " << shape.count;
    }
}

TEST(ComputeGrid, EveryPanelCountHasRoomAndTwoColumns)
{
    for (int32_t count = 0; count <= MAX_ENTRIES; ++count) {
        int32_t columns, rows;
        ComputeGrid(count, &columns, &rows);
        EXPECT_GE(columns, 2) << "count " << count;
        EXPECT_GE(columns * rows, count) << "count " << count;
    }
}

TEST(GridRules, RangesRunFromZeroToSixtyFourWithoutGapAndEndInATerminator)
{
    int32_t next = 0;
    int rule = 0;
    for (; gridRules[rule].minCount >= 0; ++rule) {
        EXPECT_EQ(gridRules[rule].minCount, next) << "rule " << rule;
        EXPECT_LE(gridRules[rule].minCount, gridRules[rule].maxCount) << "rule " << rule;
        next = gridRules[rule].maxCount + 1;
    }
    EXPECT_EQ(rule, 10);
    EXPECT_EQ(next, 65);
    EXPECT_EQ(gridRules[10].minCount, -1);
    EXPECT_EQ(gridRules[10].maxCount, -1);
    EXPECT_EQ(gridRules[10].columns, -1);
    EXPECT_EQ(gridRules[10].rows, -1);
}

struct WindowCase { int32_t count, width, heightLessCySize, exitX, pushY, aboutX; };

// One row per shape; the pair of push buttons stands under the last grid row.
const WindowCase WINDOW_CASES[] = {
    { 0, 230, 295, 30, 240, 120 },   { 4, 230, 295, 30, 240, 120 },
    { 5, 330, 405, 80, 350, 170 },   { 9, 330, 405, 80, 350, 170 },
    { 10, 330, 515, 80, 460, 170 },  { 12, 330, 515, 80, 460, 170 },
    { 13, 430, 515, 130, 460, 220 }, { 16, 430, 515, 130, 460, 220 },
    { 17, 430, 625, 130, 570, 220 }, { 20, 430, 625, 130, 570, 220 },
    { 21, 530, 625, 180, 570, 270 }, { 25, 530, 625, 180, 570, 270 },
    { 26, 630, 625, 230, 570, 320 }, { 30, 630, 625, 230, 570, 320 },
    { 31, 630, 735, 230, 680, 320 }, { 36, 630, 735, 230, 680, 320 },
    { 37, 730, 845, 280, 790, 370 }, { 49, 730, 845, 280, 790, 370 },
    { 50, 830, 955, 330, 900, 420 },
};

TEST(ComputeLayout, WindowSizeAndPushButtonsFollowTheShape)
{
    for (const WindowCase &c : WINDOW_CASES) {
        PanelLayout layout = ComputeLayout(c.count, 22);
        EXPECT_EQ(layout.windowWidth, c.width) << "count " << c.count;
        EXPECT_EQ(layout.windowHeight, c.heightLessCySize + 22) << "count " << c.count;
        EXPECT_EQ(layout.exitButton, (Rect{ c.exitX, c.pushY, 80, 25 })) << "count " << c.count;
        EXPECT_EQ(layout.aboutButton, (Rect{ c.aboutX, c.pushY, 80, 25 })) << "count " << c.count;
        EXPECT_EQ(layout.count, c.count);
    }
}

TEST(ComputeLayout, SevenEntriesMatchTheWorkedExample)
{
    const Rect buttons[7] = {
        { 20, 20, 90, 70 }, { 120, 20, 90, 70 }, { 220, 20, 90, 70 },
        { 20, 130, 90, 70 }, { 120, 130, 90, 70 }, { 220, 130, 90, 70 },
        { 20, 240, 90, 70 },
    };
    const Rect captions[7] = {
        { 20, 93, 90, 27 }, { 120, 93, 90, 27 }, { 220, 93, 90, 27 },
        { 20, 203, 90, 27 }, { 120, 203, 90, 27 }, { 220, 203, 90, 27 },
        { 20, 313, 90, 27 },
    };
    PanelLayout layout = ComputeLayout(7, 22);
    EXPECT_EQ(layout.columns, 3);
    EXPECT_EQ(layout.rows, 3);
    EXPECT_EQ(layout.windowWidth, 330);
    EXPECT_EQ(layout.windowHeight, 427);
    for (int n = 0; n < 7; ++n) {
        EXPECT_EQ(layout.buttons[n], buttons[n]) << "entry " << n;
        EXPECT_EQ(layout.captions[n], captions[n]) << "entry " << n;
    }
    EXPECT_EQ(layout.exitButton, (Rect{ 80, 350, 80, 25 }));
    EXPECT_EQ(layout.aboutButton, (Rect{ 170, 350, 80, 25 }));
}

TEST(ComputeLayout, LastEntriesOfFullAndPartlyFilledGrids)
{
    struct LastEntry { int32_t count, n; Rect button; };
    const LastEntry cases[] = {
        { 1, 0, { 20, 20, 90, 70 } },
        { 4, 3, { 120, 130, 90, 70 } },
        { 5, 4, { 120, 130, 90, 70 } },
        { 37, 36, { 120, 570, 90, 70 } },
        { 49, 48, { 620, 680, 90, 70 } },
        { 50, 47, { 720, 570, 90, 70 } },
        { 50, 48, { 20, 680, 90, 70 } },
        { 50, 49, { 120, 680, 90, 70 } },
    };
    for (const LastEntry &c : cases) {
        PanelLayout layout = ComputeLayout(c.count, 18);
        EXPECT_EQ(layout.buttons[c.n], c.button) << "count " << c.count << ", entry " << c.n;
        Rect caption = { c.button.x, c.button.y + 73, 90, 27 };
        EXPECT_EQ(layout.captions[c.n], caption) << "count " << c.count << ", entry " << c.n;
    }
}

// Row by row, left to right, for every count the panel can meet; no cell is
// used twice and every button and caption lies above the push buttons.
TEST(ComputeLayout, EveryCountFillsTheGridRowByRow)
{
    for (int32_t count = 0; count <= MAX_ENTRIES; ++count) {
        PanelLayout layout = ComputeLayout(count, 18);
        ASSERT_EQ(layout.count, count);
        for (int32_t n = 0; n < count; ++n) {
            Rect button = { 20 + 100 * (n % layout.columns), 20 + 110 * (n / layout.columns), 90, 70 };
            EXPECT_EQ(layout.buttons[n], button) << "count " << count << ", entry " << n;
            EXPECT_EQ(layout.captions[n], (Rect{ button.x, button.y + 73, 90, 27 }))
                << "count " << count << ", entry " << n;
            EXPECT_LE(layout.captions[n].y + 27 + 10, layout.exitButton.y) << "count " << count;
            EXPECT_LE(button.x + 90 + 20, layout.windowWidth) << "count " << count;
        }
        for (int32_t n = count; n < MAX_ENTRIES; ++n)
            EXPECT_EQ(layout.buttons[n], (Rect{ 0, 0, 0, 0 })) << "count " << count << ", slot " << n;
    }
}

TEST(ComputeLayout, OnlyTheWindowHeightFollowsTheCaptionButtonHeight)
{
    for (int32_t count : { 0, 7, 50 }) {
        PanelLayout base = ComputeLayout(count, 0);
        for (int32_t cySize : { 1, 18, 22, 41 }) {
            PanelLayout layout = ComputeLayout(count, cySize);
            EXPECT_EQ(layout.windowHeight, base.windowHeight + cySize);
            layout.windowHeight = base.windowHeight;
            EXPECT_EQ(memcmp(&layout, &base, sizeof layout), 0) << "count " << count << ", cySize " << cySize;
        }
    }
}

TEST(ComputeLayout, CountsOutsideTheTablePlaceNoEntries)
{
    for (int32_t count : { -1, 65, INT_MAX }) {
        PanelLayout layout = ComputeLayout(count, 18);
        EXPECT_EQ(layout.columns, 0);
        EXPECT_EQ(layout.count, 0) << "count " << count;
    }
}

} // namespace
