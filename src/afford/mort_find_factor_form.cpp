// The affordability window's controls: their places, captions, colours and tab order.

#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "afford/mort_find_factor.h"
#include "shell/mdi_container.h"
#include "shell/twips.h"
#include "shell/window_kit.h"

namespace bw {
namespace {

void Place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

}  // namespace

void MortFindFactor::buildControls() {
    setFixedSize(Px(kClientWidth), Px(kClientHeight));
    setAutoFillBackground(true);
    // The caption stays empty and the frame shows no title bar over the window.
    setProperty(kNoTitleBar, true);
    // The small sans-serif dialog font the layout was made for.
    QFont small = font();
    small.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("Arial")});
    small.setStyleHint(QFont::SansSerif);
    small.setPointSize(9);
    setFont(small);
    QPalette face = palette();
    face.setColor(QPalette::Window, colours::kFace);
    setPalette(face);

    auto label = [this](QLabel*& member, const char* name, const char* caption, int l, int t, int w,
                        int h, bool cyan) {
        member = new QLabel(QString::fromUtf8(caption), this);
        member->setObjectName(QString::fromLatin1(name));
        member->setTextFormat(Qt::PlainText);
        member->setWordWrap(true);
        member->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (cyan) SetBackground(member, colours::kHelp);
        Place(member, l, t, w, h);
    };
    auto result = [this](QLabel*& member, const char* name, int l, int t, int w, int h) {
        member = new QLabel(this);
        member->setObjectName(QString::fromLatin1(name));
        member->setTextFormat(Qt::PlainText);
        member->setFrameStyle(QFrame::Box | QFrame::Plain);
        member->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        member->setMargin(1);
        SetBackground(member, colours::kSolved);
        Place(member, l, t, w, h);
    };
    // Amounts take two decimals and the rate three; the years box takes whole years, and its
    // filter judges the first key before the box empties.
    auto box = [this](QLineEdit*& member, AffordBox kind, const char* name, int l, int t,
                      const QLabel* caption) {
        member = new QLineEdit(this);
        member->setObjectName(QString::fromLatin1(name));
        member->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetBackground(member, colours::kInput);
        Place(member, l, t, 1680, 315);
        NumberBoxRule rule;
        if (kind == AffordBox::Rate) rule.decimals = 3;
        if (kind == AffordBox::Years) rule = {NumberKind::Digits, 0, FilterOrder::FilterFirst};
        auto* number = new NumberBox(member, ctx_.mm, ctx_.messages, rule);
        number->setCaption(caption->text());
        numberBoxes_[static_cast<int>(kind)] = number;
        connect(number, &NumberBox::resetRequested, this, [this, kind] { box_KeyPress(kind); });
        connect(number, &NumberBox::deletePressed, this, [this] { MFCloseHelp(); });
        number->setStore(
            [this, kind](std::optional<double> typed) { return box_Store(kind, typed); });
        connect(number, &NumberBox::valueTaken, this, [this, kind] { box_LostFocus(kind); });
        if (kind == AffordBox::Years)
            connect(number, &NumberBox::leaving, this, [this] { MFInTerm_CheckLimit(); });
    };
    auto option = [this](QRadioButton*& member, const char* name, const char* caption, int l,
                         int t) {
        member = new QRadioButton(QString::fromUtf8(caption), this);
        member->setObjectName(QString::fromLatin1(name));
        SetTextColour(member, colours::kText);
        Place(member, l, t, 2250, 315);
    };
    auto list = [this](QComboBox*& member, const char* name, int l, int t) {
        member = new QComboBox(this);
        member->setObjectName(QString::fromLatin1(name));
        SetBackground(member, colours::kInput);
        Place(member, l, t, 1635, 315);
        member->installEventFilter(this);
    };
    auto button = [this](QPushButton*& member, const char* name, const QString& caption, int l,
                         int w) {
        member = new QPushButton(caption, this);
        member->setObjectName(QString::fromLatin1(name));
        Place(member, l, 6000, w, 315);
    };

    label(Label7, "Label7",
          " Click on the option button     for the calculation you wish   to perform.", 990, 90,
          2535, 4920, true);
    option(MFPrincipalOpt, "MFPrincipalOpt", "Calculate for Principal", 1170, 1395);
    option(MFTermOpt, "MFTermOpt", "Calculate for Years", 1170, 3105);
    option(MFPaymentOpt, "MFPaymentOpt", "Calculate for Payment", 1170, 3960);
    MFPaymentOpt->setChecked(true);

    label(Label6, "Label6", " Interest compounding    periods per year.", 3600, 90, 2100, 825,
          true);
    list(MFCompPeriod, "MFCompPeriod", 3795, 540);
    label(Label1, "Label1", " Principal amount of       the mortgage.", 3600, 945, 2100, 825, true);
    box(MFInPrincipal, AffordBox::Principal, "MFInPrincipal", 3800, 1395, Label1);
    label(Label3, "Label3", " Annual Interest             Rate (%).", 3600, 1800, 2100, 825, true);
    box(MFInRate, AffordBox::Rate, "MFInRate", 3800, 2250, Label3);
    label(Label2, "Label2", " Amortization period in    years.", 3600, 2655, 2100, 825, true);
    box(MFInTerm, AffordBox::Years, "MFInTerm", 3780, 3105, Label2);
    label(Label4, "Label4", " Monthly payment.          Principal and Interest.", 3600, 3510, 2100,
          825, true);
    box(MFInMthPayment, AffordBox::Payment, "MFInMthPayment", 3800, 3960, Label4);
    label(Label8, "Label8", " Total interest paid.", 3600, 4365, 2100, 645, true);
    result(TotalPmts, "TotalPmts", 3800, 4635, 1680, 315);

    label(Label9, "Label9", " Frequency and type of   payment.", 5760, 90, 2130, 825, true);
    list(MFFreqPmt, "MFFreqPmt", 5985, 540);
    label(Label10, "Label10", " No. payments  each year.", 5760, 945, 1335, 825, true);
    result(MFNumPmts, "MFNumPmts", 6030, 1395, 870, 315);
    label(Label15, "Label15", " Days in  year.", 7110, 945, 780, 825, true);
    result(MFDaysinYear, "MFDaysinYear", 7155, 1395, 690, 315);
    SetTextColour(MFDaysinYear, colours::kAlertText);
    label(Label14, "Label14", " Interest saved versus    normal mortgage.", 5760, 1800, 2130, 825,
          true);
    result(MFTotIntSaved, "MFTotIntSaved", 5985, 2250, 1680, 315);
    label(Label11, "Label11", " Number of years to        final payment.", 5760, 2655, 2130, 825,
          true);
    result(MFNumYrs, "MFNumYrs", 5985, 3105, 1680, 315);
    label(Label12, "Label12", " Each payment.              Principal and Interest.", 5760, 3510,
          2130, 825, true);
    result(MFPIPmt, "MFPIPmt", 5985, 3960, 1680, 315);
    label(Label13, "Label13", " Total interest paid.", 5760, 4365, 2130, 645, true);
    result(MFTotIntPaid, "MFTotIntPaid", 5985, 4635, 1680, 315);

    // The option buttons sit on the cyan panel of Label7.
    for (QRadioButton* b : {MFPrincipalOpt, MFTermOpt, MFPaymentOpt}) b->raise();

    MFTextBox = new QPlainTextEdit(this);
    MFTextBox->setObjectName(QStringLiteral("MFTextBox"));
    MFTextBox->setReadOnly(true);
    MFTextBox->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    MFTextBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    MFTextBox->setFocusPolicy(Qt::ClickFocus);
    SetBackground(MFTextBox, colours::kHelp);
    Place(MFTextBox, 0, 5040, 9450, 870);
    MFTextBox->hide();

    MsgText = new QPlainTextEdit(this);
    MsgText->setObjectName(QStringLiteral("MsgText"));
    MsgText->setReadOnly(true);
    MsgText->setFocusPolicy(Qt::NoFocus);
    MsgText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetBackground(MsgText, colours::kHelp);
    Place(MsgText, 3600, 5040, 2100, 870);
    MsgText->hide();

    label(Label5, "Label5", "", 0, 5940, 9465, 420, false);
    button(MFExit, "MFExit", QStringLiteral("E&xit"), 360, 1230);
    button(MFShowIRF, "MFShowIRF", QStringLiteral("&Days in Year"), 2070, 1545);
    button(Printr, "Printr", QStringLiteral("&Print"), 4140, 1050);
    button(MFHelp, "MFHelp", QStringLiteral("Quick &Help"), 5895, 1365);
    button(MFCalc, "MFCalc", QStringLiteral("&Calculate"), 7830, 1230);

    // Each list and result box is named after its caption (the number boxes name themselves).
    const std::pair<QWidget*, const QLabel*> named[] = {
        {MFCompPeriod, Label6}, {TotalPmts, Label8},     {MFFreqPmt, Label9},
        {MFNumPmts, Label10},   {MFDaysinYear, Label15}, {MFTotIntSaved, Label14},
        {MFNumYrs, Label11},    {MFPIPmt, Label12},      {MFTotIntPaid, Label13}};
    for (const auto& [control, caption] : named) SetAccessibleCaption(control, caption->text());
    SetAccessibleCaption(MFTextBox, QStringLiteral("Quick help"));
    SetAccessibleCaption(MsgText, QStringLiteral("Message"));
    // Enter moves from box to box, and from the payment box to "&Calculate" (not pressing it).
    numberBox(AffordBox::Principal)->setNext(MFInRate);
    numberBox(AffordBox::Rate)->setNext(MFInTerm);
    numberBox(AffordBox::Years)->setNext(MFInMthPayment);
    numberBox(AffordBox::Payment)->setNext(MFCalc);
    EnterPressesButtons(this);

    QWidget* order[] = {MFCompPeriod, MFInPrincipal,  MFInRate,  MFInTerm,    MFInMthPayment,
                        MFFreqPmt,    MFCalc,         MFHelp,    Printr,      MFShowIRF,
                        MFExit,       MFPrincipalOpt, MFTermOpt, MFPaymentOpt};
    for (std::size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(MFPaymentOpt, &QRadioButton::clicked, this, [this] { MFPaymentOpt_Click(); });
    connect(MFPrincipalOpt, &QRadioButton::clicked, this, [this] { MFPrincipalOpt_Click(); });
    connect(MFTermOpt, &QRadioButton::clicked, this, [this] { MFTermOpt_Click(); });
    // Picking an entry of a list marks it as changed; leaving the list recalculates.
    for (QComboBox* l : {MFCompPeriod, MFFreqPmt})
        connect(l, &QComboBox::activated, this, [this] { ctx_.mm.TypingFlag = 1; });
    // A button pressed by its access key takes the focus first, as a click does, so that an
    // edited box is read and recalculated before the button's command runs.
    const auto command = [this](QPushButton* b, void (MortFindFactor::*handler)()) {
        connect(b, &QPushButton::clicked, this, [this, b, handler] {
            if (!b->hasFocus() && isActiveWindow()) b->setFocus(Qt::ShortcutFocusReason);
            (this->*handler)();
        });
    };
    command(MFCalc, &MortFindFactor::MFCalc_Click);
    command(MFShowIRF, &MortFindFactor::MFShowIRF_Click);
    command(Printr, &MortFindFactor::Printr_Click);
    command(MFHelp, &MortFindFactor::MFHelp_Click);
    command(MFExit, &MortFindFactor::MFExit_Click);
}

void MortFindFactor::recolour() {
    QLineEdit* white = MFPaymentOpt->isChecked()     ? MFInMthPayment
                       : MFPrincipalOpt->isChecked() ? MFInPrincipal
                                                     : MFInTerm;
    for (QLineEdit* b : {MFInPrincipal, MFInRate, MFInTerm, MFInMthPayment})
        SetBackground(b, b == white ? colours::kResult : colours::kInput);
}

}  // namespace bw
