// Record files written and read back field by field, the settings file "Personal.Mtg", the
// program's folder, the file dialog's first folder and the places of the help file.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <array>

#include "shell/program_folder.h"
#include "shell/record_file.h"
#include "shell/settings_file.h"
#include "support/file_bytes.h"

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
    for (int i : {-32768, 32767}) EXPECT_EQ(r.int16(), i);
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
    EXPECT_TRUE(shortLine.number() == 1 && shortLine.number() == 2 && !shortLine.number());
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
}

class SettingsFileTest : public ::testing::Test {
  protected:
    std::string path() const { return QDir(dir_.path()).filePath(kSettingsFileName).toStdString(); }
    QTemporaryDir dir_;
};

// Every failure is passed over: the fields read before it are kept, an empty symbol is "$".
TEST_F(SettingsFileTest, ReadsFieldsUpToTheFirstFailure) {
    const std::pair<QByteArray, Settings> cases[] = {
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
    for (const auto& [bytes, expected] : cases) {
        ASSERT_TRUE(test::WriteBytes(path(), bytes.toStdString()));
        EXPECT_EQ(SettingsLine(ReadSettings(path())), SettingsLine(expected)) << bytes.data();
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

TEST(ProgramFolder, OptionThenWritableExecutableFolderThenUserDataFolder) {
    enum Where { Option, Executable, Data };
    struct Case {
        const char* what;
        bool option, writable, installed;
        const char* besideExe;  // settings file beside the executable, or none
        const char* inData;     // settings file already in the user's data folder, or none
        Where expected;
        const char* dataAfter;  // the user name in the data folder's settings file afterwards
    };
    const Case cases[] = {
        {"--folder wins", true, false, true, "A", nullptr, Option, ""},
        {"build or portable copy", false, true, false, "A", nullptr, Executable, ""},
        {"installed, even where writable", false, true, true, nullptr, nullptr, Data, ""},
        {"shipped settings start the user's", false, false, false, "A", nullptr, Data, "A"},
        {"the user's own settings stay", false, false, true, "A", "B", Data, "B"},
    };
    for (const Case& c : cases) {
        QTemporaryDir root;
        const QString exe = root.filePath("bin"), data = root.filePath("home/share/Brindlewood");
        const QString option = root.filePath("chosen/./");
        QDir().mkpath(exe);
        if (c.installed) QDir().mkpath(root.filePath("share/brindlewood"));
        for (const auto& [where, user] : {std::pair{exe, c.besideExe}, std::pair{data, c.inData}})
            if (user) {
                QDir().mkpath(where);
                ASSERT_TRUE(WriteSettings(QDir(where).filePath(kSettingsFileName).toStdString(),
                                          {0, user, "$", 0}));
            }
        const auto mayWrite = c.writable ? +[](const std::string&) { return true; }
                                         : +[](const std::string&) { return false; };
        const std::string folder = ResolveProgramFolder(
            c.option ? std::optional<std::string>(option.toStdString()) : std::nullopt,
            exe.toStdString(), data.toStdString(), mayWrite);
        const QString expected[] = {root.filePath("chosen"), exe, data};
        const Settings after = ReadSettings(QDir(data).filePath(kSettingsFileName).toStdString());
        EXPECT_EQ(std::tuple(folder, QDir(data).exists(), after.userName),
                  std::tuple(expected[c.expected].toStdString(), c.expected == Data, c.dataAfter))
            << c.what;
    }
    // The running program without a --folder: its own folder, where a build may write.
    EXPECT_EQ(ProgramFolderFor(std::nullopt), QDir::currentPath().toStdString());
    EXPECT_TRUE(UserMayWrite(QDir::currentPath().toStdString()) &&
                !UserMayWrite("/nonexistent/folder"));
}

TEST(ProgramFolder, FileDialogOpensInDocumentsInsteadOfTheDataFolder) {
    using Case = std::array<std::string, 4>;  // program, data, documents, expected
    const std::string data = "/home/u/.local/share/Brindlewood";
    const std::string docs = QDir::tempPath().toStdString(), home = QDir::homePath().toStdString();
    const Case cases[] = {
        {data, data, docs, docs},           {data + "/", data, docs, docs},
        {data, data, "/nonexistent", home}, {data, data, "", home},
        {"/opt/bw", data, docs, "/opt/bw"}, {"", data, docs, ""},
    };
    for (const auto& [program, dataFolder, documents, expected] : cases)
        EXPECT_EQ(DialogStartFolder(program, dataFolder, documents), expected) << program;
    EXPECT_EQ(DialogStartFolder("/opt/bw"), "/opt/bw");
}

TEST(ProgramFolder, HelpFileIsLookedForInOrderAndNamedWhenMissing) {
    const std::tuple<std::string, std::string, std::vector<std::string>> cases[] = {
        {"/home/u/.local/share/Brindlewood",
         "/usr/bin",
         {"/home/u/.local/share/Brindlewood/H.hlp", "/usr/bin/H.hlp",
          "/usr/share/brindlewood/H.hlp"}},
        {"/opt/bw/bin/", "/opt/bw/bin", {"/opt/bw/bin/H.hlp", "/opt/bw/share/brindlewood/H.hlp"}},
        {"", "", {}},
    };
    for (const auto& [program, executable, expected] : cases)
        EXPECT_EQ(HelpFilePlaces(program, executable, "H.hlp"), expected) << program;

    QTemporaryDir dir;
    const std::string missing = dir.filePath("a.hlp").toStdString();
    const std::string present = dir.filePath("b.hlp").toStdString();
    ASSERT_TRUE(WriteSettings(present, {}));
    EXPECT_EQ(FirstReadableFile({missing, dir.path().toStdString(), present}), present);
    EXPECT_EQ(FirstReadableFile({missing}), "");
    EXPECT_EQ(HelpFileMissingText({"/x/H.hlp", "/y/H.hlp"}),
              "The help file was not found. It was looked for in:\n  /x/H.hlp\n  /y/H.hlp\n");
}

}  // namespace
}  // namespace bw
