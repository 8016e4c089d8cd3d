// The file dialog driven as a person drives it: typing names, clicking and double-clicking the
// lists, pressing "&Open", "&Save" and "&Cancel".

#include <gtest/gtest.h>

#include <QApplication>
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
#include <functional>
#include <memory>

#include "files/file_info.h"
#include "support/modal_driver.h"
#include "support/recording_message_port.h"
#include "support/test_frame.h"

namespace bw {
namespace {

// Closes every system message box as soon as it shows and remembers its text.
struct MessageBoxCatcher {
    std::vector<QString> texts;
    test::ModalDriver<QMessageBox> driver{[this](QMessageBox& box) {
                                              texts.push_back(box.text());
                                              box.accept();
                                          },
                                          true};
};

class FileInfoTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        root_ = QDir(dir_.path()).canonicalPath();
        for (const char* name : {"house.kmd", "OTHER.KMD", "Mixed.Kmd", "loan.kld", "notes.txt",
                                 "sub/inner.kmd", "sub/deeper/far.kmd", "plan.kcd"})
            Touch(name);
        mm_.FileKind = 1;
        mm_.DialogFolder = root_.toStdString() + "/";
    }

    void Touch(const QString& relative) {
        const QString path = root_ + "/" + relative;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }

    std::unique_ptr<FileInfo> Open(bool saving = false) {
        auto dlg = std::make_unique<FileInfo>(ctx_);
        if (saving)
            dlg->PrepareForSaving();
        else
            dlg->PrepareForOpening();
        dlg->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dlg.get()));
        return dlg;
    }

    static QStringList Files(const FileInfo& dlg) {
        QStringList names;
        for (int i = 0; i < dlg.FileListBox->count(); ++i)
            names << dlg.FileListBox->item(i)->text();
        return names;
    }

    // Replaces the name box's text with keys typed into it.
    static void Type(FileInfo& dlg, const QString& text) {
        dlg.TextBox->setFocus();
        dlg.TextBox->selectAll();
        QTest::keyClick(dlg.TextBox, Qt::Key_Delete);
        QTest::keyClicks(dlg.TextBox, text);
    }

    static void Press(FileInfo& dlg) { QTest::mouseClick(dlg.DlgButton[0], Qt::LeftButton); }

    static QListWidgetItem* Item(QListWidget* list, const QString& text) {
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->text().trimmed() == text) return list->item(i);
        return nullptr;
    }

    static void DoubleClick(QListWidget* list, QListWidgetItem* item) {
        ASSERT_NE(item, nullptr);
        list->scrollToItem(item);
        const QPoint at = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    static void Click(QListWidget* list, QListWidgetItem* item) {
        ASSERT_NE(item, nullptr);
        list->scrollToItem(item);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }

    QTemporaryDir dir_;
    QString root_;
    MMODULE mm_;
    test::RecordingMessagePort port_{&mm_};
    test::TestFrame frame_;
    AppContext ctx_{mm_, port_, frame_};
};

TEST_F(FileInfoTest, LoadsTheKindsPatternAndTheFolderUsedLast) {
    auto dlg = Open();
    EXPECT_EQ(dlg->windowTitle(), "Open File");
    EXPECT_EQ(dlg->folder(), root_);
    // Patterns match without regard to case; other kinds' files are not listed.
    EXPECT_EQ(Files(*dlg), QStringList({"house.kmd", "Mixed.Kmd", "OTHER.KMD"}));
    EXPECT_EQ(dlg->TextBox->text(), "*.kmd");
    EXPECT_EQ(dlg->FileTypes->currentText(), "Mortgage Database (*.kmd)");
    EXPECT_EQ(dlg->Label1->text(), "File name:");
    EXPECT_EQ(dlg->Label2->text(), "Folder:");
    EXPECT_EQ(dlg->Label3->text(), "Look in:");
    EXPECT_EQ(dlg->Label4->text(), "File type:");
    EXPECT_EQ(dlg->Label5->text(), "File name/s in folder:");
    EXPECT_EQ(dlg->DlgButton[0]->text(), "&Open");
    EXPECT_EQ(dlg->DlgButton[1]->text(), "&Cancel");
    // The folder list shows the way down to the folder and the folders inside it.
    EXPECT_NE(Item(dlg->DirsBox, "sub"), nullptr);
    EXPECT_NE(Item(dlg->DirsBox, QFileInfo(root_).fileName()), nullptr);
    EXPECT_NE(Item(dlg->DirsBox, "/"), nullptr);
    // The drive list holds the root and shows the drive of the folder.
    EXPECT_GE(dlg->DriveDropDown->findText("/"), 0);
    EXPECT_TRUE(root_.startsWith(dlg->DriveDropDown->currentText()));
    dlg->grab().save("/tmp/file_info_open.png");
}

TEST_F(FileInfoTest, EachKindHasItsPatternAndType) {
    struct Case {
        int kind;
        const char* type;
        QStringList files;
    };
    const Case cases[] = {{2, "Loan Database (*.kld)", {"loan.kld"}},
                          {3, "Compare Database (*.kcd)", {"plan.kcd"}}};
    for (const Case& c : cases) {
        mm_.FileKind = static_cast<std::int16_t>(c.kind);
        auto dlg = Open();
        EXPECT_EQ(dlg->FileTypes->currentText(), c.type);
        EXPECT_EQ(Files(*dlg), c.files);
    }
}

TEST_F(FileInfoTest, SavingChangesTheWording) {
    auto dlg = Open(true);
    EXPECT_EQ(dlg->windowTitle(), "Save File");
    EXPECT_EQ(dlg->Label3->text(), "Save in:");
    EXPECT_EQ(dlg->Label4->text(), "Save type:");
    EXPECT_EQ(dlg->DlgButton[0]->text(), "&Save");
    dlg->grab().save("/tmp/file_info_save.png");
}

TEST_F(FileInfoTest, PreselectsTheLastNameOnlyWhenListedExactly) {
    mm_.DialogFileName = "OTHER.KMD";
    EXPECT_EQ(Open()->TextBox->text(), "OTHER.KMD");
    mm_.DialogFileName = "other.kmd";
    EXPECT_EQ(Open()->TextBox->text(), "*.kmd");
    mm_.DialogFileName = "gone.kmd";
    EXPECT_EQ(Open()->TextBox->text(), "*.kmd");
}

// Saving: the extension starts at the first point; a new name is given in lower case, with the
// folder (typed or not) ending in the separator; a pattern is never saved as a name.
TEST_F(FileInfoTest, SavingChecksTheExtensionAndGivesTheName) {
    struct Case {
        int kind;
        const char* typed;  // "@" stands for the folder the dialog starts in
        const char* message;
        const char* name;    // with no message: nullptr when the dialog stays open
        const char* folder;  // below the start folder
    };
    const Case cases[] = {
        {1, "loan1", "Must use .KMD", nullptr, nullptr},
        {1, "loan1.old.kmd", "Must use .KMD", nullptr, nullptr},
        {1, "loan1.kld", "Must use .KMD", nullptr, nullptr},
        {1, "sub/x.y.kmd", "Must use .KMD", nullptr, nullptr},
        {1, "", "Must use .KMD", nullptr, nullptr},
        {2, "loan1.kmd", "Must use .KLD", nullptr, nullptr},
        {3, "cmp.kmd", "Must use .KCD", nullptr, nullptr},
        {1, "loan1.kmd", nullptr, "loan1.kmd", "/"},
        {1, "LOAN1.KMD", nullptr, "loan1.kmd", "/"},
        {2, "loan1.kld", nullptr, "loan1.kld", "/"},
        {3, "cmp.kcd", nullptr, "cmp.kcd", "/"},
        {1, "sub/Fresh.KMD", nullptr, "fresh.kmd", "/sub/"},
        // A listed file of a typed folder is saved over under its own name.
        {1, "@/sub/inner.kmd", nullptr, "inner.kmd", "/sub/"},
        {1, "*.kmd", nullptr, nullptr, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        mm_.FileKind = static_cast<std::int16_t>(c.kind);
        mm_.DialogFolder = root_.toStdString() + "/";
        mm_.DialogFileName.clear();
        auto dlg = Open(true);
        const QString pattern = dlg->TextBox->text();
        Type(*dlg, QString(c.typed).replace("@", root_));
        MessageBoxCatcher catcher;
        Press(*dlg);
        if (c.message) {
            ASSERT_EQ(catcher.texts.size(), 1u);
            EXPECT_EQ(catcher.texts[0], c.message);
            EXPECT_TRUE(dlg->isVisible());
            EXPECT_EQ(dlg->TextBox->text(), pattern);
            continue;
        }
        EXPECT_TRUE(catcher.texts.empty());
        if (!c.name) {
            EXPECT_TRUE(dlg->isVisible());
            EXPECT_EQ(Files(*dlg).size(), 3);
            EXPECT_EQ(mm_.DialogFileName, "");
            continue;
        }
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_EQ(mm_.FileKind, c.kind);
        EXPECT_EQ(mm_.DialogFileName, c.name);
        EXPECT_EQ(mm_.DialogFolder, root_.toStdString() + c.folder);
    }
}

TEST_F(FileInfoTest, APatternTypedWithOpenIsApplied) {
    auto dlg = Open();
    Type(*dlg, "o*.KMD");
    QTest::keyClick(dlg->TextBox, Qt::Key_Return);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->pattern(), "o*.KMD");
    EXPECT_EQ(Files(*dlg), QStringList({"OTHER.KMD"}));
    EXPECT_EQ(dlg->TextBox->text(), "o*.KMD");
    EXPECT_EQ(dlg->TextBox->selectedText(), "o*.KMD");
    // "*.kmd" itself passes the extension check and lists the kind's files again.
    Type(*dlg, "*.kmd");
    Press(*dlg);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Files(*dlg).size(), 3);
}

// A listed file chosen with the mouse or the keyboard is taken under its own name.
TEST_F(FileInfoTest, ChoosingAListedFile) {
    struct Way {
        const char* what;
        bool saving;
        std::function<void(FileInfo&)> choose;
        const char *name, *folder;
    };
    const Way ways[] = {
        {"double-click", false,
         [](FileInfo& d) { DoubleClick(d.FileListBox, Item(d.FileListBox, "Mixed.Kmd")); },
         "Mixed.Kmd", "/"},
        {"typed with Enter", false,
         [](FileInfo& d) {
             Type(d, "house.kmd");
             QTest::keyClick(d.TextBox, Qt::Key_Return);
         },
         "house.kmd", "/"},
        {"Enter in the lists", false,
         [this](FileInfo& d) {
             d.DirsBox->setFocus();
             d.DirsBox->setCurrentItem(Item(d.DirsBox, "sub"));
             QTest::keyClick(d.DirsBox, Qt::Key_Return);
             EXPECT_TRUE(d.isVisible());
             EXPECT_EQ(d.folder(), root_ + "/sub");
             d.FileListBox->setFocus();
             d.FileListBox->setCurrentRow(0);
             QTest::keyClick(d.FileListBox, Qt::Key_Return);
         },
         "inner.kmd", "/sub/"},
        {"clicked, then saved", true,
         [](FileInfo& d) {
             Click(d.FileListBox, Item(d.FileListBox, "OTHER.KMD"));
             EXPECT_EQ(d.TextBox->text(), "OTHER.KMD");
             Press(d);
         },
         "OTHER.KMD", "/"},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        mm_.DialogFolder = root_.toStdString() + "/";
        auto dlg = Open(way.saving);
        way.choose(*dlg);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        EXPECT_EQ(mm_.DialogFileName, way.name);
        EXPECT_EQ(mm_.DialogFolder, root_.toStdString() + way.folder);
        EXPECT_EQ(mm_.FileKind, 1);
    }
}

TEST_F(FileInfoTest, OpeningATypedPathMovesTheListsThere) {
    auto dlg = Open();
    Type(*dlg, root_ + "/sub/INNER.KMD");
    Press(*dlg);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->folder(), root_ + "/sub");
    EXPECT_EQ(dlg->TextBox->text(), "*.kmd");
    EXPECT_EQ(Files(*dlg), QStringList({"inner.kmd"}));
    // A name not in the list, without a folder: the pattern comes back, nothing is chosen.
    Type(*dlg, "missing.kmd");
    Press(*dlg);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->TextBox->text(), "*.kmd");
    // "/" alone is the root.
    Type(*dlg, "/x.kmd");
    Press(*dlg);
    EXPECT_EQ(dlg->folder(), "/");
    EXPECT_TRUE(port_.messages.empty());
}

TEST_F(FileInfoTest, AFolderThatDoesNotExistIsReported) {
    for (bool saving : {false, true}) {
        auto dlg = Open(saving);
        Type(*dlg, "nosuch/place/x.kmd");
        Press(*dlg);
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_EQ(port_.messages, std::vector<int>({13}));
        EXPECT_EQ(dlg->folder(), root_);
        port_.messages.clear();
    }
}

TEST_F(FileInfoTest, FolderNavigation) {
    auto dlg = Open();
    DoubleClick(dlg->DirsBox, Item(dlg->DirsBox, "sub"));
    EXPECT_EQ(dlg->folder(), root_ + "/sub");
    EXPECT_EQ(Files(*dlg), QStringList({"inner.kmd"}));
    EXPECT_NE(Item(dlg->DirsBox, "deeper"), nullptr);
    // A single click only highlights; "&Open" then moves into the highlighted folder.
    Click(dlg->DirsBox, Item(dlg->DirsBox, "deeper"));
    EXPECT_EQ(dlg->folder(), root_ + "/sub");
    Press(*dlg);
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(dlg->folder(), root_ + "/sub/deeper");
    EXPECT_EQ(Files(*dlg), QStringList({"far.kmd"}));
    EXPECT_EQ(dlg->TextBox->selectedText(), dlg->TextBox->text());
    // Back up through the chain of folders above.
    DoubleClick(dlg->DirsBox, Item(dlg->DirsBox, QFileInfo(root_).fileName()));
    EXPECT_EQ(dlg->folder(), root_);
    // The drive list moves to the root drive and the folder list follows.
    const int rootDrive = dlg->DriveDropDown->findText("/");
    ASSERT_GE(rootDrive, 0);
    dlg->DriveDropDown->setCurrentIndex(rootDrive);
    emit dlg->DriveDropDown->activated(rootDrive);
    EXPECT_EQ(dlg->folder(), "/");
}

TEST_F(FileInfoTest, ADriveThatCannotBeReadIsReportedAndTheListReverts) {
    auto dlg = Open();
    const QString drive = dlg->DriveDropDown->currentText();
    dlg->DriveDropDown->addItem("/no/such/drive", "/no/such/drive");
    const int bad = dlg->DriveDropDown->count() - 1;
    MessageBoxCatcher catcher;
    dlg->DriveDropDown->setCurrentIndex(bad);
    emit dlg->DriveDropDown->activated(bad);
    ASSERT_EQ(catcher.texts.size(), 1u);
    EXPECT_TRUE(catcher.texts[0].startsWith("/no/such/drive: ")) << catcher.texts[0].toStdString();
    EXPECT_EQ(dlg->DriveDropDown->currentText(), drive);
    EXPECT_EQ(dlg->folder(), root_);
    EXPECT_TRUE(port_.messages.empty());
}

TEST_F(FileInfoTest, TheFolderPersistsWhateverTheKind) {
    {
        auto dlg = Open();
        DoubleClick(dlg->DirsBox, Item(dlg->DirsBox, "sub"));
        DoubleClick(dlg->FileListBox, Item(dlg->FileListBox, "inner.kmd"));
        EXPECT_EQ(mm_.DialogFolder, root_.toStdString() + "/sub/");
    }
    mm_.FileKind = 2;
    mm_.DialogFileName.clear();
    auto dlg = Open();
    EXPECT_EQ(dlg->folder(), root_ + "/sub");
    EXPECT_TRUE(Files(*dlg).isEmpty());
}

// "&Cancel", Escape and closing the window give 6; the folder moved to is kept.
TEST_F(FileInfoTest, CancelGivesSix) {
    const std::function<void(FileInfo&)> ways[] = {
        [](FileInfo& d) { QTest::mouseClick(d.DlgButton[1], Qt::LeftButton); },
        [](FileInfo& d) { QTest::keyClick(d.TextBox, Qt::Key_Escape); },
        [](FileInfo& d) { d.close(); },
        // Enter on "&Cancel" with the focus cancels (it must not press "&Open").
        [](FileInfo& d) {
            d.DlgButton[1]->setFocus();
            QTest::keyClick(d.DlgButton[1], Qt::Key_Return);
        }};
    for (const auto& cancel : ways) {
        mm_.FileKind = 1;
        mm_.DialogFolder = root_.toStdString() + "/";
        auto dlg = Open(&cancel == &ways[1]);
        DoubleClick(dlg->DirsBox, Item(dlg->DirsBox, "sub"));
        cancel(*dlg);
        EXPECT_FALSE(dlg->isVisible());
        EXPECT_EQ(dlg->result(), QDialog::Rejected);
        EXPECT_EQ(mm_.FileKind, FileInfo::kCancelled);
        EXPECT_EQ(FileInfo::kCancelled, 6);
        EXPECT_EQ(mm_.DialogFolder, root_.toStdString() + "/sub/");
    }
}

TEST_F(FileInfoTest, PlacesItselfFromTheFrame) {
    mm_.FrameClass = 6810;
    EXPECT_EQ(Open()->pos(), QPoint(Px(2000), Px(1200)));
    mm_.FrameClass = 8670;
    EXPECT_EQ(Open()->pos(), QPoint(Px(3000), Px(2000)));
}

TEST_F(FileInfoTest, StartsInTheProgramsFolderTheFirstTime) {
    mm_.DialogFolder.clear();
    mm_.ProgramFolder = (root_ + "/sub").toStdString();
    EXPECT_EQ(Open()->folder(), root_ + "/sub");
    mm_.DialogFolder = (root_ + "/gone/").toStdString();
    EXPECT_EQ(Open()->folder(), root_ + "/sub");
}

TEST(FileInfoRules, PatternsIgnoreCase) {
    EXPECT_TRUE(MatchesPattern("HOUSE.KMD", "*.kmd"));
    EXPECT_TRUE(MatchesPattern("a.Kmd", "*.KMD"));
    EXPECT_TRUE(MatchesPattern("loan1.kmd", "loan?.kmd"));
    EXPECT_FALSE(MatchesPattern("loan12.kmd", "loan?.kmd"));
    EXPECT_FALSE(MatchesPattern("house.kmd.bak", "*.kmd"));
    EXPECT_TRUE(MatchesPattern("x.old", "*.kmd;*.old"));
    EXPECT_EQ(TypedExtension("loan1.old.kmd"), ".OLD.KMD");
    EXPECT_EQ(TypedExtension("loan1"), "");
    EXPECT_EQ(TypedExtension("my.dir/loan1.kmd"), ".KMD");
}

}  // namespace
}  // namespace bw
