#include "graphics/Sprite.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

namespace {

void MakeSheet(Sprite& sprite, int columns, int rows, float framesPerSecond, int passes) {
    sprite.numColumns = columns;
    sprite.numRows = rows;
    sprite.animate = true;
    sprite.animationCount = passes;
    sprite.animationDelay = framesPerSecond;
    sprite.framePeriod = 1.0f / framesPerSecond;
}

TEST(Sprite, SheetsStepAtTheirRateAndStopOnTheirLastCell) {
    const struct {
        int columns, rows, rate, passes, updates;
        bool reverse, animating;
        std::vector<int> cells; // column + 10 * row of every cell shown after the first
    } cases[] = {
        {4, 2, 10, 1, 70, false, false, {1, 2, 3, 10, 11, 12, 13}},
        {2, 2, 60, 1, 20, true, false, {10, 1, 0}},
        {4, 1, 60, 0, 30, false, true, {}},
        {2, 2, 30, -1, 14, false, true, {1, 10, 11, 0}}, // endless: wraps to the first row
    };
    for (const auto& c : cases) {
        Sprite sprite;
        MakeSheet(sprite, c.columns, c.rows, float(c.rate), c.passes);
        sprite.reverse = c.reverse;
        if (c.reverse) sprite.column = c.columns - 1, sprite.row = c.rows - 1;
        std::vector<int> cells;
        for (int update = 1; update <= c.updates && sprite.animate; ++update) {
            const int shown = sprite.column + 10 * sprite.row;
            sprite.Update(1.0f / 60.0f);
            if (sprite.column + 10 * sprite.row != shown) cells.push_back(sprite.column + 10 * sprite.row);
        }
        EXPECT_EQ(cells, c.cells) << c.columns << " x " << c.rows << " at " << c.rate;
        EXPECT_EQ(sprite.animate, c.animating) << c.columns << " x " << c.rows << " at " << c.rate;
    }
}

TEST(Sprite, BrokenSheetSizesAndRatesNeitherHangNorPoisonTheOffsets) {
    Sprite noColumns, negativeRate, hugeRate;
    MakeSheet(noColumns, 0, 0, 10.0f, -1);
    MakeSheet(negativeRate, 4, 2, -5.0f, -1);
    MakeSheet(hugeRate, 4, 2, 1e30f, -1);
    const auto start = std::chrono::steady_clock::now();
    for (Sprite* sprite : {&noColumns, &negativeRate, &hugeRate}) {
        for (float dt :
             {1.0f, std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()})
            sprite->Update(dt);
        EXPECT_TRUE(std::isfinite(sprite->uOffset) && std::isfinite(sprite->vOffset));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_TRUE(noColumns.numColumns == 1 && noColumns.numRows == 1);
    EXPECT_EQ(negativeRate.column + negativeRate.row, 0) << "a negative rate shows a still frame";
}

} // namespace
