// The program's folder, the file dialog's first folder and the places of the help file.

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "shell/program_folder.h"
#include "shell/settings_file.h"

namespace bw {
namespace {

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
        EXPECT_EQ(folder, expected[c.expected].toStdString()) << c.what;
        EXPECT_EQ(QDir(data).exists(), c.expected == Data) << c.what;
        const Settings after = ReadSettings(QDir(data).filePath(kSettingsFileName).toStdString());
        EXPECT_EQ(after.userName, c.dataAfter) << c.what;
    }
    // The running program without a --folder: its own folder, where a build may write.
    EXPECT_EQ(ProgramFolderFor(std::nullopt), QDir::currentPath().toStdString());
    EXPECT_TRUE(UserMayWrite(QDir::currentPath().toStdString()));
    EXPECT_FALSE(UserMayWrite("/nonexistent/folder"));
}

TEST(ProgramFolder, FileDialogOpensInDocumentsInsteadOfTheDataFolder) {
    struct Case {
        std::string program, data, documents, expected;
    };
    const std::string data = "/home/u/.local/share/Brindlewood";
    const std::string docs = QDir::tempPath().toStdString(), home = QDir::homePath().toStdString();
    const Case cases[] = {
        {data, data, docs, docs},           {data + "/", data, docs, docs},
        {data, data, "/nonexistent", home}, {data, data, "", home},
        {"/opt/bw", data, docs, "/opt/bw"}, {"", data, docs, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DialogStartFolder(c.program, c.data, c.documents), c.expected) << c.program;
    EXPECT_EQ(DialogStartFolder("/opt/bw"), "/opt/bw");
}

TEST(ProgramFolder, HelpFileIsLookedForInOrderAndNamedWhenMissing) {
    struct Case {
        std::string program, executable;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        {"/home/u/.local/share/Brindlewood",
         "/usr/bin",
         {"/home/u/.local/share/Brindlewood/H.hlp", "/usr/bin/H.hlp",
          "/usr/share/brindlewood/H.hlp"}},
        {"/opt/bw/bin/", "/opt/bw/bin", {"/opt/bw/bin/H.hlp", "/opt/bw/share/brindlewood/H.hlp"}},
        {"", "", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HelpFilePlaces(c.program, c.executable, "H.hlp"), c.expected) << c.program;

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
