// The shared windows: main menu, personalize, message and question dialogs, the window kit,
// the frame and the grid (the number box: support/number_box_suite.h).

#include <gtest/gtest.h>

#include <QAccessibleTableInterface>
#include <QCursor>
#include <QDir>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <stdexcept>

#include "shell/a_msgbox.h"
#include "shell/all_yes_no.h"
#include "shell/change_fnt.h"
#include "shell/dialog_message_port.h"
#include "shell/help_window.h"
#include "shell/mdi_container.h"
#include "shell/menu_main.h"
#include "shell/messages.h"
#include "shell/ms_grid.h"
#include "shell/window_kit.h"
#include "support/window_context.h"

namespace bw {
namespace {

class MainMenu : public ::testing::Test, public test::WindowContext {
  protected:
    MainMenu() { mm.ProgramFolder = folder.path().toStdString(); }
    ~MainMenu() override { QDir::setCurrent(previousFolder); }
    QString file(const QString& name) const { return folder.filePath(name); }
    std::unique_ptr<MenuMain> load() { return std::make_unique<MenuMain>(ctx); }
    std::string written() const { return test::ReadBytes(file("Personal.Mtg").toStdString()); }

    QTemporaryDir folder;
    QString previousFolder = QDir::currentPath();
};

// Loading sets the start-up values (the folder made current: the program's test), then takes
// the settings file where there is one; its name shows under the title.
TEST_F(MainMenu, StartUpTakesTheSettingsFile) {
    mm.PrePayMonth = 3;
    mm.FirstPayDate.clear();
    auto menu = load();
    EXPECT_EQ(std::tuple(mm.PrePayMonth, mm.FirstPayDate),
              std::tuple(12, ShortDateText(QDate::currentDate())));
    EXPECT_TRUE(menu->MyName->isHidden());
    test::WriteBytes(file("Personal.Mtg").toStdString(), "1,\"Jane Q. Public\",\"\xC2\xA3\",3\r\n");
    menu = load();
    EXPECT_EQ(mm.CurrencySymbol + mm.UserName, "\xC2\xA3Jane Q. Public");
    EXPECT_TRUE(!menu->MyName->isHidden() && menu->MyName->text() == "Jane Q. Public");
}

// A button opens its window in the frame, one at a time (each button's window and mode: the
// program's test); Enter on the exit button ends the program.
TEST_F(MainMenu, FeatureButtonsHideTheMenuAndShowOneWindowAtATime) {
    auto menu = load();
    menu->show();
    menu->MortCalc->click();  // none built in
    EXPECT_TRUE(menu->isVisible());
    int opened = 0;
    const WindowFactory make = [&opened](AppContext&) -> QWidget* {
        ++opened;
        return new QLabel;
    };
    menu->setWindowFactories({make, make, make, make});
    menu->CompMort->click();
    menu->MortCalc->click();  // one calculator window at a time
    EXPECT_TRUE(opened == 1 && menu->isHidden() && menu->featureWindow() == frame.children.back());
    delete frame.children.back();
    menu = test::ShowActive(std::move(menu));
    QSignalSpy ended(menu.get(), &MenuMain::programEnd);
    menu->EndMort->setFocus();
    QTest::keyClick(menu->EndMort, Qt::Key_Return);
    EXPECT_EQ(ended.count(), 1);
}

// Without a help file the window says where it was looked for.
TEST_F(MainMenu, HowToUseOpensTheHelpFileMaximizedWithTheFocus) {
    auto menu = load();
    menu->HowUse->click();
    EXPECT_TRUE(menu->helpWindow()->HelpText->toPlainText().contains(file("Bwluse.hlp")));
    menu->helpWindow()->close();
    test::WriteBytes(file("Bwluse.hlp").toStdString(), "<html><h1>Using Brindlewood</h1></html>");
    menu->HowUse->click();
    HelpWindow* help = menu->helpWindow();
    EXPECT_TRUE(help->isVisible() && help->windowState() & Qt::WindowMaximized &&
                help->focusWidget() == help->HelpText &&
                help->HelpText->toPlainText().contains("Using Brindlewood"));
    QApplication::setActiveWindow(help);
    QTest::keyClick(help->HelpText, Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
}

// Closed however, even with Escape, the dialog leaves the menu showing the name in memory; closed
// other than by its exit button it writes no file.
TEST_F(MainMenu, PersonalizeShowsTheDialogModallyAndTheNameInMemoryAfterwards) {
    auto menu = load();
    menu->show();
    test::ModalDriver<ChangeFnt> driver([](ChangeFnt& d) {
        d.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&d));
        QTest::keyClicks(d.InMyName, "Lee");
        QTest::keyClick(d.InMyName, Qt::Key_Escape);
    });
    menu->PtrFnt->click();
    EXPECT_TRUE(driver.ran() && menu->isVisible());
    EXPECT_EQ(menu->MyName->text().toStdString() + mm.UserName + written(), "LeeLee");
}

using Personalize = MainMenu;

// The dialog shows the current settings; choices take effect at once; the symbol box is emptied
// by a click or by the first key when reached with the keyboard, and taken on leaving; Enter
// moves from box to box and presses the focused button.
TEST_F(Personalize, ShowsTheSettingsTakesChoicesAtOnceAndWritesThemOnExit) {
    std::tie(mm.DefaultCompounding, mm.PrinterFontChoice, mm.UserName, mm.FrameClass) =
        std::tuple(3, 1, "Kim", 8670);
    auto d = openWindow<ChangeFnt>();
    EXPECT_TRUE(frame.frameCaption() == " Personalize" && d->CPeriod[3]->isChecked() &&
                d->PtrFt[1]->isChecked());
    // 4000, 2000 twips from the frame's corner.
    EXPECT_EQ(
        std::tuple(d->InSy->text() + d->InMyName->text(), QApplication::focusWidget(), d->pos()),
        std::tuple("$Kim", (QWidget*)d->InMyName, QPoint(267, 133)));
    test::PickOption(d->CPeriod[4]);
    test::PickOption(d->PtrFt[0]);
    EXPECT_EQ(mm.DefaultCompounding * 10 + mm.PrinterFontChoice, 40);
    d->InSy->setFocus();
    test::TypeKeys(d->InSy, "E\n");
    QTest::mouseClick(d->InSy, Qt::LeftButton);
    EXPECT_EQ(mm.CurrencySymbol + d->InSy->text().toStdString(), "E");
    test::TypeKeys(d->InSy, "\n");
    d->InMyName->selectAll();
    test::TypeKeys(d->InMyName, " \"Ann\" \n");
    EXPECT_EQ(written(), "");  // written only on exit
    QTest::keyClick(d->ExitFonts, Qt::Key_Return);
    EXPECT_EQ(std::tuple(written(), d->result(), frame.frameCaption()),
              std::tuple("0,\" Ann \",\"\",4\r\n", int(QDialog::Accepted), " Brindlewood Menu"));
}

// A compounding outside the choices checks no option; a file that cannot be written is passed over.
TEST_F(Personalize, OutsideChoicesOrUnwritableShowsAndWritesNothing) {
    mm.DefaultCompounding = 9;
    mm.ProgramFolder = folder.filePath("no/such/folder").toStdString();
    auto d = openWindow<ChangeFnt>();
    for (QRadioButton* b : d->CPeriod) EXPECT_FALSE(b->isChecked());
    d->ExitFonts->click();
    EXPECT_TRUE(d->result() == QDialog::Accepted && port.messages.empty());
}

// The frame's corner lies away from the screen's corner.
class MessageDialogs : public ::testing::Test {
  protected:
    MessageDialogs() { frame.origin = {150, 90}; }
    MMODULE mm;
    test::TestFrame frame;
    DialogMessagePort dialogs{mm, frame};
};

TEST_F(MessageDialogs, MessageShowsItsTextFromTheFrameCorner) {
    mm.FrameClass = 8500;
    test::ModalDriver<AMsgbox> driver([](AMsgbox& box) {
        EXPECT_EQ(box.TextMsg->toPlainText().toStdString(), MessageText(Msg::MonthsLimit));
        // 3600, 2000 twips in the small frame.
        EXPECT_EQ(std::tuple(box.pos(), box.focusWidget()),
                  std::tuple(QPoint(390, 223), (QWidget*)box.AMsgExit));
        QTest::keyClick(box.AMsgExit, Qt::Key_Return);
    });
    dialogs.showMessage(Msg::MonthsLimit);
    EXPECT_TRUE(driver.ran() && mm.MessageCode == Msg::MonthsLimit);
}

// Questions sit 3500, 2000 twips from the corner in the small frame, 4500, 3000 in the large one;
// one closed without an answer keeps its number: a no.
TEST_F(MessageDialogs, QuestionShowsItsTextFromTheFrameCornerAndGivesTheAnswer) {
    enum Answer { ClickYes, EnterOnNo, Escape };
    const std::tuple<int, int, QPoint, Answer, int> cases[] = {
        {Question::PrintInColor, 8500, {383, 223}, ClickYes, kAnswerYes},
        {Question::ContinuePrintout, 8670, {450, 290}, EnterOnNo, kAnswerNo},
        {Question::PrintInColor, 8670, {450, 290}, Escape, Question::PrintInColor}};
    for (const auto& [question, frameClass, place, answer, code] : cases) {
        mm.FrameClass = frameClass;
        test::ModalDriver<AllYesNo> driver([&](AllYesNo& d) {
            EXPECT_EQ(d.Label1->text().toStdString(), QuestionText(question));
            EXPECT_EQ(std::tuple(d.pos(), d.focusWidget()), std::tuple(place, (QWidget*)d.AllYes));
            if (answer == ClickYes) d.AllYes->click();
            if (answer == EnterOnNo) QTest::keyClick(d.AllNo, Qt::Key_Return);
            if (answer == Escape) QTest::keyClick(&d, Qt::Key_Escape);
        });
        const bool yes = dialogs.askQuestion(question);
        EXPECT_EQ(std::tuple(yes, int(mm.AnswerCode)), std::tuple(code == kAnswerYes, code));
    }
}

TEST(WindowKit, EnterPressesTheFocusedButtonNotTheDefault) {
    auto dialog = std::make_unique<QDialog>();
    auto* yes = new QPushButton("&Yes", dialog.get());
    auto* option = new QRadioButton("Annual", dialog.get());
    yes->setDefault(true);
    EnterPressesButtons(dialog.get());
    EnterPressesButtons(dialog.get());  // once is enough; a second call changes nothing
    QSignalSpy clicks(yes, &QPushButton::clicked);
    dialog = test::ShowActive(std::move(dialog));
    option->setFocus();
    QTest::keyClick(option, Qt::Key_Return);
    EXPECT_TRUE(option->isChecked() && clicks.empty());
    yes->setFocus();
    QTest::keyClick(yes, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(clicks.count(), 1);
}

TEST(WindowKit, CaptionsNameControls) {
    const std::pair<QString, QString> cases[] = {
        {" Principal amount of       the mortgage.", "Principal amount of the mortgage"},
        {"Annual &Rate (%):", "Annual Rate (%)"},
        {"Save && E&xit", "Save & Exit"},
        {"", ""}};
    for (const auto& [caption, name] : cases) EXPECT_EQ(AccessibleCaption(caption), name);
}

TEST(WindowKit, HourglassShowsForItsScopeOrUntilRestored) {
    {
        HourglassCursor hourglass;
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        hourglass.restore();
        EXPECT_EQ(QApplication::overrideCursor(), nullptr);
        HourglassCursor second;
    }
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

using test::Settle;

QWidget* Window(int width, int height) {
    auto* w = new QLabel("window");
    w->resize(width, height);
    return w;
}

class Frame : public ::testing::Test {
  protected:
    void SetUp() override {
        frame.load(menu);
        frame.show();
        Settle();
    }
    // Shows `window` in the frame; its child window.
    QMdiSubWindow* show(QWidget* window) {
        frame.showChild(window);
        Settle();
        return frame.subWindowOf(window);
    }
    MMODULE mm;
    MDIContainer frame{mm};
    QWidget* menu = Window(700, 480);  // larger than the frame
};

// The frame keeps its start size, though the menu is larger, with the menu's border out of sight
// and no close button; it grows to show a larger window whole. Its height decides FrameClass and
// where the active window goes: grown past the boundary, further in, with the same margin on every
// side. A window may ask for no title bar.
TEST_F(Frame, GrowsToShowALargerWindowWholeAndItsHeightDecidesFrameClass) {
    QMdiSubWindow* sub = frame.subWindowOf(menu);
    // 9615 x 6810 twips.
    EXPECT_EQ(std::tuple(QRect(frame.pos(), frame.size()), sub->contentsRect().size()),
              std::tuple(QRect(0, 0, 641, 454), QSize(700, 480)));
    EXPECT_FALSE(sub->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint));
    sub = show(Window(700, 500));
    const QMargins m = sub->contentsMargins();
    EXPECT_EQ(std::tuple(frame.size(), sub->pos()),
              std::tuple(QSize(-4 + sub->width() - m.right(), -2 + sub->height() - m.bottom()),
                         QPoint(-4, -2)));
    sub = show(Window(600, 560));
    const QSize wanted(67 + sub->width() + 67, 67 + sub->height() + 67);
    EXPECT_EQ(frame.size(), wanted.boundedTo(frame.screen()->availableGeometry().size()));
    EXPECT_EQ(std::tuple(mm.FrameClass, sub->pos(), frame.area()->currentSubWindow()),
              std::tuple(8670, QPoint(67, 67), sub));
    frame.resize(frame.width(), 566);  // 8490 twips
    Settle();
    EXPECT_EQ(std::tuple(mm.FrameClass, sub->pos()), std::tuple(6810, QPoint(-4, -2)));
    QWidget* bare = Window(300, 200);
    bare->setProperty(kNoTitleBar, true);
    EXPECT_EQ(show(bare)->contentsMargins(), QMargins());
}

// A window that hides and shows itself takes its child window along, placed again; one that
// closes itself takes it along, one that refuses keeps it; back to the menu, the feature windows
// go later.
TEST_F(Frame, ChildWindowsFollowTheirWindowAndGoBackToTheMenu) {
    struct Stubborn : QLabel {
        void closeEvent(QCloseEvent* event) override { event->ignore(); }
    };
    menu->hide();
    QPointer<QWidget> feature = Window(500, 300), graph = Window(300, 200), stubborn = new Stubborn;
    graph->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = show(feature);
    sub->move(200, 100);  // dragged away by the user
    feature->hide();      // as a calculator does while its graph window is open
    show(graph);
    EXPECT_FALSE(sub->isVisible());
    feature->show();
    graph->close();
    show(stubborn)->widget()->close();
    Settle();
    EXPECT_TRUE(sub->isVisible() && graph.isNull() && frame.subWindowOf(stubborn)->isVisible());
    EXPECT_EQ(sub->pos(), QPoint(-4, -2));
    frame.setFrameCaption(" Mortgage Tables");
    frame.showMainMenu();
    EXPECT_TRUE(menu->isVisible() && frame.frameCaption() == " Brindlewood Menu");
    Settle();
    EXPECT_TRUE(feature.isNull() && stubborn.isNull() && frame.area()->subWindowList().size() == 1);
}

class Grid : public ::testing::Test {
  protected:
    void SetUp() override {
        grid.setCols(6);
        grid.setRows(26);
        grid.resize(600, 400);
        grid.show();
    }
    int alignment(int row, int col) const {
        return grid.model()->index(row, col).data(Qt::TextAlignmentRole).toInt();
    }
    MSGrid grid;
};

// Rows count the heading row (row 0): data row 13 is the model's row 12. Headings are read out
// without their line breaks.
TEST_F(Grid, TextGoesToTheCurrentCellAndTheHeadingRow) {
    EXPECT_THROW(grid.setRow(26), std::out_of_range);
    EXPECT_THROW((void)grid.textAt(3, 6), std::out_of_range);
    grid.setRow(0);
    grid.setCol(3);
    grid.setText("  Interest\n Payment");
    auto* table = QAccessible::queryAccessibleInterface(&grid)->tableInterface();
    auto* heading = table->cellAt(0, 3)->tableCellInterface()->columnHeaderCells()[0];
    EXPECT_EQ(heading->text(QAccessible::Name), "Interest Payment");
    grid.setRow(13);
    grid.setCol(1);
    grid.setText("  822.22");
    EXPECT_EQ(std::tuple(grid.model()->index(12, 1).data().toString(), grid.textAt(13, 1)),
              std::tuple(QString("  822.22"), grid.text()));
}

TEST_F(Grid, AlignmentCodesApplyToOldAndNewCellsAndTheHeading) {
    grid.setTextAt(1, 0, "old");
    grid.setColAlignment(0, 2);
    grid.setColAlignment(1, 1);
    grid.setFixedAlignment(0, 2);
    grid.setTextAt(2, 1, "new");
    EXPECT_EQ(
        std::tuple(alignment(0, 0), alignment(1, 1),
                   grid.model()->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt()),
        std::tuple(int(Qt::AlignCenter), int(Qt::AlignRight | Qt::AlignVCenter),
                   int(Qt::AlignCenter)));
}

// Emptying a range keeps the heading row and the current cell, the selection back on it alone.
TEST_F(Grid, RangeFillEmptiesEveryCellBelowTheHeading) {
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c) grid.setTextAt(r, c, "x");
    grid.setRow(5);
    grid.setCol(3);
    QSignalSpy moved(&grid, &MSGrid::currentCellMoved);
    grid.clearRange(1, 0, grid.rows() - 1, grid.cols() - 1);
    for (int r = 0; r < grid.rows(); ++r)
        for (int c = 0; c < grid.cols(); ++c) ASSERT_EQ(grid.textAt(r, c), r ? "" : "x") << r;
    EXPECT_EQ(std::tuple(grid.selectionModel()->selectedIndexes(), moved.count()),
              std::tuple(QModelIndexList{grid.model()->index(4, 3)}, 0));
}

// The current cell's moves are reported, not its staying; keys carry the program's codes to the
// window, which may discard them, and do not move the cell.
TEST_F(Grid, CellMovesAndKeysAreReported) {
    QSignalSpy moved(&grid, &MSGrid::currentCellMoved);
    std::vector<int> downs, presses;
    QObject::connect(&grid, &MSGrid::keyDown, [&](int code, bool* discard) {
        downs.push_back(code);
        *discard = code == 46;
    });
    QObject::connect(&grid, &MSGrid::keyPress, [&](int code, bool*) { presses.push_back(code); });
    grid.setRow(1);
    grid.setRow(1);  // the same cell again
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_EQ(std::tuple(moved.count(), moved.last()), std::tuple(2, QList<QVariant>{2, 0}));
    for (Qt::Key key : {Qt::Key_Delete, Qt::Key_5, Qt::Key_Period, Qt::Key_Return})
        QTest::keyClick(&grid, key);
    EXPECT_EQ(std::tuple(downs, presses, grid.row()),
              std::tuple(std::vector<int>{40, 46, '5', 13}, std::vector<int>{'5', '.', 13}, 2));
    grid.setRow(grid.rows() - 1);
    grid.moveDown();  // no row below the last
    EXPECT_EQ(grid.row(), grid.rows() - 1);
}

// Long schedules: a row source formats only the rows shown or read; a written text takes its
// cell, and emptying the rows ends the source.
TEST_F(Grid, RowSourceFormatsOnlyTheRowsReadAndGivesWayToWrittenTexts) {
    grid.setRows(2001);
    std::vector<int> formatted;
    grid.setRowSource(1, 1990, [&formatted](int row) {
        formatted.push_back(row);
        return std::vector<std::string>{std::to_string(row), "x" + std::to_string(row)};
    });
    grid.scrollTo(grid.model()->index(1499, 0));
    grid.viewport()->repaint();
    for (int row : formatted) ASSERT_TRUE(row >= 1480 && row <= 1520) << row;
    EXPECT_EQ(grid.textAt(1990, 1) + grid.textAt(1990, 2) + grid.textAt(1991, 0), "x1990");
    grid.setTextAt(7, 0, "Total:");
    EXPECT_EQ(grid.textAt(7, 0) + grid.textAt(7, 1), "Total:x7");
    grid.clearRange(1, 0, grid.rows() - 1, grid.cols() - 1);
    EXPECT_EQ(grid.textAt(8, 1) + grid.textAt(7, 0), "");
}

// A heading row never cuts its wrapped headings; a cell too narrow for its text offers the whole
// text as a tooltip.
TEST_F(Grid, HeadingsShowWholeAndNarrowCellsGiveTheirTextAsTooltip) {
    grid.setHeadingsWrap(true);
    grid.setRowHeightTwips(0, 225);  // lower than three lines
    const QFontMetrics metrics(grid.horizontalHeader()->font());
    grid.setColumnWidth(1, metrics.horizontalAdvance("Compound") + 12);
    grid.setTextAt(0, 1, "Row, Days Compound Frequency");
    EXPECT_GE(grid.horizontalHeader()->height(), 3 * metrics.lineSpacing());
    grid.setColumnWidth(2, 40);
    grid.setTextAt(1, 2, "$20,000,000.00");
    grid.setTextAt(1, 3, "1.00");
    EXPECT_EQ(grid.model()->index(0, 2).data(Qt::ToolTipRole), "$20,000,000.00");
    EXPECT_FALSE(grid.model()->index(0, 3).data(Qt::ToolTipRole).isValid());
}

}  // namespace
}  // namespace bw
