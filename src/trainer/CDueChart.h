#pragma once

#include <QDate>
#include <QWidget>

#include <vector>

// A bar chart of how many cards fall due on each of the coming days, each bar with its count and
// its day under it.
class CDueChart : public QWidget {
public:
    explicit CDueChart(QWidget* parent);

    void ShowForecast(const QString& title, const QDate& firstDay, const std::vector<int>& counts);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
    QDate m_firstDay;
    std::vector<int> m_counts;
};
