// Record files: written and read back field by field.

#include <gtest/gtest.h>

#include "shell/record_file.h"

namespace bw {
namespace {

TEST(RecordWriter, WritesCommaSeparatedLinesWithCrLf) {
    RecordWriter w;
    w.number(100000).number(7.5).number(25).text("      Monthly").text("1/2/2024");
    w.integer(0).endLine();
    w.money(Money::fromDouble(1)).money(Money::fromDouble(0.5));
    w.money(Money::fromDouble(1500.25)).endLine();
    EXPECT_EQ(w.str(),
              "100000,7.5,25,\"      Monthly\",\"1/2/2024\",0\r\n"
              "1,.5,1500.25\r\n");
}

TEST(RecordWriter, ADoubleQuoteInsideATextCannotBreakTheLine) {
    RecordWriter w;
    w.text("say \"hi\"").integer(1).endLine();
    RecordReader r(w.str());
    EXPECT_EQ(r.text(), "say 'hi'");
    EXPECT_EQ(r.int16(), 1);
}

TEST(RecordFile, RoundTripKeepsEveryValue) {
    const double numbers[] = {0,         0.5,  -0.25,         10.125, 26.07142857,
                              1.0 / 3.0, 1e-7, 123456789.123, 1e20,   52.142857142857146};
    const float singles[] = {365.25f, 364.5f, 363.0f, 0.1f};
    const Money amounts[] = {Money(), Money::fromTicks(1), Money::fromDouble(917.5273),
                             Money::fromDouble(-42.5), Money::fromDouble(999999999.9999)};
    RecordWriter w;
    for (double d : numbers) w.number(d);
    w.endLine();
    for (float f : singles) w.single(f);
    const char* texts[] = {"", "Jane Doe, Esq.", "\u00a3"};
    for (const char* t : texts) w.text(t);
    w.endLine();
    for (Money m : amounts) w.money(m);
    w.integer(-32768).integer(32767).endLine();

    RecordReader r(w.str());
    for (double d : numbers) EXPECT_EQ(r.number(), d);
    EXPECT_TRUE(r.atLineStart());
    for (float f : singles) EXPECT_EQ(r.single(), f);
    for (const char* t : texts) EXPECT_EQ(r.text(), t);
    for (Money m : amounts) EXPECT_EQ(r.money(), m);
    EXPECT_EQ(r.int16(), -32768);
    EXPECT_EQ(r.int16(), 32767);
    EXPECT_TRUE(r.atEnd());
    EXPECT_FALSE(r.number().has_value());
}

TEST(RecordReader, AcceptsTheNumberFormsOfOtherWriters) {
    RecordReader r(" .5 ,\t-.25,1E-07,2.5e+3,+4,12.,7 \n\"x\"\r\n");
    for (double d : {0.5, -0.25, 1e-7, 2500.0, 4.0, 12.0, 7.0}) EXPECT_EQ(r.number(), d);
    EXPECT_TRUE(r.atLineStart());
    EXPECT_EQ(r.text(), "x");
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, WrongTypesAndMissingFieldsAreErrors) {
    // A string where a number belongs, a number where a string belongs, a missing closing quote,
    // text stuck to the quote, numbers out of range.
    for (const char* field : {"\"12\"", "", "12abc", "1e", "-", ".", "1e999", "nan"})
        EXPECT_FALSE(RecordReader(field).number().has_value()) << field;
    for (const char* field : {"12", "", "\"open", "\"a\"b,1"})
        EXPECT_FALSE(RecordReader(field).text().has_value()) << field;
    EXPECT_FALSE(RecordReader("40000").int16().has_value());
    EXPECT_FALSE(RecordReader("1e15").money().has_value());
    EXPECT_FALSE(RecordReader("3.5e38,").single().has_value());
    RecordReader shortLine("1,2\r\n");
    EXPECT_EQ(shortLine.number(), 1);
    EXPECT_EQ(shortLine.number(), 2);
    EXPECT_FALSE(shortLine.number().has_value());
}

TEST(RecordReader, ExtraFieldsOfALineCanBeSkipped) {
    RecordReader r("1,\"a\",3,4\r\n5\r\n");
    EXPECT_EQ(r.int16(), 1);
    r.skipLine();
    EXPECT_EQ(r.int16(), 5);
    EXPECT_TRUE(r.atEnd());
}

TEST(RecordReader, RandomBytesNeverCrash) {
    std::string junk;
    unsigned state = 12345;
    for (int i = 0; i < 4000; ++i) {
        state = state * 1103515245u + 12345u;
        junk += static_cast<char>((state >> 16) & 0xFF);
    }
    for (std::size_t cut = 0; cut < junk.size(); cut += 97) {
        RecordReader r(std::string_view(junk).substr(cut));
        for (int i = 0; i < 50 && !r.atEnd(); ++i) {
            (void)r.number();
            (void)r.text();
            (void)r.money();
        }
    }
    SUCCEED();
}

}  // namespace
}  // namespace bw
