// The personalize dialog: controls, loading, the symbol and name boxes, and the settings file
// written by "E&xit to Menu".

#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "gui_helpers.h"
#include "shell/change_fnt.h"
#include "support/recording_message_port.h"
#include "support/test_frame.h"

namespace bw {
namespace {

class MovedFrame : public test::TestFrame {
  public:
    QPoint frameOrigin() const override { return {40, 30}; }
};

class Personalize : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        mm.ProgramFolder = folder.path().toStdString();
        mm.CurrencySymbol = "$";  // as start-up leaves it without a settings file
    }
    QString settingsPath() const { return folder.filePath("Personal.Mtg"); }
    std::string written() const { return test::ReadAll(settingsPath()); }

    // Opens the dialog as the menu does (shown, with the focus in it).
    std::unique_ptr<ChangeFnt> open() {
        auto dialog = std::make_unique<ChangeFnt>(ctx);
        dialog->show();
        QApplication::setActiveWindow(dialog.get());
        QApplication::processEvents();
        return dialog;
    }

    QTemporaryDir folder;
    MMODULE mm;
    test::RecordingMessagePort port{&mm};
    MovedFrame frame;
    AppContext ctx{mm, port, frame};
};

QRect Twips(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

TEST_F(Personalize, ControlsHaveTheirCaptionsAndPlaces) {
    ChangeFnt dialog(ctx);
    EXPECT_EQ(dialog.windowTitle(), "Personalize");
    EXPECT_EQ(dialog.size(), QSize(Px(3675), Px(4530)));
    struct Control {
        QWidget* widget;
        QString caption;
        QRect place;
    };
    const Control controls[] = {
        {dialog.Frame1, "Change interest compound period", Twips(270, 45, 3165, 1140)},
        {dialog.CPeriod[0], "Monthly", Twips(135, 270, 1095, 285)},
        {dialog.CPeriod[1], "Bi-Monthly", Twips(135, 540, 1365, 285)},
        {dialog.CPeriod[2], "Quarterly", Twips(135, 810, 1095, 285)},
        {dialog.CPeriod[3], "Semi-Annual", Twips(1620, 270, 1410, 285)},
        {dialog.CPeriod[4], "Annual", Twips(1620, 540, 1095, 285)},
        {dialog.Frame2, "Change printer fonts", Twips(270, 1305, 3165, 885)},
        {dialog.PtrFt[0], "Standard printer font.", Twips(135, 270, 2310, 255)},
        {dialog.PtrFt[1], "Courier New 11 point font.", Twips(135, 540, 2940, 255)},
        {dialog.Label3, " Change the currency symbol", Twips(270, 2250, 2820, 285)},
        {dialog.InSy, "$", Twips(3105, 2250, 330, 285)},
        {dialog.Label2, " Type in your name", Twips(270, 2610, 3165, 600)},
        {dialog.InMyName, "", Twips(405, 2880, 2940, 285)},
        {dialog.Label1, "", Twips(0, 4095, 3660, 420)},
        {dialog.ExitFonts, "E&xit to Menu", Twips(1125, 4140, 1635, 325)},
    };
    for (const Control& c : controls) {
        QString caption;
        if (auto* b = qobject_cast<QAbstractButton*>(c.widget)) caption = b->text();
        if (auto* g = qobject_cast<QGroupBox*>(c.widget)) caption = g->title();
        if (auto* l = qobject_cast<QLabel*>(c.widget)) caption = l->text();
        if (auto* e = qobject_cast<QLineEdit*>(c.widget)) caption = e->text();
        EXPECT_EQ(caption, c.caption) << c.widget->objectName().toStdString();
        EXPECT_EQ(c.widget->geometry(), c.place) << c.widget->objectName().toStdString();
    }
    EXPECT_EQ(dialog.CPeriod[0]->parentWidget(), dialog.Frame1);
    EXPECT_EQ(dialog.PtrFt[1]->parentWidget(), dialog.Frame2);
    EXPECT_EQ(dialog.InSy->maxLength(), 2);
    EXPECT_EQ(dialog.InMyName->maxLength(), 97);
    EXPECT_EQ(dialog.InSy->alignment() & Qt::AlignHCenter, Qt::AlignHCenter);
    EXPECT_EQ(dialog.InSy->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(dialog.InMyName->palette().color(QPalette::Base), QColor(255, 255, 0));
    EXPECT_EQ(dialog.Label3->palette().color(QPalette::Window), QColor(0, 255, 255));
    EXPECT_EQ(dialog.findChild<QRadioButton*>("CPeriod(3)"), dialog.CPeriod[3]);
}

TEST_F(Personalize, LoadingShowsTheCurrentSettings) {
    mm.DefaultCompounding = 3;
    mm.PrinterFontChoice = 1;
    mm.CurrencySymbol = "DM";
    mm.UserName = "Kim Ode";
    auto dialog = open();
    EXPECT_EQ(frame.frameCaption(), " Personalize");
    EXPECT_TRUE(dialog->CPeriod[3]->isChecked());
    EXPECT_TRUE(dialog->PtrFt[1]->isChecked());
    EXPECT_EQ(dialog->InSy->text(), "DM");
    EXPECT_EQ(dialog->InMyName->text(), "Kim Ode");
    // The name box comes first.
    EXPECT_EQ(QApplication::focusWidget(), dialog->InMyName);
}

TEST_F(Personalize, PlacesItselfFromTheFrameCorner) {
    for (const auto& [frameClass, offset] :
         {std::pair{6810, QPoint(204, 47)}, std::pair{8670, QPoint(267, 133)}}) {
        mm.FrameClass = frameClass;
        ChangeFnt dialog(ctx);
        dialog.show();
        EXPECT_EQ(dialog.pos(), QPoint(40, 30) + offset) << frameClass;
        dialog.close();
    }
}

TEST_F(Personalize, DefaultsAreWrittenExactly) {
    auto dialog = open();
    dialog->ExitFonts->click();
    EXPECT_EQ(written(), "0,\"\",\"$\",0\r\n");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(Personalize, ChoicesTakeEffectAtOnceAndAreWritten) {
    auto dialog = open();
    QTest::mouseClick(dialog->CPeriod[4], Qt::LeftButton);
    EXPECT_EQ(mm.DefaultCompounding, 4);
    QTest::mouseClick(dialog->PtrFt[1], Qt::LeftButton);
    EXPECT_EQ(mm.PrinterFontChoice, 1);
    QTest::mouseClick(dialog->CPeriod[1], Qt::LeftButton);
    EXPECT_EQ(mm.DefaultCompounding, 1);
    EXPECT_FALSE(QFile::exists(settingsPath()));  // written only on exit
    dialog->ExitFonts->click();
    EXPECT_EQ(written(), "1,\"\",\"$\",1\r\n");
}

TEST_F(Personalize, TypedSymbolReplacesTheOldOneAndLosesItsBlanks) {
    struct Case {
        QString typed;
        std::string stored;
    };
    const Case cases[] = {{" E", "E"}, {"E ", "E"}, {"kr", "kr"}, {QString::fromUtf8("£"), "£"}};
    for (const Case& c : cases) {
        mm.TypingFlag = 0;
        auto dialog = open();
        dialog->InSy->setFocus();  // reached with the keyboard: the first key empties the box
        QTest::keyClicks(dialog->InSy, c.typed);
        EXPECT_EQ(dialog->InSy->text(), c.typed);
        QTest::keyClick(dialog->InSy, Qt::Key_Tab);
        dialog->ExitFonts->click();
        EXPECT_EQ(mm.CurrencySymbol, c.stored);
        EXPECT_EQ(written(), "0,\"\",\"" + c.stored + "\",0\r\n");
    }
}

TEST_F(Personalize, ClickIntoTheSymbolBoxEmptiesIt) {
    auto dialog = open();
    QTest::mouseClick(dialog->InSy, Qt::LeftButton);
    EXPECT_EQ(dialog->InSy->text(), "");
    EXPECT_EQ(mm.TypingFlag, 1);
    dialog->InMyName->setFocus();
    EXPECT_EQ(mm.CurrencySymbol, "");  // taken on leaving the box
    EXPECT_EQ(mm.TypingFlag, 0);
    dialog->ExitFonts->click();
    EXPECT_EQ(written(), "0,\"\",\"\",0\r\n");
}

TEST_F(Personalize, EnterMovesOnAndQuotesAreRefused) {
    auto dialog = open();
    QTest::keyClicks(dialog->InMyName, "Al \"Bo\" Cy");
    EXPECT_EQ(dialog->InMyName->text(), "Al Bo Cy");
    QTest::keyClick(dialog->InMyName, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), dialog->ExitFonts);
    EXPECT_TRUE(dialog->isVisible());  // Enter does not leave the dialog
    EXPECT_EQ(mm.UserName, "Al Bo Cy");

    dialog->InSy->setFocus();
    QTest::keyClicks(dialog->InSy, "\"");
    EXPECT_EQ(dialog->InSy->text(), "$");
    QTest::keyClick(dialog->InSy, Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), dialog->InMyName);

    // Pasted text with a quote is refused as well.
    dialog->InMyName->selectAll();
    dialog->InMyName->insert("x\"y");
    EXPECT_EQ(dialog->InMyName->text().count('"'), 0);
}

TEST_F(Personalize, NameKeepsItsBlanksAndShowsOnTheMenu) {
    auto dialog = open();
    QTest::keyClicks(dialog->InMyName, "  Ann Lee ");
    dialog->ExitFonts->click();
    EXPECT_EQ(mm.UserName, "  Ann Lee ");
    EXPECT_EQ(written(), "0,\"  Ann Lee \",\"$\",0\r\n");
}

TEST_F(Personalize, FileThatCannotBeWrittenIsPassedOver) {
    mm.ProgramFolder = folder.filePath("no/such/folder").toStdString();
    auto dialog = open();
    QTest::keyClicks(dialog->InMyName, "Lee");
    dialog->ExitFonts->click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(mm.UserName, "Lee");  // in effect for this run
    EXPECT_EQ(frame.frameCaption(), " Brindlewood Menu");
    EXPECT_TRUE(port.messages.empty());
}

TEST_F(Personalize, ExistingFileIsReplaced) {
    test::WriteAll(settingsPath(), "1,\"Old Name\",\"DM\",4,\"and more\"\r\n");
    mm.UserName = "New";
    auto dialog = open();
    dialog->ExitFonts->click();
    EXPECT_EQ(written(), "0,\"New\",\"$\",0\r\n");
}

TEST_F(Personalize, ClosedAnotherWayWritesNoFile) {
    auto dialog = open();
    QTest::mouseClick(dialog->CPeriod[2], Qt::LeftButton);
    dialog->close();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_FALSE(QFile::exists(settingsPath()));
    EXPECT_EQ(mm.DefaultCompounding, 2);  // the choice was taken at once
}

TEST_F(Personalize, SettingOutsideTheChoicesLeavesNoOptionOn) {
    mm.DefaultCompounding = 9;
    mm.PrinterFontChoice = -1;
    auto dialog = open();
    for (QRadioButton* b : dialog->CPeriod) EXPECT_FALSE(b->isChecked());
    for (QRadioButton* b : dialog->PtrFt) EXPECT_FALSE(b->isChecked());
}

}  // namespace
}  // namespace bw
