// The message dialog and the question dialog: sizes, texts, placement, answers, and the message
// port that shows them.

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
    QPoint frameOrigin() const override { return origin; }
    QPoint origin{150, 90};
};

class MessageDialogs : public ::testing::Test, public test::WindowContext {
  protected:
    MovedFrame moved;
    AppContext ctx{mm, port, moved};
};

TEST_F(MessageDialogs, DialogsHaveTheirSizeControlsAndTexts) {
    mm.MessageCode = Msg::YearsLimit;
    AMsgbox box(ctx);
    EXPECT_EQ(box.windowTitle(), "Help");
    EXPECT_EQ(box.size(), QSize(172, 146));  // 2580 x 2190 twips
    EXPECT_EQ(box.AMsgExit->text(), "E&xit");
    EXPECT_EQ(box.TextMsg->toPlainText(), "Wrong entry, 40 Years limit.");
    EXPECT_EQ(box.TextMsg->palette().color(QPalette::Base), QColor(0, 255, 255));
    EXPECT_TRUE(box.TextMsg->isReadOnly());

    mm.AnswerCode = Question::PrintInColor;
    AllYesNo dialog(ctx);
    EXPECT_EQ(dialog.windowTitle(), "Help");
    EXPECT_EQ(dialog.size(), QSize(178, 89));  // 2670 x 1335 twips
    EXPECT_EQ(dialog.AllYes->text() + dialog.AllNo->text(), "&Yes&No");
    EXPECT_EQ(dialog.Label1->text(), " Print in Color.");
    EXPECT_EQ(dialog.Label1->palette().color(QPalette::Window), QColor(0, 255, 255));
    EXPECT_EQ(dialog.AllYes->nextInFocusChain(), dialog.AllNo);
    EXPECT_FALSE(box.TextMsg->accessibleName().isEmpty());
    EXPECT_FALSE(dialog.Label1->accessibleName().isEmpty());
}

// Both dialogs place themselves from the frame's corner (message 3600, 2000 twips below 8501 and
// 4650, 3000 otherwise; question 3500, 2000 and 4500, 3000), the focus on their first button.
TEST_F(MessageDialogs, DialogsPlaceThemselvesFromTheFrameCorner) {
    const std::tuple<int, QPoint, QPoint> cases[] = {{8500, {240, 133}, {233, 133}},
                                                     {8670, {310, 200}, {300, 200}}};
    for (const auto& [frameClass, message, question] : cases) {
        mm.FrameClass = frameClass;
        AMsgbox box(ctx);
        box.show();
        EXPECT_EQ(box.pos(), moved.origin + message) << frameClass;
        EXPECT_EQ(box.focusWidget(), box.AMsgExit);
        AllYesNo dialog(ctx);
        dialog.show();
        EXPECT_EQ(dialog.pos(), moved.origin + question) << frameClass;
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
        {Question::ContinuePrintout,
         [](AllYesNo* d) {
             d->AllNo->setFocus();
             QTest::keyClick(d->AllNo, Qt::Key_Return);
         },
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
