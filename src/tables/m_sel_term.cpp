#include "tables/m_sel_term.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/messages.h"

namespace bw {

namespace {
constexpr TwipPoint kSmallOffset{3850, 1730};
constexpr TwipPoint kLargeOffset{4850, 2770};
}  // namespace

MSelTerm::MSelTerm(AppContext& ctx, QWidget* parent)
    : PlacedDialog(ctx, kSmallOffset, kLargeOffset, parent) {
    setObjectName("MSelTerm");
    setWindowTitle("Term");

    Frame1 = new QGroupBox("Select term to display", this);
    Frame1->setObjectName("Frame1");
    auto* options = new QVBoxLayout(Frame1);
    options->setSpacing(Px(45));
    for (int i = 0; i < kTermOptions; ++i) {
        auto* option = new QRadioButton(QString::fromStdString(TermOptionCaption(i)), Frame1);
        option->setObjectName(QString("TermPeriod%1").arg(i));
        TermPeriod[static_cast<std::size_t>(i)] = option;
        options->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) TermPeriod_Click(i);
        });
    }

    MTermExit = new QPushButton("E&xit", this);
    MTermExit->setObjectName("MTermExit");
    MTermExit->setFixedSize(Px(1100), Px(400));
    connect(MTermExit, &QPushButton::clicked, this, [this] { MTermExit_Click(); });

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(Px(150), Px(120), Px(150), Px(150));
    main->setSpacing(Px(150));
    main->addWidget(Frame1);
    main->addWidget(MTermExit, 0, Qt::AlignHCenter);

    Form_Load();
    setFixedSize(sizeHint());
}

void MSelTerm::Form_Load() {
    TermPeriod[static_cast<std::size_t>(TermOptionForTerm(ctx_.mm.DisplayTerm))]->setChecked(true);
    ctx_.mm.TypingFlag = 0;
}

void MSelTerm::TermPeriod_Click(int index) {
    ctx_.mm.DisplayTerm = TermForOption(index);
}

void MSelTerm::MTermExit_Click() {
    MMODULE& mm = ctx_.mm;
    if (TermTooLong(mm.LoanInputs[3], mm.DisplayTerm)) {
        ctx_.messages.showMessage(Msg::TermReset);
        TermPeriod[0]->setChecked(true);
        mm.TypingFlag = 0;
        return;
    }
    accept();
}

}  // namespace bw
