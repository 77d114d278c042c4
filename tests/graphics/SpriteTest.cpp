#include "graphics/Sprite.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

namespace {

constexpr float frame = 1.0f / 60.0f;

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
        const char* what;
        int columns, rows;
        float rate;
        int passes;
        bool reverse;
        int updates;
        std::vector<int> cells; // column + 10 * row of every cell shown after the first
        bool animating;
    } cases[] = {
        // The timer is compared before it grows: at 10 per second a cell lasts 7 updates, not 6.
        {"one pass forwards", 4, 2, 10, 1, false, 70, {1, 2, 3, 10, 11, 12, 13}, false},
        {"one pass backwards", 2, 2, 60, 1, true, 20, {10, 1, 0}, false},
        {"no passes", 4, 1, 60, 0, false, 30, {}, true},
        {"endless wraps to the first row", 2, 2, 30, -1, false, 14, {1, 10, 11, 0}, true},
    };
    for (const auto& c : cases) {
        Sprite sprite;
        MakeSheet(sprite, c.columns, c.rows, c.rate, c.passes);
        sprite.reverse = c.reverse;
        if (c.reverse) sprite.column = c.columns - 1, sprite.row = c.rows - 1;
        std::vector<int> cells;
        int shown = sprite.column + 10 * sprite.row, firstStep = 0;
        for (int update = 1; update <= c.updates && sprite.animate; ++update) {
            sprite.Update(frame);
            if (sprite.column + 10 * sprite.row == shown) continue;
            shown = sprite.column + 10 * sprite.row;
            cells.push_back(shown);
            if (!firstStep) firstStep = update;
        }
        EXPECT_EQ(cells, c.cells) << c.what;
        EXPECT_EQ(sprite.animate, c.animating) << c.what;
        if (c.rate == 10) {
            EXPECT_EQ(firstStep, 7);
        }
    }
}

TEST(Sprite, RatesAboveSixtyStepSeveralCellsPerUpdate) {
    Sprite sprite;
    MakeSheet(sprite, 1000, 1, 120.0f, -1);
    for (int i = 0; i < 60; ++i) sprite.Update(frame);
    EXPECT_GE(sprite.column, 118);
    EXPECT_LE(sprite.column, 120);
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
        EXPECT_TRUE(std::isfinite(sprite->uOffset));
        EXPECT_TRUE(std::isfinite(sprite->vOffset));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(noColumns.numColumns, 1);
    EXPECT_EQ(noColumns.numRows, 1);
    EXPECT_EQ(negativeRate.column + negativeRate.row, 0) << "a negative rate shows a still frame";
}

} // namespace
