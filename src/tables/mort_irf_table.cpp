#include "tables/mort_irf_table.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "shell/input_boxes.h"
#include "shell/key_filters.h"
#include "shell/messages.h"
#include "shell/window_kit.h"

namespace bw {

namespace {
constexpr TwipPoint kSmallOffset{3200, 1730};
constexpr TwipPoint kLargeOffset{4300, 2770};

}  // namespace

MortIRFTable::MortIRFTable(AppContext& ctx, QWidget* parent)
    : PlacedDialog(ctx, kSmallOffset, kLargeOffset, parent) {
    setObjectName("MortIRFTable");
    setWindowTitle("Accelerated payments");

    Frame1 = new QGroupBox(" Change interest rate factor - days ", this);
    Frame1->setObjectName("Frame1");
    auto* options = new QVBoxLayout(Frame1);
    options->setSpacing(Px(60));
    for (int i = 0; i < kDaysOptions; ++i) {
        auto* option = new QRadioButton(QString::fromStdString(DaysOptionCaption(i)), Frame1);
        option->setObjectName(QString("IRFactor%1").arg(i));
        IRFactor[static_cast<std::size_t>(i)] = option;
        options->addWidget(option);
        connect(option, &QRadioButton::toggled, this, [this, i](bool on) {
            if (on) IRFactor_Click(i);
        });
    }

    Label2 = new QLabel("Other:", this);
    Label2->setObjectName("Label2");
    InIRFDays = new QLineEdit(this);
    InIRFDays->setObjectName("InIRFDays");
    InIRFDays->setAlignment(Qt::AlignRight);
    InIRFDays->setFixedWidth(Px(1100));
    InIRFDays->setContextMenuPolicy(Qt::NoContextMenu);
    InIRFDays->setAcceptDrops(false);
    SetAccessibleCaption(InIRFDays, Label2->text());
    SetBackground(InIRFDays, colours::kInput);
    InIRFDays->installEventFilter(this);

    Label1 = new QLabel(this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setFixedWidth(Px(2600));

    ExitMort = new QPushButton("E&xit", this);
    ExitMort->setObjectName("ExitMort");
    ExitMort->setFixedSize(Px(1100), Px(400));
    connect(ExitMort, &QPushButton::clicked, this, [this] { ExitMort_Click(); });

    auto* other = new QHBoxLayout;
    other->addWidget(Label2);
    other->addWidget(InIRFDays);
    other->addStretch(1);

    auto* right = new QVBoxLayout;
    right->addLayout(other);
    right->addWidget(Label1);
    right->addStretch(1);
    right->addWidget(ExitMort, 0, Qt::AlignRight);

    auto* main = new QHBoxLayout(this);
    main->setContentsMargins(Px(150), Px(120), Px(150), Px(150));
    main->setSpacing(Px(200));
    main->addWidget(Frame1);
    main->addLayout(right);

    Form_Load();
    setFixedSize(sizeHint());
}

void MortIRFTable::Form_Load() {
    MMODULE& mm = ctx_.mm;
    periodsDays_ = mm.DaysInYear;
    IRFactor[static_cast<std::size_t>(DaysOptionIndex(mm.DaysOption))]->setChecked(true);
    mm.TypingFlag = 0;
    if (mm.DaysOption == 4) {
        InIRFDays->setEnabled(true);
        InIRFDays->setText(QString::fromStdString(DaysBoxText(mm.DaysInYear)));
    }
    Label1->setText(
        " Most Financial Institutions use 365. Other: type your own to calculate to 2 decimals "
        "between 363 - 365.25");
}

void MortIRFTable::IRFactor_Click(int index) {
    MMODULE& mm = ctx_.mm;
    mm.DaysOption = static_cast<std::int16_t>(index);
    if (index == 4) {
        InIRFDays->setEnabled(true);
        return;
    }
    InIRFDays->clear();
    InIRFDays->setEnabled(false);
    // The fixed options take their values as soon as they are chosen, so that the option and
    // the period counts never disagree, however the dialog is closed.
    const DaysSetting s = DaysForOption(static_cast<std::int16_t>(index));
    mm.DaysInYear = s.daysInYear;
    mm.BiWeeklyPeriods = s.biWeeklyPeriods;
    mm.WeeklyPeriods = s.weeklyPeriods;
    periodsDays_ = s.daysInYear;
}

void MortIRFTable::InIRFDays_Click() {
    ctx_.mm.TypingFlag = 1;
    InIRFDays->clear();
}

bool MortIRFTable::InIRFDays_KeyPress(int keyCode) {
    MMODULE& mm = ctx_.mm;
    if (keyCode == kKeyEnter) return false;
    if (mm.TypingFlag == 0) {
        InIRFDays->clear();
        mm.TypingFlag = 1;
    }
    std::int16_t decimals = 2;
    const KeyVerdict verdict = DecimalKeyFilter(keyCode, InIRFDays->text().toStdString(), decimals);
    if (verdict.beep) ctx_.messages.beep();
    return verdict.key != 0;
}

void MortIRFTable::InIRFDays_LostFocus() {
    MMODULE& mm = ctx_.mm;
    if (mm.TypingFlag == 0) return;
    mm.DaysInYear = TypedDaysValue(InIRFDays->text().toStdString());
    InIRFDays->setText(QString::fromStdString(DaysBoxText(mm.DaysInYear)));
    mm.TypingFlag = 0;
}

void MortIRFTable::ExitMort_Click() {
    MMODULE& mm = ctx_.mm;
    if (mm.DaysOption == 4) {
        InIRFDays_LostFocus();  // a count still being typed (the button pressed by its key)
        const auto setting = AcceptTypedDays(InIRFDays->text().trimmed().isEmpty(), mm.DaysInYear);
        if (!setting) {
            ctx_.messages.showMessage(Msg::DaysRange);
            return;
        }
        mm.DaysInYear = setting->daysInYear;
        mm.BiWeeklyPeriods = setting->biWeeklyPeriods;
        mm.WeeklyPeriods = setting->weeklyPeriods;
    }
    accept();
}

void MortIRFTable::reject() {
    MMODULE& mm = ctx_.mm;
    if (mm.DaysOption == 4) {
        mm.TypingFlag = 0;
        mm.DaysInYear = periodsDays_;
    }
    PlacedDialog::reject();
}

bool MortIRFTable::eventFilter(QObject* watched, QEvent* event) {
    if (watched == InIRFDays) {
        switch (event->type()) {
            case QEvent::MouseButtonPress:
                if (InIRFDays->isEnabled()) InIRFDays_Click();
                break;
            case QEvent::KeyPress: {
                const auto* key = static_cast<QKeyEvent*>(event);
                if (RefusePaste(key, ctx_.messages)) return true;
                const int code = EntryCharCode(key);
                if (code != 0 && !InIRFDays_KeyPress(code)) return true;
                break;
            }
            case QEvent::FocusOut: {
                const auto reason = static_cast<QFocusEvent*>(event)->reason();
                if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                    InIRFDays_LostFocus();
                break;
            }
            default:
                break;
        }
    }
    return PlacedDialog::eventFilter(watched, event);
}

}  // namespace bw
