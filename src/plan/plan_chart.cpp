#include "plan/plan_chart.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QChart>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QValueAxis>
#include <algorithm>

namespace bw::plan {

PlanChart::PlanChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("Chart"));
    setRenderHint(QPainter::Antialiasing);
    setAccessibleName(QStringLiteral("Interest, principal and balance by year"));
    QChart* c = chart();
    c->setTitle(QStringLiteral("Each year's interest and principal, and the balance"));
    c->legend()->setAlignment(Qt::AlignBottom);
    c->setMargins(QMargins(4, 4, 4, 4));

    interest_ = new QBarSet(QStringLiteral("Interest"));
    principal_ = new QBarSet(QStringLiteral("Principal"));
    interest_->setColor(QColor(200, 60, 40));
    principal_->setColor(QColor(40, 110, 190));
    auto* bars = new QStackedBarSeries;
    bars->append(interest_);
    bars->append(principal_);
    bars->setBarWidth(0.8);
    balance_ = new QLineSeries;
    balance_->setName(QStringLiteral("Balance"));
    balance_->setPen(QPen(QColor(20, 140, 40), 2.5));
    c->addSeries(bars);
    c->addSeries(balance_);

    years_ = new QBarCategoryAxis;
    years_->setTitleText(QStringLiteral("Year"));
    QFont small = years_->labelsFont();
    small.setPointSize(7);
    years_->setLabelsFont(small);
    paid_ = new QValueAxis;
    paid_->setTitleText(QStringLiteral("Paid in the year"));
    owed_ = new QValueAxis;
    owed_->setTitleText(QStringLiteral("Balance"));
    for (QValueAxis* axis : {paid_, owed_}) {
        axis->setLabelFormat(QStringLiteral("%.0f"));
        axis->setTickCount(5);
    }
    c->addAxis(years_, Qt::AlignBottom);
    c->addAxis(paid_, Qt::AlignLeft);
    c->addAxis(owed_, Qt::AlignRight);
    bars->attachAxis(years_);
    bars->attachAxis(paid_);
    balance_->attachAxis(years_);
    balance_->attachAxis(owed_);
}

void PlanChart::showYears(const PlanResult& yearly) {
    interest_->remove(0, interest_->count());
    principal_->remove(0, principal_->count());
    QList<QPointF> points;
    QStringList labels;
    double highestBar = 0;
    double highestBalance = 0;
    for (std::size_t i = 0; i < yearly.rows.size(); ++i) {
        const PlanRow& row = yearly.rows[i];
        const double interest = static_cast<double>(row.interest) / 100;
        const double principal = static_cast<double>(row.principal + row.lump) / 100;
        const double balance = static_cast<double>(row.balance) / 100;
        *interest_ << interest;
        *principal_ << principal;
        points.append(QPointF(static_cast<double>(i), balance));
        labels << QString::number(row.number);
        highestBar = std::max(highestBar, interest + principal);
        highestBalance = std::max(highestBalance, balance);
    }
    balance_->replace(points);
    years_->clear();
    years_->append(labels);
    paid_->setRange(0, highestBar > 0 ? highestBar * 1.1 : 1);
    owed_->setRange(0, highestBalance > 0 ? highestBalance * 1.05 : 1);
    paid_->applyNiceNumbers();
    owed_->applyNiceNumbers();
}

int PlanChart::years() const {
    return static_cast<int>(interest_->count());
}

double PlanChart::interestOf(int year) const {
    return interest_->at(year - 1);
}

double PlanChart::principalOf(int year) const {
    return principal_->at(year - 1);
}

double PlanChart::balanceOf(int year) const {
    return balance_->at(year - 1).y();
}

}  // namespace bw::plan
