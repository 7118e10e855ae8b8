// Grid shape and every coordinate of the panel, from the entry count and the
// height of a caption button (SM_CYSIZE). Pure arithmetic, no platform calls.
#ifndef LANTERRA_GRID_LAYOUT_H
#define LANTERRA_GRID_LAYOUT_H

#include <stdint.h>
#include "../config/launcher_table.h"

struct GridRule {
    int32_t minCount;   // negative: the terminator row
    int32_t maxCount;
    int32_t columns;
    int32_t rows;
};

extern const GridRule gridRules[11];

struct GridRect {
    int32_t x, y, width, height;
};

struct PanelLayout {
    int32_t columns;
    int32_t rows;
    int32_t windowWidth;    // outer size, frame and caption included
    int32_t windowHeight;
    int32_t count;          // entries laid out
    GridRect buttons[MAX_ENTRIES];
    GridRect captions[MAX_ENTRIES];
    GridRect exitButton;
    GridRect aboutButton;
};

// Columns and rows for count entries; 0 and 0 when no rule applies.
void ComputeGrid(int32_t count, int32_t *columns, int32_t *rows);

// The whole layout for entryCount (0 .. MAX_ENTRIES) entries.
PanelLayout ComputeLayout(int32_t entryCount, int32_t cySize);

#endif
