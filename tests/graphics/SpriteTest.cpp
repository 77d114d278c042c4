#include "graphics/Sprite.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>

#include "objects/Serializer.h"
#include "tests/support/Sandbox.h"

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

struct Cell {
    int column, row;
    bool operator==(const Cell& other) const { return column == other.column && row == other.row; }
};

std::ostream& operator<<(std::ostream& out, const Cell& cell) {
    return out << "(" << cell.column << ", " << cell.row << ")";
}

TEST(Sprite, NewSpriteRestsOnTheFirstCellOfAPlainImage) {
    Sprite sprite;
    EXPECT_EQ(sprite.buttonState, 0);
    EXPECT_EQ(sprite.numColumns, 1);
    EXPECT_EQ(sprite.numRows, 1);
    EXPECT_EQ(sprite.animationCount, -1);
    EXPECT_FLOAT_EQ(sprite.transparency, 1.0f);
    EXPECT_FLOAT_EQ(sprite.framePeriod, 1.0f);
    EXPECT_EQ(sprite.GetTypeName(), "Sprite");
    EXPECT_EQ(sprite.GetType(), ComponentType::Sprite);
}

TEST(Sprite, TenFramesPerSecondStepsEverySeventhUpdateAndStopsOnTheLastCell) {
    Sprite sprite;
    MakeSheet(sprite, 4, 2, 10.0f, 1);
    std::vector<Cell> cells;
    std::vector<int> stepUpdates;
    Cell last{0, 0};
    for (int update = 1; update <= 70 && sprite.animate; ++update) {
        sprite.Update(frame);
        Cell now{sprite.column, sprite.row};
        if (!(now == last)) {
            cells.push_back(now);
            stepUpdates.push_back(update);
            last = now;
        }
    }
    // The timer is compared before it grows: 7 updates per cell, not 6.
    ASSERT_GE(stepUpdates.size(), 2u);
    EXPECT_EQ(stepUpdates[0], 7);
    EXPECT_EQ(stepUpdates[1], 14);
    const std::vector<Cell> expected = {{1, 0}, {2, 0}, {3, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}};
    EXPECT_EQ(cells, expected);
    EXPECT_FALSE(sprite.animate);
    EXPECT_EQ(sprite.animationCount, 0);
    EXPECT_FLOAT_EQ(sprite.uOffset, 0.75f);
    EXPECT_FLOAT_EQ(sprite.vOffset, 0.5f);
}

TEST(Sprite, EndlessAnimationWrapsToTheFirstRow) {
    Sprite sprite;
    MakeSheet(sprite, 2, 2, 60.0f, -1);
    for (int i = 0; i < 400; ++i) sprite.Update(frame);
    EXPECT_TRUE(sprite.animate);
    EXPECT_EQ(sprite.animationCount, -1);
    EXPECT_GE(sprite.row, 0);
    EXPECT_LT(sprite.row, 2);
}

TEST(Sprite, ReverseAnimationRunsBackAndRestsOnTheFirstCell) {
    Sprite sprite;
    MakeSheet(sprite, 2, 2, 60.0f, 1);
    sprite.reverse = true;
    sprite.column = 1;
    sprite.row = 1;
    std::vector<Cell> cells;
    for (int i = 0; i < 20 && sprite.animate; ++i) {
        sprite.Update(frame);
        if (cells.empty() || !(cells.back() == Cell{sprite.column, sprite.row}))
            cells.push_back({sprite.column, sprite.row});
    }
    const std::vector<Cell> expected = {{1, 1}, {0, 1}, {1, 0}, {0, 0}};
    EXPECT_EQ(cells, expected);
    EXPECT_FALSE(sprite.animate);
    EXPECT_EQ(sprite.animationCount, 0);
}

TEST(Sprite, CountZeroNeverMoves) {
    Sprite sprite;
    MakeSheet(sprite, 4, 1, 60.0f, 0);
    for (int i = 0; i < 30; ++i) sprite.Update(frame);
    EXPECT_EQ(sprite.column, 0);
}

TEST(Sprite, LongFrameIsCutIntoWholeSlicesAndTheRestDropped) {
    Sprite sprite;
    MakeSheet(sprite, 4, 1, 1.0f, -1); // a 1 s period: the timer only grows
    sprite.Update(0.05f);
    EXPECT_NEAR(sprite.frameTimer, 2 * frame, 1e-6f); // two slices, not three
    EXPECT_NEAR(sprite.updateRemainder, 0.05f - 2 * frame, 1e-6f);
    sprite.Update(0.01f); // a short frame is one step of its own length
    EXPECT_NEAR(sprite.frameTimer, 2 * frame + 0.01f, 1e-6f);
}

TEST(Sprite, RatesAboveSixtyStepSeveralCellsPerUpdate) {
    Sprite sprite;
    MakeSheet(sprite, 1000, 1, 120.0f, -1);
    for (int i = 0; i < 60; ++i) sprite.Update(frame);
    EXPECT_GE(sprite.column, 118);
    EXPECT_LE(sprite.column, 120);
}

TEST(Sprite, AlternativeTextureRequestSwapsNameAndStepsAtOnce) {
    Sprite sprite;
    MakeSheet(sprite, 4, 1, 10.0f, -1);
    sprite.textureName = "walk.png";
    sprite.altTextureName = "attack.png";
    sprite.useAltTexture = true;
    sprite.textureChanged = true;
    sprite.Update(frame);
    EXPECT_EQ(sprite.currentTextureName, "attack.png");
    EXPECT_FALSE(sprite.textureChanged);
    EXPECT_EQ(sprite.column, 1);
}

TEST(Sprite, BrokenSheetSizesAndRatesNeitherHangNorPoisonTheOffsets) {
    Sprite noColumns;
    MakeSheet(noColumns, 0, 0, 10.0f, -1);
    Sprite negativeRate;
    MakeSheet(negativeRate, 4, 2, -5.0f, -1);
    Sprite hugeRate;
    MakeSheet(hugeRate, 4, 2, 1e30f, -1);
    const auto start = std::chrono::steady_clock::now();
    for (Sprite* sprite : {&noColumns, &negativeRate, &hugeRate}) {
        sprite->Update(1.0f);
        sprite->Update(std::numeric_limits<float>::infinity());
        sprite->Update(std::numeric_limits<float>::quiet_NaN());
        EXPECT_TRUE(std::isfinite(sprite->uOffset));
        EXPECT_TRUE(std::isfinite(sprite->vOffset));
    }
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_EQ(noColumns.numColumns, 1);
    EXPECT_EQ(noColumns.numRows, 1);
    // A negative rate shows a still frame.
    EXPECT_EQ(negativeRate.column, 0);
    EXPECT_EQ(negativeRate.row, 0);
}

class SpriteRecord : public ::testing::Test {
protected:
    Sandbox box;
    Serializer stream;
    const std::string path = "../Resources/sprite.txt";

    bool ReadBack(Sprite& sprite) {
        if (!stream.OpenRead(path)) return false;
        std::string typeName;
        stream.ReadWord(typeName);
        bool ok = typeName == "Sprite" && sprite.Deserialize(stream);
        stream.Close();
        return ok;
    }
};

TEST_F(SpriteRecord, EveryStoredFieldReadsBack) {
    Sprite written;
    written.textureName = "door_lit.png";
    written.altTextureName = "door_unlit.png";
    written.transparency = 0.25f;
    written.numColumns = 30;
    written.numRows = 2;
    written.column = 7;
    written.row = 1;
    written.animationDelay = 24.0f;
    written.animate = true;
    written.animationCount = 3;
    written.flipX = true;
    written.flipY = false;
    written.colorTint = {0.5f, 0.25f, 1.0f};
    ASSERT_TRUE(stream.OpenWrite(path));
    EXPECT_TRUE(written.Serialize(stream));
    stream.Close();

    Sprite read;
    ASSERT_TRUE(ReadBack(read));
    EXPECT_EQ(read.textureName, "door_lit.png");
    EXPECT_EQ(read.currentTextureName, "door_lit.png");
    EXPECT_EQ(read.altTextureName, "door_unlit.png");
    EXPECT_FLOAT_EQ(read.transparency, 0.25f);
    EXPECT_EQ(read.numColumns, 30);
    EXPECT_EQ(read.numRows, 2);
    EXPECT_EQ(read.column, 7);
    EXPECT_EQ(read.row, 1);
    EXPECT_FLOAT_EQ(read.animationDelay, 24.0f);
    EXPECT_FLOAT_EQ(read.framePeriod, 1.0f / 24.0f);
    EXPECT_TRUE(read.animate);
    EXPECT_EQ(read.animationCount, 3);
    EXPECT_TRUE(read.flipX);
    EXPECT_FALSE(read.flipY);
    EXPECT_FLOAT_EQ(read.colorTint.y, 0.25f);
}

TEST_F(SpriteRecord, EmptyNamesAreStoredAsThePlaceholder) {
    Sprite written;
    ASSERT_TRUE(stream.OpenWrite(path));
    EXPECT_TRUE(written.Serialize(stream));
    stream.Close();
    Sprite read;
    ASSERT_TRUE(ReadBack(read));
    EXPECT_EQ(read.textureName, "empty.png");
    EXPECT_EQ(read.altTextureName, "empty.png");
}

TEST_F(SpriteRecord, NameWithABlankIsRefused) {
    Sprite written;
    written.textureName = "two words.png";
    ASSERT_TRUE(stream.OpenWrite(path));
    EXPECT_FALSE(written.Serialize(stream));
    stream.Close();
}

TEST_F(SpriteRecord, TruncatedRecordFailsAndZeroSheetSizesAreRaisedToOne) {
    box.WriteResource("sprite.txt",
                      "Sprite\na.png\nb.png\nTransparency\n1\nNumColumns\n0\nNumRows\n0\nuCoord\n");
    Sprite read;
    EXPECT_FALSE(ReadBack(read));
    EXPECT_EQ(read.numColumns, 1);
    EXPECT_EQ(read.numRows, 1);
}

} // namespace
