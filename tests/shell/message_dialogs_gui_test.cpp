// The message and question dialogs as the program's message port shows them: modally, with the
// text of their number, placed from the frame's corner, the focus on their first button and the
// answer handed over through MMODULE.

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
};

TEST_F(MessageDialogs, MessageShowsItsTextFromTheFrameCorner) {
    mm.FrameClass = 8500;
    test::ModalDriver<AMsgbox> driver([](AMsgbox& box) {
        EXPECT_EQ(box.TextMsg->toPlainText().toStdString(), MessageText(Msg::MonthsLimit));
        // 3600, 2000 twips in the small frame.
        EXPECT_EQ(std::pair(box.pos(), box.focusWidget()),
                  std::pair(QPoint(390, 223), (QWidget*)box.AMsgExit));
        QTest::keyClick(box.AMsgExit, Qt::Key_Return);
    });
    dialogs.showMessage(Msg::MonthsLimit);
    EXPECT_TRUE(driver.ran());
    EXPECT_EQ(mm.MessageCode, Msg::MonthsLimit);
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
            EXPECT_EQ(std::pair(d.pos(), d.focusWidget()), std::pair(place, (QWidget*)d.AllYes));
            if (answer == ClickYes) d.AllYes->click();
            if (answer == EnterOnNo) QTest::keyClick(d.AllNo, Qt::Key_Return);
            if (answer == Escape) QTest::keyClick(&d, Qt::Key_Escape);
        });
        EXPECT_EQ(dialogs.askQuestion(question), code == kAnswerYes) << question;
        EXPECT_EQ(mm.AnswerCode, code) << question;
    }
}

}  // namespace
}  // namespace bw
