#include "tables/mort_date_input.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/dates.h"
#include "shell/input_boxes.h"
#include "shell/key_filters.h"
#include "shell/messages.h"
#include "shell/window_kit.h"
#include "tables/term_and_date.h"

namespace bw {

namespace {
constexpr TwipPoint kSmallOffset{4000, 2400};
constexpr TwipPoint kLargeOffset{5000, 3400};
}  // namespace

MortDateInput::MortDateInput(AppContext& ctx, QWidget* parent)
    : PlacedDialog(ctx, kSmallOffset, kLargeOffset, parent) {
    setObjectName("MortDateInput");
    setWindowTitle("Date Input");

    Label1 = new QLabel(" Type in the date of   the first payment", this);
    Label1->setObjectName("Label1");
    Label1->setWordWrap(true);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setFixedWidth(Px(1650));

    InDate = new QLineEdit(this);
    InDate->setObjectName("InDate");
    InDate->setAlignment(Qt::AlignCenter);
    InDate->setFixedWidth(Px(1800));
    InDate->setContextMenuPolicy(Qt::NoContextMenu);
    InDate->setAcceptDrops(false);
    SetAccessibleCaption(InDate, Label1->text());
    SetBackground(InDate, colours::kInput);
    InDate->installEventFilter(this);

    OkExit = new QPushButton("&OK", this);
    OkExit->setObjectName("OkExit");
    OkExit->setFixedSize(Px(1100), Px(400));
    connect(OkExit, &QPushButton::clicked, this, [this] { OkExit_Click(); });

    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(Px(600), Px(200), Px(600), Px(200));
    main->setSpacing(Px(150));
    main->addWidget(Label1, 0, Qt::AlignHCenter);
    main->addWidget(InDate, 0, Qt::AlignHCenter);
    main->addWidget(OkExit, 0, Qt::AlignHCenter);

    Form_Load();
    setFixedSize(sizeHint());
}

void MortDateInput::Form_Load() {
    MMODULE& mm = ctx_.mm;
    mm.TypingFlag = 0;
    // The first payment date is today's date from start-up on; a stored text that is no date
    // would leave the box without a date to fall back on.
    if (!ParseDateText(mm.FirstPayDate)) mm.FirstPayDate = ShortDateText(Today());
    InDate->setText(QString::fromStdString(FirstPayDateBoxText(mm.FirstPayDate)));
    InDate->setFocus();
    InDate->selectAll();
}

bool MortDateInput::InDate_KeyPress(int keyCode) {
    MMODULE& mm = ctx_.mm;
    if (keyCode == kKeyEnter) {
        OkExit->setFocus(Qt::TabFocusReason);
        return false;
    }
    if (mm.TypingFlag == 0) {
        InDate->clear();
        mm.TypingFlag = 1;
    }
    return true;
}

bool MortDateInput::InDate_LostFocus() {
    MMODULE& mm = ctx_.mm;
    checkPending_ = false;
    bool ok = true;
    if (const auto date = FirstPayDateFromText(InDate->text().toStdString())) {
        mm.FirstPayDate = *date;
        InDate->setText(QString::fromStdString(*date));
    } else {
        ok = false;
        ctx_.messages.showMessage(Msg::BadDate);
        InDate->setText(QString::fromStdString(FirstPayDateBoxText(mm.FirstPayDate)));
        InDate->setFocus();
        InDate->selectAll();
    }
    mm.TypingFlag = 0;
    return ok;
}

void MortDateInput::OkExit_Click() {
    // The box's text is taken here too, so that a date typed is never lost, whether or not the
    // focus left the box before the button was pressed.
    if (!InDate_LostFocus()) return;
    accept();
}

void MortDateInput::ScheduleCheck(int delayMs) {
    QPointer<MortDateInput> self(this);
    QTimer::singleShot(delayMs, this, [self] {
        if (!self || !self->checkPending_ || !self->isVisible()) return;
        // Not while a mouse button is held down on the button that took the focus.
        if (QGuiApplication::mouseButtons() != Qt::NoButton) {
            self->ScheduleCheck(50);
            return;
        }
        self->InDate_LostFocus();
    });
}

void MortDateInput::reject() {
    checkPending_ = false;
    ctx_.mm.TypingFlag = 0;
    PlacedDialog::reject();
}

bool MortDateInput::eventFilter(QObject* watched, QEvent* event) {
    if (watched == InDate) {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (RefusePaste(key, ctx_.messages)) return true;
            // Keys that type nothing (Tab, Escape, Ctrl+C, arrows) never empty the box.
            const int code = EntryCharCode(key);
            if (code != 0 && !InDate_KeyPress(code)) return true;
        } else if (event->type() == QEvent::FocusOut) {
            const auto reason = static_cast<QFocusEvent*>(event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
                !checkPending_) {
                checkPending_ = true;
                ScheduleCheck(0);
            }
        } else if (event->type() == QEvent::FocusIn) {
            InDate->selectAll();
        }
    }
    return PlacedDialog::eventFilter(watched, event);
}

}  // namespace bw
