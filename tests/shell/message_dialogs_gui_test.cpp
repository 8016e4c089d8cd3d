// The message dialog and the question dialog: texts, placement, answers, and the message port
// that shows them.

#include <gtest/gtest.h>

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "shell/a_msgbox.h"
#include "shell/all_yes_no.h"
#include "shell/dialog_message_port.h"
#include "shell/messages.h"
#include "support/window_context.h"

namespace bw {
namespace {

// A frame whose top-left corner lies away from the screen's corner.
class MovedFrame : public test::TestFrame {
  public:
    QPoint frameOrigin() const override { return {150, 90}; }
};

class MessageDialogs : public ::testing::Test, public test::WindowContext {
  protected:
    MovedFrame moved;
    AppContext ctx{mm, port, moved};
};

// Both dialogs show the text of their number and place themselves from the frame's corner
// (message 3600, 2000 twips below FrameClass 8501 and 4650, 3000 otherwise; question 3500, 2000
// and 4500, 3000), the focus on their first button.
TEST_F(MessageDialogs, DialogsShowTheirTextPlacedFromTheFrameCorner) {
    mm.MessageCode = Msg::YearsLimit;
    mm.AnswerCode = Question::PrintInColor;
    const std::tuple<int, QPoint, QPoint> cases[] = {{8500, {390, 223}, {383, 223}},
                                                     {8670, {460, 290}, {450, 290}}};
    for (const auto& [frameClass, message, question] : cases) {
        mm.FrameClass = frameClass;
        AMsgbox box(ctx);
        box.show();
        EXPECT_EQ(box.TextMsg->toPlainText(), "Wrong entry, 40 Years limit.");
        EXPECT_EQ(box.pos(), message) << frameClass;
        EXPECT_EQ(box.focusWidget(), box.AMsgExit);
        AllYesNo dialog(ctx);
        dialog.show();
        EXPECT_EQ(dialog.Label1->text(), " Print in Color.");
        EXPECT_EQ(dialog.pos(), question) << frameClass;
        EXPECT_EQ(dialog.focusWidget(), dialog.AllYes);
    }
}

// The real port shows the dialogs modally and hands the numbers over through MMODULE; a question
// closed without an answer keeps its number, a no.
TEST_F(MessageDialogs, PortShowsMessagesAndAsksQuestions) {
    DialogMessagePort dialogs{mm, moved};
    QString shown;
    test::WhenModal([&](QWidget* modal) {
        shown = qobject_cast<AMsgbox*>(modal)->TextMsg->toPlainText();
        QTest::keyClick(modal->focusWidget(), Qt::Key_Return);
    });
    dialogs.showMessage(Msg::MonthsLimit);
    EXPECT_EQ(mm.MessageCode, Msg::MonthsLimit);
    EXPECT_EQ(shown, "Wrong entry, 480 Month limit.");
    using Answer = std::function<void(AllYesNo*)>;
    const std::tuple<int, Answer, bool, int> cases[] = {
        {Question::PrintInColor, [](AllYesNo* d) { d->AllYes->click(); }, true, kAnswerYes},
        {Question::ContinuePrintout, [](AllYesNo* d) { QTest::keyClick(d->AllNo, Qt::Key_Return); },
         false, kAnswerNo},
        {Question::PrintInColor, [](AllYesNo* d) { QTest::keyClick(d, Qt::Key_Escape); }, false, 2},
    };
    for (const auto& [question, answer, yes, code] : cases) {
        test::WhenModal(
            [answer = answer](QWidget* modal) { answer(qobject_cast<AllYesNo*>(modal)); });
        EXPECT_EQ(dialogs.askQuestion(question), yes) << question;
        EXPECT_EQ(mm.AnswerCode, code) << question;
    }
}

}  // namespace
}  // namespace bw
