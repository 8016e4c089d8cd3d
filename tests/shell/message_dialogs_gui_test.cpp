// The message and question dialogs as the program's message port shows them: modally, with the
// text of their number, placed from the frame's corner (message 3600, 2000 twips below FrameClass
// 8501 and 4650, 3000 otherwise; question 3500, 2000 and 4500, 3000), the focus on their first
// button, the answer handed over through MMODULE.

#include <gtest/gtest.h>

#include <QPushButton>

#include "shell/a_msgbox.h"
#include "shell/all_yes_no.h"
#include "shell/dialog_message_port.h"
#include "shell/messages.h"
#include "support/window_context.h"

namespace bw {
namespace {

// A frame whose top-left corner lies away from the screen's corner.
struct MovedFrame : test::TestFrame {
    QPoint frameOrigin() const override { return {150, 90}; }
};

class MessageDialogs : public ::testing::Test {
  protected:
    MMODULE mm;
    MovedFrame frame;
    DialogMessagePort dialogs{mm, frame};
    QString shown;
    QPoint at;
    bool focused = false;
};

TEST_F(MessageDialogs, MessageShowsItsTextFromTheFrameCorner) {
    for (const auto& [frameClass, place] :
         {std::pair{8500, QPoint(390, 223)}, {8670, {460, 290}}}) {
        mm.FrameClass = frameClass;
        test::ModalDriver<AMsgbox> driver([&](AMsgbox& box) {
            std::tie(shown, at, focused) = std::tuple(box.TextMsg->toPlainText(), box.pos(),
                                                      box.focusWidget() == box.AMsgExit);
            QTest::keyClick(box.AMsgExit, Qt::Key_Return);
        });
        dialogs.showMessage(Msg::MonthsLimit);
        EXPECT_EQ(mm.MessageCode, Msg::MonthsLimit);
        EXPECT_EQ(shown.toStdString(), MessageText(Msg::MonthsLimit));
        EXPECT_EQ(at, place) << frameClass;
        EXPECT_TRUE(focused);
    }
}

// A question closed without an answer keeps its number: a no.
TEST_F(MessageDialogs, QuestionShowsItsTextFromTheFrameCornerAndGivesTheAnswer) {
    using Answer = std::function<void(AllYesNo&)>;
    const std::tuple<int, int, QPoint, Answer, bool, int> cases[] = {
        {Question::PrintInColor,
         8500,
         {383, 223},
         [](AllYesNo& d) { d.AllYes->click(); },
         true,
         kAnswerYes},
        {Question::ContinuePrintout,
         8670,
         {450, 290},
         [](AllYesNo& d) { QTest::keyClick(d.AllNo, Qt::Key_Return); },
         false,
         kAnswerNo},
        {Question::PrintInColor,
         8670,
         {450, 290},
         [](AllYesNo& d) { QTest::keyClick(&d, Qt::Key_Escape); },
         false,
         Question::PrintInColor},
    };
    for (const auto& [question, frameClass, place, answer, yes, code] : cases) {
        mm.FrameClass = frameClass;
        test::ModalDriver<AllYesNo> driver([&, answer = answer](AllYesNo& d) {
            std::tie(shown, at, focused) =
                std::tuple(d.Label1->text(), d.pos(), d.focusWidget() == d.AllYes);
            answer(d);
        });
        EXPECT_EQ(dialogs.askQuestion(question), yes) << question;
        EXPECT_EQ(mm.AnswerCode, code) << question;
        EXPECT_EQ(shown.toStdString(), QuestionText(question));
        EXPECT_EQ(at, place) << question;
        EXPECT_TRUE(focused);
    }
}

}  // namespace
}  // namespace bw
