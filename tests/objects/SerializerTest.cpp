#include "objects/Serializer.h"

#include <gtest/gtest.h>

#include <locale>

#include "tests/support/Sandbox.h"

namespace {

TEST(Serializer, WritesOneValuePerLineAndReadsThemBackInOrder) {
    Sandbox box;
    const std::string path = (box.root() / "values.txt").string();
    // Numbers must not follow a locale that writes "1,5".
    struct CommaDecimal : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    Serializer out;
    ASSERT_TRUE(out.OpenWrite(path));
    out.WriteString("Player");
    out.WriteInt(-42);
    out.WriteFloat(3.14159274f);
    out.WriteBool(true);
    out.WriteVec3({1.5f, -2.0f, 1234567.0f});
    out.WriteStringLine("two words\nand a second line");
    out.WriteString("End");
    EXPECT_TRUE(out.Flush());
    out.Close();
    std::locale::global(previous);

    Serializer in;
    ASSERT_TRUE(in.OpenRead(path));
    std::string word, line;
    int i = 0;
    float f = 0;
    bool b = false;
    vec3 v;
    EXPECT_TRUE(in.ReadWord(word) && word == "Player");
    EXPECT_TRUE(in.ReadInt(i) && i == -42);
    EXPECT_TRUE(in.ReadFloat(f));
    EXPECT_FLOAT_EQ(f, 3.14159f); // six significant digits survive, the seventh is rounded away
    EXPECT_TRUE(in.ReadBool(b) && b);
    EXPECT_TRUE(in.ReadVec3(v));
    EXPECT_FLOAT_EQ(v.x, 1.5f);
    EXPECT_FLOAT_EQ(v.z, 1234570.0f);
    EXPECT_TRUE(in.ReadStringLine(line));
    EXPECT_EQ(line, "two words\nand a second line");
    EXPECT_TRUE(in.ReadWord(word) && word == "End");
    EXPECT_FALSE(in.ReadWord(word));
}

TEST(Serializer, StringLineSkipsTheRestOfTheLineAndDropsCarriageReturns) {
    Sandbox box;
    box.WriteResource("crlf.txt", "Caption ignored words\r\nHello there\r\nworld|\r\nNext\r\n");
    Serializer in;
    ASSERT_TRUE(in.OpenRead((box.resources() / "crlf.txt").string()));
    std::string word, text;
    ASSERT_TRUE(in.ReadWord(word) && in.ReadStringLine(text) && in.ReadWord(word));
    EXPECT_EQ(text, "Hello there\nworld");
    EXPECT_EQ(word, "Next");
}

TEST(Serializer, AFailedReadPoisonsEveryLaterReadUntilReopened) {
    Sandbox box;
    box.WriteResource("bad.txt", "12 twelve 13");
    Serializer in;
    ASSERT_TRUE(in.OpenRead((box.resources() / "bad.txt").string()));
    int value = 0;
    std::string word;
    EXPECT_TRUE(in.ReadInt(value));
    EXPECT_FALSE(in.ReadInt(value));
    EXPECT_FALSE(in.ReadWord(word));
    ASSERT_TRUE(in.OpenRead((box.resources() / "bad.txt").string()));
    EXPECT_TRUE(in.ReadInt(value) && value == 12);
    EXPECT_FALSE(in.OpenRead((box.root() / "missing.txt").string()));
    EXPECT_FALSE(in.IsOpen());
}

} // namespace
