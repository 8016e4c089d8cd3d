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
    chart()->setTitle(QStringLiteral("Each year's interest and principal, and the balance"));
    chart()->legend()->setAlignment(Qt::AlignBottom);
    chart()->setMargins(QMargins(4, 4, 4, 4));
}

void PlanChart::showYears(const PlanResult& yearly) {
    QChart* c = chart();
    c->removeAllSeries();
    for (QAbstractAxis* axis : c->axes()) {
        c->removeAxis(axis);
        delete axis;
    }
    interest_ = new QBarSet(QStringLiteral("Interest"));
    principal_ = new QBarSet(QStringLiteral("Principal"));
    interest_->setColor(QColor(200, 60, 40));
    principal_->setColor(QColor(40, 110, 190));
    balance_ = new QLineSeries;
    balance_->setName(QStringLiteral("Balance"));
    balance_->setPen(QPen(QColor(20, 140, 40), 2.5));

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
        balance_->append(static_cast<double>(i), balance);
        labels << QString::number(row.number);
        highestBar = std::max(highestBar, interest + principal);
        highestBalance = std::max(highestBalance, balance);
    }
    auto* bars = new QStackedBarSeries;
    bars->append(interest_);
    bars->append(principal_);
    bars->setBarWidth(0.8);
    c->addSeries(bars);
    c->addSeries(balance_);

    auto* years = new QBarCategoryAxis;
    years->append(labels);
    years->setTitleText(QStringLiteral("Year"));
    // Only every fifth year is named when there are many.
    if (labels.size() > 15) {
        QStringList sparse;
        for (int i = 0; i < labels.size(); ++i)
            sparse << ((i + 1) % 5 == 0 || i == 0 ? labels[i] : QString(i, QChar(0x200B)));
        years->clear();
        years->append(sparse);
    }
    auto* paid = new QValueAxis;
    paid->setTitleText(QStringLiteral("Paid in the year"));
    paid->setLabelFormat(QStringLiteral("%.0f"));
    paid->setRange(0, highestBar > 0 ? highestBar * 1.1 : 1);
    auto* owed = new QValueAxis;
    owed->setTitleText(QStringLiteral("Balance"));
    owed->setLabelFormat(QStringLiteral("%.0f"));
    owed->setRange(0, highestBalance > 0 ? highestBalance * 1.05 : 1);
    c->addAxis(years, Qt::AlignBottom);
    c->addAxis(paid, Qt::AlignLeft);
    c->addAxis(owed, Qt::AlignRight);
    bars->attachAxis(years);
    bars->attachAxis(paid);
    balance_->attachAxis(years);
    balance_->attachAxis(owed);
}

int PlanChart::years() const {
    return interest_ ? static_cast<int>(interest_->count()) : 0;
}

double PlanChart::interestOf(int year) const {
    return interest_ ? interest_->at(year - 1) : 0;
}

double PlanChart::principalOf(int year) const {
    return principal_ ? principal_->at(year - 1) : 0;
}

double PlanChart::balanceOf(int year) const {
    return balance_ ? balance_->at(year - 1).y() : 0;
}

}  // namespace bw::plan
