#include "objects/Serializer.h"

#include <gtest/gtest.h>

#include <locale>

#include "tests/support/Sandbox.h"

namespace {

TEST(Serializer, NumbersIgnoreTheLocaleAndKeepSixSignificantDigits) {
    Sandbox box;
    struct CommaDecimal : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
    };
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
    Serializer out;
    const bool opened = out.OpenWrite((box.resources() / "values.txt").string());
    out.WriteFloat(3.14159274f);
    out.WriteVec3({1.5f, -2.0f, 1234567.0f});
    EXPECT_TRUE(opened && out.Flush());
    out.Close();
    std::locale::global(previous);
    EXPECT_EQ(box.ReadResource("values.txt"), "3.14159\n1.5\n-2\n1.23457e+06\n");
}

TEST(Serializer, StringLinesDropCarriageReturnsAndAFailedReadPoisonsTheRest) {
    Sandbox box;
    box.WriteResource("text.txt", "Caption ignored words\r\nHello there\r\nworld|\r\n12 twelve 13\r\n");
    const std::string path = (box.resources() / "text.txt").string();
    Serializer in;
    std::string word, text;
    int value = 0;
    ASSERT_TRUE(in.OpenRead(path) && in.ReadWord(word) && in.ReadStringLine(text) && in.ReadInt(value));
    EXPECT_TRUE(text == "Hello there\nworld" && value == 12) << text;
    EXPECT_FALSE(in.ReadInt(value) || in.ReadWord(word));
    EXPECT_TRUE(in.OpenRead(path) && in.ReadWord(word)) << "reopening starts clean";
}

} // namespace
