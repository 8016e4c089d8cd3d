// The file dialog's wiring (the rules of typed names: file_names_test), and the tables window's
// "Sa&ve File" and "&Open File" through it.

#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>

#include "files/file_info.h"
#include "shell/ms_grid.h"
#include "support/file_bytes.h"
#include "support/window_context.h"
#include "tables/mortgage_calc.h"

namespace bw {
namespace {

class FilesTest : public ::testing::Test, protected test::WindowContext {
  protected:
    FilesTest() {
        QDir(root).mkdir("sub");
        for (const char* name : {"house.kmd", "OTHER.KMD", "loan.kld", "sub/inner.kmd"})
            QFile(root + "/" + name).open(QIODevice::WriteOnly);
        mm.FileKind = 1;
        mm.DialogFolder = root.toStdString() + "/";
    }
    FileInfo& openDialog(bool saving = false) {
        dlg = std::make_unique<FileInfo>(ctx);
        saving ? dlg->PrepareForSaving() : dlg->PrepareForOpening();
        return *(dlg = test::ShowActive(std::move(dlg)));
    }
    void typeAndPress(const QString& text) {
        dlg->TextBox->clear();
        QTest::keyClicks(dlg->TextBox, text);
        QTest::mouseClick(dlg->DlgButton[0], Qt::LeftButton);
    }
    void clickFolder(bool twice) {
        QListWidget* dirs = dlg->DirsBox;
        const QPoint at =
            dirs->visualItemRect(dirs->findItems("sub", Qt::MatchEndsWith)[0]).center();
        QTest::mouseClick(dirs->viewport(), Qt::LeftButton, {}, at);
        if (twice) QTest::mouseDClick(dirs->viewport(), Qt::LeftButton, {}, at);
    }
    MortgageCalc& openTables(std::int16_t mode) {
        mm.TableMode = mode;
        return *(tables = openWindow<MortgageCalc>());
    }
    // Runs a file command with `name` typed; true when the window hid meanwhile and came back.
    bool use(QPushButton* command, const QString& name) {
        bool hidden = false;
        test::ModalDriver<FileInfo> driver([&](FileInfo& d) {
            hidden = !tables->isVisible();
            d.TextBox->setText(name);
            d.DlgButton[0]->click();
        });
        command->click();
        return hidden && tables->isVisible() && mm.FileKind == 0;
    }
    std::vector<QString> shown() const {
        return {test::TextOf(tables->InPrincipal), test::TextOf(tables->InTerm),
                tables->InMonthPI->text(),
                QString::fromStdString(tables->MGrid->textAt(tables->MGrid->rows() - 1, 1))};
    }
    std::string path(const char* name) const { return (root + "/" + name).toStdString(); }

    QTemporaryDir dir;
    QString root = QDir(dir.path()).canonicalPath();
    std::unique_ptr<FileInfo> dlg;
    std::unique_ptr<MortgageCalc> tables;
};

// A typed pattern filters the list; a typed folder that does not exist is reported.
TEST_F(FilesTest, DialogOpensFirstInTheProgramsFolderAndListsTheFilesOfTheKindOrPattern) {
    mm.DialogFolder.clear();
    mm.ProgramFolder = root.toStdString();
    mm.DialogFileName = "OTHER.KMD";
    FileInfo& d = openDialog();
    d.grab().save("/tmp/file_info_open.png");
    EXPECT_EQ(std::tuple(d.folder(), d.FileListBox->count(), d.TextBox->text()),
              std::tuple(root, 2, "OTHER.KMD"));  // not loan.kld
    typeAndPress("o*.KMD");
    EXPECT_TRUE(d.FileListBox->count() == 1 && d.FileListBox->item(0)->text() == "OTHER.KMD");
    typeAndPress("nosuch/x.kmd");
    EXPECT_TRUE(port.messages == std::vector<int>{13} && d.isVisible());
}

// A folder clicked once is only highlighted: "&Open" moves into it; Enter on a file opens it.
// A double-click on a folder moves into it; "&Cancel" gives 6 and keeps the folder.
TEST_F(FilesTest, DialogMovesIntoFoldersAndOpensOrCancels) {
    FileInfo& d = openDialog();
    clickFolder(false);
    EXPECT_EQ(d.folder(), root);
    QTest::mouseClick(d.DlgButton[0], Qt::LeftButton);
    EXPECT_EQ(d.folder(), root + "/sub");
    d.FileListBox->setCurrentRow(0);
    QTest::keyClick(d.FileListBox, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(mm.DialogFolder + mm.DialogFileName, path("sub/inner.kmd"));
    mm.DialogFolder = path("");
    FileInfo& again = openDialog();
    clickFolder(true);
    QTest::mouseClick(again.DlgButton[1], Qt::LeftButton);
    EXPECT_TRUE(!again.chosenPath() && mm.FileKind == 6 && mm.DialogFolder == path("sub/"));
}

// A wrong extension, and a drive that cannot be read, are refused with a message box.
TEST_F(FilesTest, DialogRefusesAWrongExtensionAndADriveThatCannotBeRead) {
    mm.FileKind = 2;
    FileInfo& d = openDialog(true);
    QStringList texts;
    test::ModalDriver<QMessageBox> box([&](QMessageBox& b) { texts << b.text(), b.accept(); },
                                       true);
    typeAndPress("loan1.kmd");
    EXPECT_EQ(d.TextBox->text(), "*.kld");
    const int drive = d.DriveDropDown->currentIndex();
    d.DriveDropDown->addItem("/no/such/drive", "/no/such/drive");
    emit d.DriveDropDown->activated(d.DriveDropDown->count() - 1);
    EXPECT_TRUE(d.isVisible() && d.DriveDropDown->currentIndex() == drive);
    ASSERT_EQ(texts.size(), 2);
    EXPECT_TRUE(texts[0] == "Must use .KLD" && texts[1].startsWith("/no/such/drive: "));
}

// 30 months: 2.5 years in the file, 30 months again when opened; a damaged file changes nothing.
TEST_F(FilesTest, ASavedTableOpensAsItWasAndADamagedOneChangesNothing) {
    MortgageCalc& w = openTables(2);
    typeInto(w.InPrincipal, "15000.5\n");
    typeInto(w.InTerm, "30\n");
    w.MCalc->click();
    const auto before = shown();
    EXPECT_TRUE(use(w.MSaveFile, "Car.KLD"));
    EXPECT_EQ(test::ReadBytes(path("car.kld")).substr(0, 18), "15000.5,10.125,2.5");
    typeInto(w.InPrincipal, "1234\n");
    EXPECT_TRUE(use(w.MLoadFile, "car.kld"));
    EXPECT_TRUE(port.messages.empty() && mm.LastLoanFile == "car.kld");
    EXPECT_EQ(shown(), before);
    ASSERT_TRUE(test::WriteBytes(path("car.kld"), "100000,7.5,25,\"      Monthly\"\r\n"));
    EXPECT_TRUE(use(w.MLoadFile, "car.kld"));
    EXPECT_TRUE(port.messages == std::vector<int>{13} && mm.LastLoanFile.empty());
    EXPECT_EQ(shown(), before);
}

// Without a result, or where the file cannot be written.
TEST_F(FilesTest, ATableThatCannotBeSavedGivesTheKindsMessage) {
    openTables(1).MSaveFile->click();
    EXPECT_EQ(port.messages, std::vector<int>({15}));
    for (std::int16_t mode : {1, 2}) {
        openTables(mode).MCalc->click();
        const char* name = mode == 1 ? "taken.kmd" : "taken.kld";
        QDir(root).mkpath(QString(name) + "/inside");  // a folder where the file would go
        port.messages.clear();
        EXPECT_TRUE(use(tables->MSaveFile, name));
        EXPECT_EQ(port.messages, std::vector<int>({mode == 1 ? 14 : 25}));
    }
}

}  // namespace
}  // namespace bw
