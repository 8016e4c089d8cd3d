// The settings file "Personal.Mtg".

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "shell/settings_file.h"
#include "support/file_bytes.h"

namespace bw {
namespace {

class SettingsFileTest : public ::testing::Test {
  protected:
    std::string path() const { return QDir(dir_.path()).filePath(kSettingsFileName).toStdString(); }
    QTemporaryDir dir_;
};

// Every failure is passed over: the fields read before it are kept, an empty symbol is "$".
TEST_F(SettingsFileTest, ReadsFieldsUpToTheFirstFailure) {
    struct Case {
        QByteArray bytes;
        Settings expected;
    };
    const Case cases[] = {
        {"1,\"Jane Doe\",\"\xc2\xa3\",3\r\n", {1, "Jane Doe", "\u00a3", 3}},
        {"0,\"\",\"\",2\r\n", {0, "", "$", 2}},
        {"1,\"Ann\"", {1, "Ann", "$", 0}},
        {"1,\"Ann\",\"EUR\",x\r\n", {1, "Ann", "EUR", 0}},
        {"1,2,\"EUR\",4\r\n", {1, "", "$", 0}},
        {"\"text\",\"Ann\",\"EUR\",4\r\n", {0, "", "$", 0}},
        {"", {0, "", "$", 0}},
        {QByteArray("\x00\xff\xfe,,,", 7), {0, "", "$", 0}},
        // Fields after the fourth are not used.
        {"0,\"Bob\",\"kr\",4,\"more\",99\r\n", {0, "Bob", "kr", 4}},
    };
    EXPECT_EQ(ReadSettings(path()).currencySymbol, "$");  // no file
    for (const Case& c : cases) {
        ASSERT_TRUE(test::WriteBytes(path(), c.bytes.toStdString()));
        EXPECT_EQ(SettingsLine(ReadSettings(path())), SettingsLine(c.expected))
            << c.bytes.toStdString();
    }
}

// The line written is read back field by field; a missing folder fails.
TEST_F(SettingsFileTest, WrittenFileReadsBack) {
    const Settings in{1, "Jane", "\u20ac", 4};
    EXPECT_EQ(SettingsLine(in), "1,\"Jane\",\"\u20ac\",4\r\n");
    EXPECT_EQ(SettingsLine(Settings{}), "0,\"\",\"\",0\r\n");
    ASSERT_TRUE(WriteSettings(path(), in));
    EXPECT_EQ(SettingsLine(ReadSettings(path())), SettingsLine(in));
    EXPECT_FALSE(WriteSettings(
        QDir(dir_.path()).filePath("no/such/folder/Personal.Mtg").toStdString(), Settings{}));
}

}  // namespace
}  // namespace bw
