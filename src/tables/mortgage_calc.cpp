// The tables window (first outline: controls in place; behaviour follows).

#include "tables/mortgage_calc.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "shell/ms_grid.h"

namespace bw {

MortgageCalc::MortgageCalc(AppContext& ctx, QWidget* parent) : QWidget(parent), ctx_(ctx) {
    buildControls();
}

MortgageCalc::~MortgageCalc() = default;

void MortgageCalc::buildControls() {
    auto name = [](QWidget* w, const char* n) {
        w->setObjectName(QString::fromLatin1(n));
        return w;
    };
    InPrincipal = new QLineEdit(this);
    name(InPrincipal, "InPrincipal");
    InRate = new QComboBox(this);
    name(InRate, "InRate");
    InTerm = new QComboBox(this);
    name(InTerm, "InTerm");
    Comperiod = new QComboBox(this);
    name(Comperiod, "Comperiod");
    FreqPmt = new QComboBox(this);
    name(FreqPmt, "FreqPmt");
    Option1 = new QRadioButton(this);
    name(Option1, "Option1");
    Option2 = new QRadioButton(this);
    name(Option2, "Option2");
    for (auto [p, n] : {std::pair{&MCalc, "MCalc"},
                        {&MAddPrePay, "MAddPrePay"},
                        {&MShowIRF, "MShowIRF"},
                        {&MTerm, "MTerm"},
                        {&MDateNumber, "MDateNumber"},
                        {&MLoadFile, "MLoadFile"},
                        {&MSaveFile, "MSaveFile"},
                        {&MPrinter, "MPrinter"},
                        {&MGraphs, "MGraphs"},
                        {&MHelp, "MHelp"},
                        {&MExit, "MExit"}}) {
        *p = new QPushButton(this);
        name(*p, n);
    }
    MTextBox = new QPlainTextEdit(this);
    name(MTextBox, "MTextBox");
    MGrid = new MSGrid(this);
    name(MGrid, "MGrid");
    for (auto [p, n] : {std::pair{&InDays, "InDays"},  {&PeriodicR, "PeriodicR"},
                        {&NumPmtsYear, "NumPmtsYear"}, {&InMonthPI, "InMonthPI"},
                        {&EndMortYear, "EndMortYear"}, {&AllPayments, "AllPayments"},
                        {&TotSavd, "TotSavd"},         {&Label1, "Label1"},
                        {&Label2, "Label2"},           {&Label3, "Label3"},
                        {&Label4, "Label4"},           {&Label5, "Label5"},
                        {&Label6, "Label6"},           {&Label7, "Label7"},
                        {&Label8, "Label8"},           {&Label9, "Label9"},
                        {&Label10, "Label10"},         {&Label11, "Label11"},
                        {&Label12, "Label12"},         {&Label13, "Label13"}}) {
        *p = new QLabel(this);
        name(*p, n);
    }
}

void MortgageCalc::reset() {}
void MortgageCalc::showPrincipal() {}
void MortgageCalc::showRate() {}
void MortgageCalc::showPeriod() {}
void MortgageCalc::setCompoundingText(const std::string&) {}
void MortgageCalc::setFrequencyText(const std::string&) {}
std::string MortgageCalc::compoundingText() const {
    return Comperiod->currentText().toStdString();
}
std::string MortgageCalc::frequencyText() const {
    return FreqPmt->currentText().toStdString();
}
void MortgageCalc::selectRowView(std::int16_t) {}
bool MortgageCalc::eventFilter(QObject* watched, QEvent* event) {
    return QWidget::eventFilter(watched, event);
}
void MortgageCalc::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
}
void MortgageCalc::MCalc_Click() {}

}  // namespace bw
