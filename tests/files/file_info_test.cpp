// The file dialog's wiring: what it shows on opening, a typed name saved, a listed file opened,
// cancelling, a wrong name's message, and the rules only its lists can show (the rules of typed
// names: file_names_test).

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "files/file_info.h"
#include "support/window_context.h"

namespace bw {
namespace {

class FileInfoTest : public ::testing::Test, protected test::WindowContext {
  protected:
    void SetUp() override {
        root_ = QDir(dir_.path()).canonicalPath();
        for (const char* name : {"house.kmd", "OTHER.KMD", "loan.kld", "sub/inner.kmd"}) {
            QDir().mkpath(QFileInfo(root_ + "/" + name).absolutePath());
            QFile(root_ + "/" + name).open(QIODevice::WriteOnly);
        }
        mm.FileKind = 1;
        mm.DialogFolder = root_.toStdString() + "/";
    }
    FileInfo& Open(bool saving = false) {
        dlg_ = std::make_unique<FileInfo>(ctx);
        saving ? dlg_->PrepareForSaving() : dlg_->PrepareForOpening();
        dlg_->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg_.get()));
        return *dlg_;
    }
    QStringList Files() const {
        QStringList names;
        for (int i = 0; i < dlg_->FileListBox->count(); ++i)
            names << dlg_->FileListBox->item(i)->text();
        return names;
    }
    void TypeAndPress(const QString& text) {
        dlg_->TextBox->selectAll();
        QTest::keyClick(dlg_->TextBox, Qt::Key_Delete);
        QTest::keyClicks(dlg_->TextBox, text);
        QTest::mouseClick(dlg_->DlgButton[0], Qt::LeftButton);
    }
    void DoubleClick(QListWidget* list, const QString& text) {
        const auto found = list->findItems(text, Qt::MatchEndsWith);
        ASSERT_FALSE(found.isEmpty()) << text.toStdString();
        const QPoint at = list->visualItemRect(found[0]).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    QTemporaryDir dir_;
    QString root_;
    std::unique_ptr<FileInfo> dlg_;
};

TEST_F(FileInfoTest, OpensInTheFolderUsedLastWithTheKindsFilesAndTheLastName) {
    mm.DialogFileName = "OTHER.KMD";
    mm.FrameClass = 8670;
    FileInfo& d = Open();
    EXPECT_EQ(d.folder(), root_);
    EXPECT_EQ(Files(), QStringList({"house.kmd", "OTHER.KMD"}));
    EXPECT_EQ(d.TextBox->text(), "OTHER.KMD");
    EXPECT_EQ(d.FileTypes->currentText(), "Mortgage Database (*.kmd)");
    EXPECT_EQ(d.FileListBox->accessibleName(), "File name/s in folder");
    EXPECT_EQ(d.pos(), QPoint(Px(3000), Px(2000)));
    d.grab().save("/tmp/file_info_open.png");
}

TEST_F(FileInfoTest, SavingANewNameGivesItInLowerCaseWithItsFolder) {
    FileInfo& d = Open(true);
    EXPECT_EQ(d.DriveDropDown->accessibleName(), "Save in");
    TypeAndPress("sub/Fresh.KMD");
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.chosenPath(), root_.toStdString() + "/sub/fresh.kmd");
    EXPECT_EQ(mm.DialogFileName, "fresh.kmd");
}

// A double-click in a list, or Enter there, acts on the item.
TEST_F(FileInfoTest, DoubleClickingAFolderThenEnterOnAFileOpensIt) {
    FileInfo& d = Open();
    DoubleClick(d.DirsBox, "sub");
    d.FileListBox->setFocus();
    d.FileListBox->setCurrentRow(0);
    QTest::keyClick(d.FileListBox, Qt::Key_Return);
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(mm.DialogFolder, root_.toStdString() + "/sub/");
    EXPECT_EQ(mm.DialogFileName, "inner.kmd");
}

// A folder clicked once is only highlighted; "&Open" moves into it.
TEST_F(FileInfoTest, OpenMovesIntoTheHighlightedFolder) {
    FileInfo& d = Open();
    const auto sub = d.DirsBox->findItems("sub", Qt::MatchEndsWith).value(0);
    QTest::mouseClick(d.DirsBox->viewport(), Qt::LeftButton, {},
                      d.DirsBox->visualItemRect(sub).center());
    EXPECT_EQ(d.folder(), root_);
    QTest::mouseClick(d.DlgButton[0], Qt::LeftButton);
    EXPECT_EQ(d.folder(), root_ + "/sub");
}

TEST_F(FileInfoTest, StartsInTheProgramsFolderTheFirstTime) {
    mm.DialogFolder.clear();
    mm.ProgramFolder = (root_ + "/sub").toStdString();
    EXPECT_EQ(Open().folder(), root_ + "/sub");
}

TEST_F(FileInfoTest, CancelGivesSixAndKeepsTheFolder) {
    FileInfo& d = Open();
    DoubleClick(d.DirsBox, "sub");
    QTest::mouseClick(d.DlgButton[1], Qt::LeftButton);
    EXPECT_EQ(d.result(), QDialog::Rejected);
    EXPECT_EQ(d.chosenPath(), std::nullopt);
    EXPECT_EQ(mm.FileKind, 6);
    EXPECT_EQ(mm.DialogFolder, root_.toStdString() + "/sub/");
}

TEST_F(FileInfoTest, AWrongExtensionIsRefusedWithTheKindsMessage) {
    mm.FileKind = 2;
    FileInfo& d = Open(true);
    QString text;
    test::ModalDriver<QMessageBox> box([&](QMessageBox& b) {
        text = b.text();
        b.accept();
    });
    TypeAndPress("loan1.kmd");
    EXPECT_EQ(text, "Must use .KLD");
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.TextBox->text(), "*.kld");
}

TEST_F(FileInfoTest, AFolderThatDoesNotExistIsReported) {
    FileInfo& d = Open();
    TypeAndPress("nosuch/x.kmd");
    EXPECT_EQ(port.messages, std::vector<int>({13}));
    EXPECT_TRUE(d.isVisible());
}

TEST_F(FileInfoTest, APatternWithOpenFiltersTheList) {
    Open();
    TypeAndPress("o*.KMD");
    EXPECT_EQ(Files(), QStringList({"OTHER.KMD"}));
}

TEST_F(FileInfoTest, ADriveThatCannotBeReadIsReportedAndTheListReverts) {
    FileInfo& d = Open();
    const QString drive = d.DriveDropDown->currentText();
    d.DriveDropDown->addItem("/no/such/drive", "/no/such/drive");
    QString text;
    test::ModalDriver<QMessageBox> box([&](QMessageBox& b) {
        text = b.text();
        b.accept();
    });
    emit d.DriveDropDown->activated(d.DriveDropDown->count() - 1);
    EXPECT_TRUE(text.startsWith("/no/such/drive: "));
    EXPECT_EQ(d.DriveDropDown->currentText(), drive);
}

}  // namespace
}  // namespace bw
