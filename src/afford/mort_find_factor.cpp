#include "afford/mort_find_factor.h"

#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/input_boxes.h"
#include "shell/key_filters.h"
#include "shell/messages.h"
#include "shell/number_format.h"
#include "shell/twips.h"

#if __has_include("tables/mort_irf_table.h")
#include "tables/mort_irf_table.h"
#define BW_HAVE_MORT_IRF_TABLE 1
#endif
#if __has_include("reports/qt_printer_backend.h")
#include "reports/qt_printer_backend.h"
#define BW_HAVE_PRINTER_BACKEND 1
#endif

namespace bw {
namespace {

const QColor kGrey(192, 192, 192);
const QColor kCyan(0, 255, 255);
const QColor kYellow(255, 255, 0);
const QColor kWhite(255, 255, 255);
const QColor kGreen(0, 255, 0);
const QColor kRed(255, 0, 0);

const QString kQuickHelp = QStringLiteral("Quick &Help");
const QString kCloseHelp = QStringLiteral("Close &Help");

void Place(QWidget* w, int left, int top, int width, int height) {
    w->setGeometry(Px(left), Px(top), Px(width), Px(height));
}

void SetColour(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}
std::string S(const QString& text) {
    return text.toStdString();
}

// Restores the normal mouse pointer when a scope ends, however it ends.
struct WaitCursor {
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};

}  // namespace

MortFindFactor::MortFindFactor(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    setObjectName(QStringLiteral("MortFindFactor"));
    buildControls();
    Form_Load();
}

MortFindFactor::~MortFindFactor() {
    // No lost-focus handling while the controls are taken down.
    for (QObject* watched : std::initializer_list<QObject*>{
             MFInPrincipal, MFInRate, MFInTerm, MFInMthPayment, MFCompPeriod, MFFreqPmt})
        watched->removeEventFilter(this);
}

void MortFindFactor::buildControls() {
    setFixedSize(Px(kClientWidth), Px(kClientHeight));
    setAutoFillBackground(true);
    // The small sans-serif dialog font the layout was made for.
    QFont small = font();
    small.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                       QStringLiteral("Arial")});
    small.setStyleHint(QFont::SansSerif);
    small.setPointSize(9);
    setFont(small);
    SetColour(this, QPalette::Window, kGrey);

    auto label = [this](QLabel*& member, const char* name, const char* caption, int l, int t, int w,
                        int h, bool cyan) {
        member = new QLabel(QString::fromUtf8(caption), this);
        member->setObjectName(QString::fromLatin1(name));
        member->setTextFormat(Qt::PlainText);
        member->setWordWrap(true);
        member->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        if (cyan) {
            member->setAutoFillBackground(true);
            SetColour(member, QPalette::Window, kCyan);
            SetColour(member, QPalette::WindowText, Qt::black);
        }
        Place(member, l, t, w, h);
    };
    auto result = [this](QLabel*& member, const char* name, int l, int t, int w, int h) {
        member = new QLabel(this);
        member->setObjectName(QString::fromLatin1(name));
        member->setTextFormat(Qt::PlainText);
        member->setAutoFillBackground(true);
        member->setFrameStyle(QFrame::Box | QFrame::Plain);
        member->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        member->setMargin(1);
        SetColour(member, QPalette::Window, kGreen);
        SetColour(member, QPalette::WindowText, Qt::black);
        Place(member, l, t, w, h);
    };
    auto box = [this](QLineEdit*& member, const char* name, int l, int t, int w, int h) {
        member = new QLineEdit(this);
        member->setObjectName(QString::fromLatin1(name));
        member->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        member->setContextMenuPolicy(Qt::NoContextMenu);
        SetColour(member, QPalette::Base, kYellow);
        SetColour(member, QPalette::Text, Qt::black);
        Place(member, l, t, w, h);
        member->installEventFilter(this);
    };
    auto option = [this](QRadioButton*& member, const char* name, const char* caption, int l,
                         int t) {
        member = new QRadioButton(QString::fromUtf8(caption), this);
        member->setObjectName(QString::fromLatin1(name));
        SetColour(member, QPalette::WindowText, Qt::black);
        Place(member, l, t, 2250, 315);
    };
    auto list = [this](QComboBox*& member, const char* name, int l, int t) {
        member = new QComboBox(this);
        member->setObjectName(QString::fromLatin1(name));
        SetColour(member, QPalette::Base, kYellow);
        SetColour(member, QPalette::Button, kYellow);
        SetColour(member, QPalette::Text, Qt::black);
        SetColour(member, QPalette::ButtonText, Qt::black);
        Place(member, l, t, 1635, 315);
        member->installEventFilter(this);
    };
    auto button = [this](QPushButton*& member, const char* name, const QString& caption, int l,
                         int w) {
        member = new QPushButton(caption, this);
        member->setObjectName(QString::fromLatin1(name));
        member->setAutoDefault(true);  // Enter on a focused button presses it
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
    box(MFInPrincipal, "MFInPrincipal", 3800, 1395, 1680, 315);
    label(Label3, "Label3", " Annual Interest             Rate (%).", 3600, 1800, 2100, 825, true);
    box(MFInRate, "MFInRate", 3800, 2250, 1680, 315);
    label(Label2, "Label2", " Amortization period in    years.", 3600, 2655, 2100, 825, true);
    box(MFInTerm, "MFInTerm", 3780, 3105, 1680, 315);
    label(Label4, "Label4", " Monthly payment.          Principal and Interest.", 3600, 3510, 2100,
          825, true);
    box(MFInMthPayment, "MFInMthPayment", 3800, 3960, 1680, 315);
    label(Label8, "Label8", " Total interest paid.", 3600, 4365, 2100, 645, true);
    result(TotalPmts, "TotalPmts", 3800, 4635, 1680, 315);

    label(Label9, "Label9", " Frequency and type of   payment.", 5760, 90, 2130, 825, true);
    list(MFFreqPmt, "MFFreqPmt", 5985, 540);
    label(Label10, "Label10", " No. payments  each year.", 5760, 945, 1335, 825, true);
    result(MFNumPmts, "MFNumPmts", 6030, 1395, 870, 315);
    label(Label15, "Label15", " Days in  year.", 7110, 945, 780, 825, true);
    result(MFDaysinYear, "MFDaysinYear", 7155, 1395, 690, 315);
    SetColour(MFDaysinYear, QPalette::WindowText, kRed);
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
    SetColour(MFTextBox, QPalette::Base, kCyan);
    SetColour(MFTextBox, QPalette::Text, Qt::black);
    Place(MFTextBox, 0, 5040, 9450, 870);
    MFTextBox->hide();

    MsgText = new QPlainTextEdit(this);
    MsgText->setObjectName(QStringLiteral("MsgText"));
    MsgText->setReadOnly(true);
    MsgText->setFocusPolicy(Qt::NoFocus);
    MsgText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SetColour(MsgText, QPalette::Base, kCyan);
    SetColour(MsgText, QPalette::Text, Qt::black);
    Place(MsgText, 3600, 5040, 2100, 870);
    MsgText->hide();

    label(Label5, "Label5", "", 0, 5940, 9465, 420, false);
    button(MFExit, "MFExit", QStringLiteral("E&xit"), 360, 1230);
    button(MFShowIRF, "MFShowIRF", QStringLiteral("&Days in Year"), 2070, 1545);
    button(Printr, "Printr", QStringLiteral("&Print"), 4140, 1050);
    button(MFHelp, "MFHelp", kQuickHelp, 5895, 1365);
    button(MFCalc, "MFCalc", QStringLiteral("&Calculate"), 7830, 1230);

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

void MortFindFactor::Form_Load() {
    MMODULE& mm = ctx_.mm;
    ctx_.frame.setFrameCaption(QStringLiteral(" Mortgage Affordability"));
    MFValues = {};
    mm.HelpShown = 0;
    mm.TypingFlag = 0;
    // The days in year always start at 365 here.
    mm.DaysOption = 1;
    mm.BiWeeklyPeriods = 26.07142857;
    mm.WeeklyPeriods = 52.14285714;
    mm.DaysInYear = 365.0f;

    for (const std::string& text : lists::kCompounding) MFCompPeriod->addItem(Q(text));
    const int compounding = mm.DefaultCompounding;
    MFCompPeriod->setCurrentIndex(compounding >= 1 && compounding <= 4 ? compounding : 0);

    MFValues[kMFPrincipal] = 100000;
    MFInPrincipal->setText(Q("   " + mm.CurrencySymbol + "100,000.00"));
    MFValues[kMFRate] = 6.5;
    MFInRate->setText(QStringLiteral("        6.500%"));
    MFValues[kMFYears] = 25;
    MFInTerm->setText(QStringLiteral("              25"));

    for (const std::string& text : lists::kFrequency) MFFreqPmt->addItem(Q(text));
    MFFreqPmt->setCurrentIndex(0);

    recolour();
    MFCalc_Click();
    mm.TypingFlag = 0;
}

void MortFindFactor::recolour() {
    QLineEdit* white = MFPaymentOpt->isChecked()     ? MFInMthPayment
                       : MFPrincipalOpt->isChecked() ? MFInPrincipal
                                                     : MFInTerm;
    for (QLineEdit* b : {MFInPrincipal, MFInRate, MFInTerm, MFInMthPayment})
        SetColour(b, QPalette::Base, b == white ? kWhite : kYellow);
}

void MortFindFactor::MFCloseHelp() {
    MMODULE& mm = ctx_.mm;
    mm.TypingFlag = 1;
    if (mm.HelpShown == 1) return;
    if (MFHelp->text() == kCloseHelp) {
        MFHelp->setText(kQuickHelp);
        MFTextBox->hide();
        mm.TypingFlag = 0;
    }
    mm.HelpShown = 0;
}

void MortFindFactor::MFCalc_Click() {
    MMODULE& mm = ctx_.mm;
    mm.HelpShown = 0;
    MFCloseHelp();
    mm.TypingFlag = 0;
    MFMonthlyRate = 0;
    MsgText->hide();

    AffordInput in;
    in.solve = MFPaymentOpt->isChecked()     ? AffordSolve::Payment
               : MFPrincipalOpt->isChecked() ? AffordSolve::Principal
                                             : AffordSolve::Years;
    in.values = MFValues;
    in.compounding = S(MFCompPeriod->currentText());
    in.frequency = S(MFFreqPmt->currentText());
    in.daysInYear = mm.DaysInYear;
    in.biWeeklyPeriods = mm.BiWeeklyPeriods;
    in.weeklyPeriods = mm.WeeklyPeriods;
    in.currencySymbol = mm.CurrencySymbol;
    last_ = bw::MFCalc(in);
    const AffordResult& r = last_;

    MFValues = r.values;
    MFMonthlyRate = r.rates.monthlyRate;
    MFPeriodRate = r.rates.periodRate;
    if (r.rates.paymentsPerYear != 0) {
        mm.FrequencyKind = r.rates.frequencyKind;
        mm.PaymentsPerYear = r.rates.paymentsPerYear;
    }
    QLineEdit* solved = in.solve == AffordSolve::Payment     ? MFInMthPayment
                        : in.solve == AffordSolve::Principal ? MFInPrincipal
                                                             : MFInTerm;
    solved->setText(Q(r.solvedBox));
    TotalPmts->setText(Q(r.TotalPmts));
    MFNumPmts->setText(Q(r.MFNumPmts));
    MFNumYrs->setText(Q(r.MFNumYrs));
    MFPIPmt->setText(Q(r.MFPIPmt));
    MFTotIntSaved->setText(Q(r.MFTotIntSaved));
    MFTotIntPaid->setText(Q(r.MFTotIntPaid));
    if (r.MFDaysinYear) MFDaysinYear->setText(Q(*r.MFDaysinYear));
    if (r.failed) {
        MsgText->setPlainText(Q(r.message));
        MsgText->show();
        MsgText->raise();
        if (r.focusPayment) MFInMthPayment->setFocus(Qt::OtherFocusReason);
    }
}

void MortFindFactor::MFPaymentOpt_Click() {
    recolour();
    MFCloseHelp();
    ctx_.mm.TypingFlag = 0;
}

void MortFindFactor::MFPrincipalOpt_Click() {
    recolour();
    MFCloseHelp();
    ctx_.mm.TypingFlag = 0;
}

void MortFindFactor::MFTermOpt_Click() {
    recolour();
    MFCloseHelp();
    ctx_.mm.TypingFlag = 0;
}

void MortFindFactor::MFShowIRF_Click() {
#ifdef BW_HAVE_MORT_IRF_TABLE
    MortIRFTable dialog(ctx_, ctx_.frame.dialogParent());
    dialog.exec();
#endif
    // The new days value is used when the next box is left.
    MFCloseHelp();
}

void MortFindFactor::MFHelp_Click() {
    MMODULE& mm = ctx_.mm;
    mm.HelpShown = mm.HelpShown == 1 ? 0 : 1;
    if (MFHelp->text() == kQuickHelp) {
        MFHelp->setText(kCloseHelp);
        MFTextBox->setPlainText(Q(AffordHelpText()).replace(QStringLiteral("\r\n"), "\n"));
        MFTextBox->show();
        MFTextBox->raise();
        MFTextBox->setFocus(Qt::OtherFocusReason);
    } else {
        MFCloseHelp();
    }
}

void MortFindFactor::MFExit_Click() {
    ctx_.frame.setFrameCaption(QStringLiteral(" Brindlewood Menu"));
    ctx_.frame.showMainMenu();
}

void MortFindFactor::Printr_Click() {
    if (!ctx_.messages.askQuestion(1)) return;
    WaitCursor wait;
    // Back at the normal size and place however the printing ends.
    struct Restore {
        MortFindFactor* w;
        ~Restore() {
            w->setFixedSize(Px(kClientWidth), Px(kClientHeight));
            w->placeWindow();
        }
    } restore{this};
    // Shrunk, the picture holds the three panels but not the message and help boxes and the
    // buttons.
    setFixedSize(Px(kPrintWidth), Px(kPrintHeight));
#ifdef BW_HAVE_PRINTER_BACKEND
    PrintImageOnPage(WidgetImage(this), true, this, QStringLiteral("Mortgage Affordability"));
#endif
}

void MortFindFactor::placeWindow() {
    const TwipPoint p = WindowPlacement(ctx_.mm.FrameClass);
    QWidget* w = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    w->move(Px(p.left), Px(p.top));
}

bool MortFindFactor::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) placeWindow();
    return QWidget::event(e);
}

QWidget* MortFindFactor::nextAfterEnter(QObject* control) const {
    if (control == MFInPrincipal) return MFInRate;
    if (control == MFInRate) return MFInTerm;
    if (control == MFInTerm) return MFInMthPayment;
    if (control == MFInMthPayment) return MFCalc;
    if (control == MFCompPeriod) return MFInPrincipal;
    if (control == MFFreqPmt) return MFCalc;
    return nullptr;
}

bool MortFindFactor::eventFilter(QObject* watched, QEvent* e) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    auto* list = qobject_cast<QComboBox*>(watched);
    if (!box && !list) return QWidget::eventFilter(watched, e);

    if (e->type() == QEvent::FocusOut) {
        if (!LeavesBox(e)) return false;
        if (box)
            box_LostFocus(box);
        else
            list_LostFocus();
        return false;
    }
    if (e->type() == QEvent::FocusIn && box) {
        // The whole text is selected, also when the box was entered with the mouse.
        SelectAllAfterFocus(box);
        return false;
    }
    if (e->type() != QEvent::KeyPress) return false;

    auto* key = static_cast<QKeyEvent*>(e);
    const int k = key->key();
    if (k == Qt::Key_Return || k == Qt::Key_Enter) {
        if (QWidget* next = nextAfterEnter(watched)) next->setFocus(Qt::TabFocusReason);
        return true;
    }
    if (k == Qt::Key_Tab || k == Qt::Key_Backtab) return false;
    if (box && k == Qt::Key_Delete) {
        MFCloseHelp();
        return false;
    }
    int code = 0;
    if (k == Qt::Key_Backspace) {
        code = kKeyBackspace;
    } else {
        const QString text = key->text();
        // Keys without a character (arrows, Home, End, shift) work as usual.
        if (text.isEmpty()) return false;
        code = text.at(0).unicode();
        if (code < 32 || code == 127) {
            // Control characters (shortcuts such as paste) are refused without touching the box.
            ctx_.messages.beep();
            return true;
        }
    }
    if (list) {
        ctx_.messages.beep();
        return true;
    }
    return !box_KeyPress(box, code);
}

bool MortFindFactor::box_KeyPress(QLineEdit* box, int key) {
    MMODULE& mm = ctx_.mm;
    if (box == MFInTerm) {
        const bool discard = DigitBoxKeyPress(key, ctx_.messages);
        if (mm.TypingFlag == 0) {
            box->clear();
            MFCloseHelp();
        }
        return !discard;
    }
    if (mm.TypingFlag == 0) {
        box->clear();
        MFCloseHelp();
    }
    if (box == MFInRate) mm.DecimalsAllowed = 3;
    return !DecimalBoxKeyPress(key, box, mm, ctx_.messages);
}

void MortFindFactor::MFInTerm_CheckLimit() {
    if (LeadingNumber(S(MFInTerm->text())) > 40) {
        ctx_.messages.showMessage(5);
        MFInTerm->setText(QStringLiteral("40"));
        // The limit stands in for what was typed: it is read as typed text.
        MFInTerm->setModified(true);
    }
}

void MortFindFactor::box_LostFocus(QLineEdit* box) {
    MMODULE& mm = ctx_.mm;
    if (box == MFInTerm) MFInTerm_CheckLimit();
    if (mm.TypingFlag != 1) return;
    const std::size_t slot = box == MFInPrincipal    ? kMFPrincipal
                             : box == MFInMthPayment ? kMFPayment
                             : box == MFInRate       ? kMFRate
                                                     : kMFYears;
    // A box left as shown keeps its value (and still recalculates).
    TakeEditedNumber(box, MFValues[slot]);
    const double value = MFValues[slot];
    // Right-aligned in the box's field; a value longer than the field is shown whole.
    const auto fit = [](const std::string& t, int width) {
        return static_cast<int>(TextLength(t)) > width ? t : RightAlign(t, width);
    };
    std::string text;
    if (box == MFInPrincipal || box == MFInMthPayment) {
        text = fit(mm.CurrencySymbol + FormatNumber(value, "####,,###.00"), 16);
    } else if (box == MFInRate) {
        text = fit(FormatNumber(value, "###.000"), 14) + "%";
    } else {
        text = fit(FormatNumber(value, "###"), 16);
    }
    box->setText(Q(text));
    mm.TypingFlag = 0;
    MFCalc_Click();
}

void MortFindFactor::list_LostFocus() {
    if (ctx_.mm.TypingFlag != 1) return;
    MFCalc_Click();
    ctx_.mm.TypingFlag = 0;
}

}  // namespace bw
