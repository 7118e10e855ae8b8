#include "grid_layout.h"

const GridRule gridRules[11] = {
    {  0,  4, 2, 2 },
    {  5,  9, 3, 3 },
    { 10, 12, 3, 4 },
    { 13, 16, 4, 4 },
    { 17, 20, 4, 5 },
    { 21, 25, 5, 5 },
    { 26, 30, 6, 5 },
    { 31, 36, 6, 6 },
    { 37, 49, 7, 7 },
    { 50, 64, 8, 8 },
    { -1, -1, -1, -1 },
};

enum {
    CELL_WIDTH = 100, CELL_HEIGHT = 110, MARGIN = 20,
    BUTTON_WIDTH = 90, BUTTON_HEIGHT = 70,
    CAPTION_OFFSET = 73, CAPTION_HEIGHT = 27,
    PUSH_WIDTH = 80, PUSH_HEIGHT = 25, PUSH_GAP = 10
};

void ComputeGrid(int32_t count, int32_t *columns, int32_t *rows)
{
    *columns = 0;
    *rows = 0;
    for (const GridRule *rule = gridRules; rule->minCount >= 0; ++rule) {
        if (rule->minCount <= count && count <= rule->maxCount) {
            *columns = rule->columns;
            *rows = rule->rows;
            return;
        }
    }
}

PanelLayout ComputeLayout(int32_t entryCount, int32_t cySize)
{
    PanelLayout layout = {};
    ComputeGrid(entryCount, &layout.columns, &layout.rows);
    layout.windowWidth = layout.columns * CELL_WIDTH + 30;
    layout.windowHeight = layout.rows * CELL_HEIGHT + cySize + 75;

    if (entryCount < 0 || layout.columns == 0)
        entryCount = 0;     // nothing to place outside the table's range
    if (entryCount > MAX_ENTRIES)
        entryCount = MAX_ENTRIES;
    layout.count = entryCount;

    int32_t x = MARGIN, y = MARGIN;
    for (int32_t n = 0; n < entryCount; ++n) {
        layout.buttons[n] = { x, y, BUTTON_WIDTH, BUTTON_HEIGHT };
        layout.captions[n] = { x, y + CAPTION_OFFSET, BUTTON_WIDTH, CAPTION_HEIGHT };
        if ((n + 1) % layout.columns == 0) {
            x = MARGIN;
            y += CELL_HEIGHT;
        } else {
            x += CELL_WIDTH;
        }
    }

    int32_t pushY = layout.rows * CELL_HEIGHT + MARGIN;
    int32_t exitX = (layout.windowWidth - (2 * PUSH_WIDTH + PUSH_GAP)) / 2;
    layout.exitButton = { exitX, pushY, PUSH_WIDTH, PUSH_HEIGHT };
    layout.aboutButton = { exitX + PUSH_WIDTH + PUSH_GAP, pushY, PUSH_WIDTH, PUSH_HEIGHT };
    return layout;
}
