#pragma once
// The planner's chart: each mortgage year's interest and principal (lump sums included) as
// stacked bars, and the balance at the end of each year as a line on an axis of its own.

#include <QChartView>

#include "plan/plan_engine.h"

class QBarCategoryAxis;
class QBarSet;
class QLineSeries;
class QValueAxis;

namespace bw::plan {

class PlanChart : public QChartView {
    Q_OBJECT
  public:
    explicit PlanChart(QWidget* parent = nullptr);

    // Draws the rows of a plan in the yearly view; an empty plan clears the chart.
    void showYears(const PlanResult& yearly);

    // What is drawn: one value a year.
    int years() const;
    double interestOf(int year) const;  // 1-based year, in currency units
    double principalOf(int year) const;
    double balanceOf(int year) const;

  private:
    QBarSet* interest_ = nullptr;
    QBarSet* principal_ = nullptr;
    QLineSeries* balance_ = nullptr;
    QBarCategoryAxis* years_ = nullptr;
    QValueAxis* paid_ = nullptr;
    QValueAxis* owed_ = nullptr;
};

}  // namespace bw::plan
