#include "objects/Serializer.h"

#include <gtest/gtest.h>

#include <locale>

#include "tests/support/Sandbox.h"

namespace {

TEST(Serializer, NumbersIgnoreTheLocaleAndKeepSixSignificantDigits) {
    Sandbox box;
    const std::string path = (box.root() / "values.txt").string();
    struct CommaDecimal : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    Serializer out;
    ASSERT_TRUE(out.OpenWrite(path));
    out.WriteFloat(3.14159274f);
    out.WriteVec3({1.5f, -2.0f, 1234567.0f});
    EXPECT_TRUE(out.Flush());
    out.Close();
    std::locale::global(previous);
    box.WriteResource("expected.txt", "3.14159\n1.5\n-2\n1.23457e+06\n");
    EXPECT_EQ(box.ReadResource("../values.txt"), box.ReadResource("expected.txt"));
}

TEST(Serializer, StringLinesDropCarriageReturnsAndAFailedReadPoisonsTheRest) {
    Sandbox box;
    box.WriteResource("text.txt", "Caption ignored words\r\nHello there\r\nworld|\r\n12 twelve 13\r\n");
    Serializer in;
    ASSERT_TRUE(in.OpenRead((box.resources() / "text.txt").string()));
    std::string word, text;
    int value = 0;
    ASSERT_TRUE(in.ReadWord(word) && in.ReadStringLine(text) && in.ReadInt(value));
    EXPECT_EQ(text, "Hello there\nworld");
    EXPECT_EQ(value, 12);
    EXPECT_FALSE(in.ReadInt(value));
    EXPECT_FALSE(in.ReadWord(word));
    ASSERT_TRUE(in.OpenRead((box.resources() / "text.txt").string())); // reopening starts clean
    EXPECT_TRUE(in.ReadWord(word));
    EXPECT_FALSE(in.OpenRead((box.root() / "missing.txt").string()));
    EXPECT_FALSE(in.IsOpen());
}

} // namespace
