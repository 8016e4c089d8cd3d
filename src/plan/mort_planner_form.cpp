// The planner window's controls: the inputs on the left, the renewal and lump sum tables in the
// middle, the results and commands on the right, the schedule, terms and chart below.

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "plan/mort_planner.h"
#include "plan/plan_chart.h"
#include "plan/plan_texts.h"
#include "shell/input_controls.h"
#include "shell/ms_grid.h"
#include "shell/twips.h"
#include "shell/window_kit.h"

namespace bw {
namespace {

// The cells of a table take only what the column stands for.
class CellDelegate : public QStyledItemDelegate {
  public:
    CellDelegate(QRegularExpression pattern, QObject* parent)
        : QStyledItemDelegate(parent), pattern_(std::move(pattern)) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        QWidget* editor = QStyledItemDelegate::createEditor(parent, option, index);
        if (auto* line = qobject_cast<QLineEdit*>(editor)) {
            line->setValidator(new QRegularExpressionValidator(pattern_, line));
            line->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        return editor;
    }

  private:
    QRegularExpression pattern_;
};

const QRegularExpression kWholeNumber(QStringLiteral("\\d{0,3}"));
const QRegularExpression kDecimal(QStringLiteral("\\d{0,9}(\\.\\d{0,3})?"));
const QRegularExpression kAmount(QStringLiteral("\\d{0,9}(\\.\\d{0,2})?"));
// A payment number or a date in the short date form or as yyyy-mm-dd.
const QRegularExpression kPaymentOrDate(QStringLiteral("[0-9./-]{0,10}"));

QTableWidget* NewInputTable(QWidget* parent, const char* name, int rows,
                            const QStringList& headings) {
    auto* table = new QTableWidget(rows, static_cast<int>(headings.size()), parent);
    table->setObjectName(QString::fromLatin1(name));
    table->setHorizontalHeaderLabels(headings);
    table->verticalHeader()->setDefaultSectionSize(20);
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setFixedHeight(table->horizontalHeader()->sizeHint().height() + rows * 20 +
                          2 * table->frameWidth());
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    table->setEditTriggers(QAbstractItemView::AllEditTriggers);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setTabKeyNavigation(false);
    SetBackground(table, colours::kInput);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < table->columnCount(); ++c) {
            auto* item = new QTableWidgetItem;
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table->setItem(r, c, item);
        }
    return table;
}

// The kit's white result box, drawn flat and with its figures free to select and copy.
QLabel* NewPlanResultBox(QWidget* parent, const char* name) {
    QLabel* box = NewResultBox(parent, name);
    box->setTextFormat(Qt::PlainText);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return box;
}

QLabel* Caption(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QGroupBox* Group(const QString& title, QWidget* parent) {
    auto* group = new QGroupBox(title, parent);
    return group;
}

}  // namespace

void MortPlanner::buildControls() {
    setFixedSize(Px(kClientWidth), Px(kClientHeight));
    setAutoFillBackground(true);
    QPalette face = palette();
    face.setColor(QPalette::Window, colours::kFace);
    setPalette(face);

    auto* top = new QHBoxLayout;
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(6, 6, 6, 6);
    outer->setSpacing(6);
    outer->addLayout(top, 0);

    // The mortgage's inputs.
    auto* inputs = Group(QStringLiteral("The mortgage"), this);
    auto* grid = new QGridLayout(inputs);
    grid->setVerticalSpacing(3);
    grid->setHorizontalSpacing(6);
    int row = 0;
    const auto number = [&](QLineEdit*& member, Box box, const char* name, const QString& caption,
                            NumberBoxRule rule, int column) {
        member = NewInputBox(inputs, name);
        member->setFixedWidth(95);
        auto* label = Caption(caption, inputs);
        grid->addWidget(label, row, column);
        grid->addWidget(member, row, column + 1);
        auto* numberBox = new NumberBox(member, ctx_.mm, ctx_.messages, rule);
        numberBox->setCaption(caption);
        numberBox->setStore(
            [this, box](std::optional<double> typed) { return box_Store(box, typed); });
        connect(numberBox, &NumberBox::valueTaken, this, [this] { Calculate(); });
        boxes_[box] = numberBox;
    };
    const auto list = [&](QComboBox*& member, const char* name, const QString& caption,
                          const std::vector<std::string>& entries, int column) {
        member = NewPickList(inputs, name);
        member->setFixedWidth(120);
        for (const std::string& entry : entries) member->addItem(Q(entry));
        grid->addWidget(Caption(caption, inputs), row, column);
        grid->addWidget(member, row, column + 1);
        SetAccessibleCaption(member, caption);
        connect(member, &QComboBox::activated, this, [this] {
            if (!filling_) Calculate();
        });
    };
    const NumberBoxRule money{};
    const NumberBoxRule percent{NumberKind::Decimal, 3, FilterOrder::EmptyFirst};
    const NumberBoxRule whole{NumberKind::Digits, 0, FilterOrder::FilterFirst};
    number(InPrincipal, Principal, "InPrincipal", QStringLiteral("Principal"), money, 0);
    number(InYears, Years, "InYears", QStringLiteral("Amortization (yrs)"), whole, 2);
    ++row;
    number(InRate, Rate, "InRate", QStringLiteral("Annual rate (%)"), percent, 0);
    number(InTerm, Term, "InTerm", QStringLiteral("Term (yrs)"), whole, 2);
    ++row;
    list(PlanCompounding, "PlanCompounding", QStringLiteral("Compounding"),
         {lists::kCompounding.begin(), lists::kCompounding.end()}, 0);
    list(PlanFrequency, "PlanFrequency", QStringLiteral("Payments"),
         {lists::kFrequency.begin(), lists::kFrequency.end()}, 2);
    ++row;
    list(PlanDays, "PlanDays", QStringLiteral("Days in year"), plan::DaysChoices(), 0);
    InFirstDate = NewInputBox(inputs, "InFirstDate");
    InFirstDate->setFixedWidth(95);
    grid->addWidget(Caption(QStringLiteral("First payment"), inputs), row, 2);
    grid->addWidget(InFirstDate, row, 3);
    SetAccessibleCaption(InFirstDate, QStringLiteral("First payment"));
    connect(InFirstDate, &QLineEdit::editingFinished, this, [this] { InFirstDate_LostFocus(); });
    ++row;
    number(InExtra, Extra, "InExtra", QStringLiteral("Regular extra"), money, 0);
    number(InExtraFrom, ExtraFrom, "InExtraFrom", QStringLiteral("from payment"), whole, 2);
    ++row;
    number(InIncrease, Increase, "InIncrease", QStringLiteral("Yearly increase %"), percent, 0);
    number(InIncreaseLimit, IncreaseLimit, "InIncreaseLimit", QStringLiteral("at most %"), percent,
           2);
    ++row;
    number(InPrivilege, Privilege, "InPrivilege", QStringLiteral("Privilege %/year"), percent, 0);
    list(PlanAfter, "PlanAfter", QStringLiteral("After lump sums"), plan::AfterLumpChoices(), 2);
    PlanAfter->setFixedWidth(145);
    ++row;
    number(InFee, Fee, "InFee", QStringLiteral("Fee"), money, 0);
    FeeFinanced = new QCheckBox(QStringLiteral("Added to the balance"), inputs);
    FeeFinanced->setObjectName(QStringLiteral("FeeFinanced"));
    grid->addWidget(FeeFinanced, row, 2, 1, 2);
    connect(FeeFinanced, &QCheckBox::toggled, this, [this] {
        if (!filling_) Calculate();
    });
    top->addWidget(inputs, 1);

    // Renewals and lump sums.
    auto* middle = new QVBoxLayout;
    auto* renewals = Group(QStringLiteral("Renewals (the last runs to the end)"), this);
    auto* renewalsLayout = new QVBoxLayout(renewals);
    Renewals = NewInputTable(renewals, "Renewals", kRenewalRows,
                             {QStringLiteral("Years"), QStringLiteral("Rate (%)")});
    Renewals->setItemDelegateForColumn(0, new CellDelegate(kWholeNumber, Renewals));
    Renewals->setItemDelegateForColumn(1, new CellDelegate(kDecimal, Renewals));
    SetAccessibleCaption(Renewals, QStringLiteral("Renewals"));
    renewalsLayout->addWidget(Renewals);
    auto* lumps = Group(QStringLiteral("Lump sums (after payment or date)"), this);
    auto* lumpsLayout = new QVBoxLayout(lumps);
    LumpSums = NewInputTable(lumps, "LumpSums", kLumpRows,
                             {QStringLiteral("After"), QStringLiteral("Amount")});
    LumpSums->setItemDelegateForColumn(0, new CellDelegate(kPaymentOrDate, LumpSums));
    LumpSums->setItemDelegateForColumn(1, new CellDelegate(kAmount, LumpSums));
    SetAccessibleCaption(LumpSums, QStringLiteral("Lump sums"));
    lumpsLayout->addWidget(LumpSums);
    for (QTableWidget* table : {Renewals, LumpSums})
        connect(table, &QTableWidget::cellChanged, this, [this] {
            if (!filling_) Calculate();
        });
    renewals->setFixedWidth(235);
    lumps->setFixedWidth(235);
    middle->addWidget(renewals);
    middle->addWidget(lumps);
    middle->addStretch(1);
    top->addLayout(middle, 1);

    // Results and commands.
    auto* right = new QVBoxLayout;
    auto* results = Group(QStringLiteral("What it costs"), this);
    auto* resultGrid = new QGridLayout(results);
    resultGrid->setVerticalSpacing(3);
    int resultRow = 0;
    // A box of several figures takes the whole width under its caption.
    const auto result = [&](QLabel*& member, const char* name, const QString& caption,
                            bool wide = false) {
        member = NewPlanResultBox(results, name);
        member->setMinimumWidth(wide ? 280 : 150);
        resultGrid->addWidget(Caption(caption, results), resultRow, 0, 1, wide ? 2 : 1);
        if (wide) ++resultRow;
        resultGrid->addWidget(member, resultRow, wide ? 0 : 1, 1, wide ? 2 : 1);
        SetAccessibleCaption(member, caption);
        ++resultRow;
    };
    result(TermPayments, "TermPayments", QStringLiteral("Payment of each term"), true);
    result(NumPayments, "NumPayments", QStringLiteral("Number of payments"));
    result(TotalInterest, "TotalInterest", QStringLiteral("Total interest"));
    result(TotalPaid, "TotalPaid", QStringLiteral("Total paid"));
    result(Apr, "Apr", QStringLiteral("APR"));
    result(EffectiveRates, "EffectiveRates", QStringLiteral("Effective rate of each term"), true);
    result(InterestSaved, "InterestSaved", QStringLiteral("Interest saved"));
    result(TimeSaved, "TimeSaved", QStringLiteral("Time saved"));
    right->addWidget(results);

    MsgText = new QPlainTextEdit(this);
    MsgText->setObjectName(QStringLiteral("MsgText"));
    MsgText->setReadOnly(true);
    MsgText->setFocusPolicy(Qt::NoFocus);
    MsgText->setMaximumHeight(Px(900));
    SetBackground(MsgText, colours::kHelp);
    SetAccessibleCaption(MsgText, QStringLiteral("Message"));
    right->addWidget(MsgText);

    auto* commands = new QGridLayout;
    const auto button = [&](QPushButton*& member, const char* name, const QString& caption, int r,
                            int c, void (MortPlanner::*handler)()) {
        member = new QPushButton(caption, this);
        member->setObjectName(QString::fromLatin1(name));
        commands->addWidget(member, r, c);
        // Taking the focus first reads an edited box before the command runs.
        connect(member, &QPushButton::clicked, this, [this, member, handler] {
            if (!member->hasFocus() && isActiveWindow()) member->setFocus(Qt::ShortcutFocusReason);
            (this->*handler)();
        });
    };
    button(POpen, "POpen", QStringLiteral("&Open Plan"), 0, 0, &MortPlanner::POpen_Click);
    button(PSave, "PSave", QStringLiteral("&Save Plan"), 0, 1, &MortPlanner::PSave_Click);
    button(PPrint, "PPrint", QStringLiteral("&Print"), 1, 0, &MortPlanner::PPrint_Click);
    button(PExport, "PExport", QStringLiteral("Export &CSV"), 1, 1, &MortPlanner::PExport_Click);
    button(PExit, "PExit", QStringLiteral("E&xit to Menu"), 2, 0, &MortPlanner::PExit_Click);
    commands->addWidget(Caption(QStringLiteral("Schedule shows"), this), 2, 1);
    right->addLayout(commands);
    auto* viewRow = new QHBoxLayout;
    PlanView = NewPickList(this, "PlanView");
    for (const std::string& entry : plan::ScheduleViewChoices()) PlanView->addItem(Q(entry));
    SetAccessibleCaption(PlanView, QStringLiteral("Schedule shows"));
    connect(PlanView, &QComboBox::activated, this, [this] {
        if (!filling_) Calculate();
    });
    viewRow->addStretch(1);
    viewRow->addWidget(PlanView);
    right->addLayout(viewRow);
    right->addStretch(1);
    top->addLayout(right, 0);

    // Schedule, terms and chart.
    Pages = new QTabWidget(this);
    Pages->setObjectName(QStringLiteral("Pages"));
    Schedule = new MSGrid(Pages);
    Schedule->setObjectName(QStringLiteral("Schedule"));
    SetAccessibleCaption(Schedule, QStringLiteral("Schedule"));
    Terms = new MSGrid(Pages);
    Terms->setObjectName(QStringLiteral("Terms"));
    SetAccessibleCaption(Terms, QStringLiteral("Terms"));
    Chart = new plan::PlanChart(Pages);
    Pages->addTab(Schedule, QStringLiteral("Schedule"));
    Pages->addTab(Terms, QStringLiteral("Terms"));
    Pages->addTab(Chart, QStringLiteral("Chart"));
    outer->addWidget(Pages, 1);
    for (MSGrid* g : {Schedule, Terms}) g->verticalHeader()->setDefaultSectionSize(20);

    const auto headings = [](MSGrid* g, const std::vector<std::string>& texts, int width) {
        g->setCols(static_cast<int>(texts.size()));
        g->setRows(1);
        for (int c = 0; c < g->cols(); ++c) {
            g->setTextAt(0, c, texts[static_cast<std::size_t>(c)]);
            g->setColWidthTwips(c, width);
            g->setColAlignment(c, 1);
            g->setFixedAlignment(c, 2);
        }
    };
    headings(Schedule, plan::ScheduleHeadings(plan::PlanView::All), 1380);
    headings(Terms, plan::TermHeadings(), 1900);

    // Enter moves on from box to box.
    const std::array<QWidget*, kBoxCount> next = {
        InYears,    InRate,          InTerm,      InExtra, InExtraFrom,
        InIncrease, InIncreaseLimit, InPrivilege, InFee,   Renewals};
    for (int b = 0; b < kBoxCount; ++b)
        boxes_[static_cast<std::size_t>(b)]->setNext(next[static_cast<std::size_t>(b)]);
    EnterPressesButtons(this);
    ChainTabOrder({InPrincipal,   InYears,         InRate,      InTerm,    PlanCompounding,
                   PlanFrequency, PlanDays,        InFirstDate, InExtra,   InExtraFrom,
                   InIncrease,    InIncreaseLimit, InPrivilege, PlanAfter, InFee,
                   FeeFinanced,   Renewals,        LumpSums,    POpen,     PSave,
                   PPrint,        PExport,         PExit,       PlanView,  Pages});
}

}  // namespace bw
