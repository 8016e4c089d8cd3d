// The message dialog and the question dialog: sizes, texts, placement, answers.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "gui_helpers.h"
#include "shell/a_msgbox.h"
#include "shell/all_yes_no.h"
#include "shell/dialog_message_port.h"
#include "support/recording_message_port.h"
#include "support/test_frame.h"

namespace bw {
namespace {

// A frame whose top-left corner lies away from the screen's corner.
class MovedFrame : public test::TestFrame {
  public:
    QPoint frameOrigin() const override { return origin; }
    QPoint origin{150, 90};
};

class MessageDialogs : public ::testing::Test {
  protected:
    MMODULE mm;
    test::RecordingMessagePort port{&mm};
    MovedFrame frame;
    AppContext ctx{mm, port, frame};
};

QRect Twips(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

TEST_F(MessageDialogs, MessageBoxHasItsSizeControlsAndCaption) {
    mm.MessageCode = 4;
    AMsgbox box(ctx);
    EXPECT_EQ(box.windowTitle(), "Help");
    EXPECT_EQ(box.size(), QSize(172, 146));  // 2580 x 2190 twips
    EXPECT_EQ(box.TextMsg->geometry(), Twips(0, 60, 2565, 1635));
    EXPECT_EQ(box.AMsgExit->geometry(), Twips(870, 1770, 825, 330));
    EXPECT_EQ(box.AMsgExit->text(), "E&xit");
    EXPECT_EQ(box.TextMsg->palette().color(QPalette::Base), QColor(0, 255, 255));
    EXPECT_TRUE(box.TextMsg->isReadOnly());
}

TEST_F(MessageDialogs, MessageBoxShowsTheTextOfItsNumber) {
    const std::pair<int, const char*> cases[] = {
        {5, "Wrong entry, 40 Years limit."}, {2, ""},  // not in the table
    };
    for (const auto& [code, text] : cases) {
        mm.MessageCode = static_cast<std::int16_t>(code);
        AMsgbox box(ctx);
        EXPECT_EQ(box.TextMsg->toPlainText().toStdString(), text) << "message " << code;
    }
}

// Both dialogs place themselves from the frame's corner (message 3600, 2000 twips below 8501 and
// 4650, 3000 otherwise; question 3500, 2000 and 4500, 3000), the focus on their first button.
TEST_F(MessageDialogs, DialogsPlaceThemselvesFromTheFrameCorner) {
    struct Case {
        int frameClass;
        QPoint message, question;
    } cases[] = {{6810, {240, 133}, {233, 133}},
                 {8500, {240, 133}, {233, 133}},
                 {8670, {310, 200}, {300, 200}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.frameClass);
        mm.FrameClass = c.frameClass;
        mm.MessageCode = 1;
        AMsgbox box(ctx);
        box.show();
        QApplication::setActiveWindow(&box);
        EXPECT_EQ(box.pos(), frame.origin + c.message);
        EXPECT_EQ(box.focusWidget(), box.AMsgExit);
        box.close();
        mm.AnswerCode = 1;
        AllYesNo dialog(ctx);
        dialog.show();
        EXPECT_EQ(dialog.pos(), frame.origin + c.question);
        EXPECT_EQ(dialog.focusWidget(), dialog.AllYes);
        dialog.close();
    }
}

TEST_F(MessageDialogs, QuestionDialogHasItsSizeControlsAndTexts) {
    mm.AnswerCode = 1;
    AllYesNo dialog(ctx);
    EXPECT_EQ(dialog.windowTitle(), "Help");
    EXPECT_EQ(dialog.size(), QSize(178, 89));  // 2670 x 1335 twips
    EXPECT_EQ(dialog.Label1->geometry(), Twips(45, 0, 2595, 870));
    EXPECT_EQ(dialog.AllYes->geometry(), Twips(225, 945, 675, 345));
    EXPECT_EQ(dialog.AllNo->geometry(), Twips(1800, 945, 705, 345));
    EXPECT_EQ(dialog.AllYes->text(), "&Yes");
    EXPECT_EQ(dialog.AllNo->text(), "&No");
    EXPECT_EQ(dialog.Label1->text(), " Continue with Printout.");
    EXPECT_EQ(dialog.Label1->palette().color(QPalette::Window), QColor(0, 255, 255));
    EXPECT_EQ(dialog.AllYes->nextInFocusChain(), dialog.AllNo);

    mm.AnswerCode = 2;
    AllYesNo colour(ctx);
    EXPECT_EQ(colour.Label1->text(), " Print in Color.");
}

TEST_F(MessageDialogs, QuestionDialogAnswers) {
    struct Case {
        int question;
        const char* how;
        int answer;
    };
    const Case cases[] = {{1, "yes", 6},   {2, "yes", 6},   {1, "no", 0},    {2, "no", 0},
                          {1, "close", 1}, {2, "close", 2}, {2, "escape", 2}};
    for (const Case& c : cases) {
        mm.AnswerCode = static_cast<std::int16_t>(c.question);
        AllYesNo dialog(ctx);
        dialog.show();
        const std::string how = c.how;
        if (how == "yes") {
            dialog.AllYes->click();
        } else if (how == "no") {
            dialog.AllNo->click();
        } else if (how == "close") {
            dialog.close();
        } else {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        }
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(mm.AnswerCode, c.answer) << "question " << c.question << " " << how;
    }
}

// The real message port shows the dialogs modally and hands the numbers over through MMODULE.
class DialogPort : public ::testing::Test {
  protected:
    MMODULE mm;
    MovedFrame frame;
    DialogMessagePort port{mm, frame};
};

TEST_F(DialogPort, ShowMessageSetsMessageCodeAndWaitsForTheDialog) {
    QString shown;
    QString title;
    test::WhenModal([&](QWidget* modal) {
        auto* box = qobject_cast<AMsgbox*>(modal);
        ASSERT_NE(box, nullptr);
        shown = box->TextMsg->toPlainText();
        title = box->windowTitle();
        box->AMsgExit->click();
    });
    port.showMessage(16);
    EXPECT_EQ(mm.MessageCode, 16);
    EXPECT_EQ(shown, "Wrong entry, 480 Month limit.");
    EXPECT_EQ(title, "Help");
}

TEST_F(DialogPort, AskQuestionReturnsTheAnswer) {
    QString asked;
    test::WhenModal([&](QWidget* modal) {
        auto* dialog = qobject_cast<AllYesNo*>(modal);
        ASSERT_NE(dialog, nullptr);
        asked = dialog->Label1->text();
        dialog->AllYes->click();
    });
    EXPECT_TRUE(port.askQuestion(2));
    EXPECT_EQ(asked, " Print in Color.");
    EXPECT_EQ(mm.AnswerCode, 6);

    test::WhenModal([](QWidget* modal) { qobject_cast<AllYesNo*>(modal)->AllNo->click(); });
    EXPECT_FALSE(port.askQuestion(1));
    EXPECT_EQ(mm.AnswerCode, 0);

    // Closed by the close box: no, and the question number stays.
    test::WhenModal([](QWidget* modal) { modal->close(); });
    EXPECT_FALSE(port.askQuestion(1));
    EXPECT_EQ(mm.AnswerCode, 1);
}

}  // namespace
}  // namespace bw
