#include "objects/Serializer.h"

#include <gtest/gtest.h>

#include <locale>

#include "tests/support/Sandbox.h"

namespace {

std::string Path(const Sandbox& box, const char* name) {
    return (box.root() / name).string();
}

TEST(Serializer, WritesOneValuePerLineAndReadsThemBackInOrder) {
    Sandbox box;
    Serializer out;
    ASSERT_TRUE(out.OpenWrite(Path(box, "values.txt")));
    out.WriteString("Player");
    out.WriteInt(-42);
    out.WriteFloat(3.14159274f);
    out.WriteBool(true);
    out.WriteVec3({1.5f, -2.0f, 1234567.0f});
    out.WriteStringLine("two words\nand a second line");
    out.WriteString("End");
    EXPECT_TRUE(out.Flush());
    out.Close();

    Serializer in;
    ASSERT_TRUE(in.OpenRead(Path(box, "values.txt")));
    std::string word, line;
    int i = 0;
    float f = 0;
    bool b = false;
    vec3 v;
    EXPECT_TRUE(in.ReadWord(word));
    EXPECT_EQ(word, "Player");
    EXPECT_TRUE(in.ReadInt(i));
    EXPECT_EQ(i, -42);
    EXPECT_TRUE(in.ReadFloat(f));
    EXPECT_FLOAT_EQ(f, 3.14159f); // six significant digits survive, the seventh is rounded away
    EXPECT_TRUE(in.ReadBool(b));
    EXPECT_TRUE(b);
    EXPECT_TRUE(in.ReadVec3(v));
    EXPECT_FLOAT_EQ(v.x, 1.5f);
    EXPECT_FLOAT_EQ(v.y, -2.0f);
    EXPECT_FLOAT_EQ(v.z, 1234570.0f);
    EXPECT_TRUE(in.ReadStringLine(line));
    EXPECT_EQ(line, "two words\nand a second line");
    EXPECT_TRUE(in.ReadWord(word));
    EXPECT_EQ(word, "End");
    EXPECT_FALSE(in.ReadWord(word));
}

TEST(Serializer, StringLineSkipsTheRestOfTheCurrentLineAndDropsCarriageReturns) {
    Sandbox box;
    box.WriteResource("crlf.txt", "Caption ignored words\r\nHello there\r\nworld|\r\nNext\r\n");
    Serializer in;
    ASSERT_TRUE(in.OpenRead((box.resources() / "crlf.txt").string()));
    std::string word, text;
    ASSERT_TRUE(in.ReadWord(word));
    ASSERT_TRUE(in.ReadStringLine(text));
    EXPECT_EQ(text, "Hello there\nworld");
    ASSERT_TRUE(in.ReadWord(word));
    EXPECT_EQ(word, "Next");
}

TEST(Serializer, AFailedReadPoisonsEveryLaterRead) {
    Sandbox box;
    box.WriteResource("bad.txt", "12 twelve 13");
    Serializer in;
    ASSERT_TRUE(in.OpenRead((box.resources() / "bad.txt").string()));
    int value = 0;
    EXPECT_TRUE(in.ReadInt(value));
    EXPECT_FALSE(in.ReadInt(value));
    EXPECT_FALSE(in.Good());
    std::string word;
    EXPECT_FALSE(in.ReadWord(word));
    // Reopening starts over with a clean state.
    ASSERT_TRUE(in.OpenRead((box.resources() / "bad.txt").string()));
    EXPECT_TRUE(in.ReadInt(value));
    EXPECT_EQ(value, 12);
}

TEST(Serializer, OpenFailuresLeaveTheStreamClosed) {
    Sandbox box;
    Serializer s;
    EXPECT_FALSE(s.OpenRead(Path(box, "missing.txt")));
    EXPECT_FALSE(s.IsOpen());
    EXPECT_FALSE(s.OpenWrite(Path(box, "no/such/folder/file.txt")));
    EXPECT_FALSE(s.IsOpen());
}

TEST(Serializer, NumbersIgnoreTheGlobalLocale) {
    Sandbox box;
    struct CommaDecimal : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    Serializer out;
    ASSERT_TRUE(out.OpenWrite(Path(box, "locale.txt")));
    out.WriteFloat(1.5f);
    out.Close();
    std::locale::global(previous);
    Serializer in;
    ASSERT_TRUE(in.OpenRead(Path(box, "locale.txt")));
    std::string word;
    ASSERT_TRUE(in.ReadWord(word));
    EXPECT_EQ(word, "1.5");
}

} // namespace
