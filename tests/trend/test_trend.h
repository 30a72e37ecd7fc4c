#pragma once

#include <QObject>

#include <memory>

#include "trendfixture.h"

class TestTrendData : public QObject
{
    Q_OBJECT

private slots:
    void valueRules_data();
    void valueRules();
    void timeOffsets_data();
    void timeOffsets();
    void sameSlotKeepsLowestAndHighest_data();
    void sameSlotKeepsLowestAndHighest();
    void oneQueryGivesThePerRecordValues();
};

class TestTrendWidget : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void buttonsFollowBranchCode_data();
    void buttonsFollowBranchCode();
    void axesFollowButtons_data();
    void axesFollowButtons();
    void axisLabels();
    void sameDayNightsDrawAsOneBar();
    void panningReachesOlderNightsAndRightClickRestores();
    void recorderWithoutNightsShowsEmptyAxes();

private:
    std::unique_ptr<TrendDatabase> m_db;
};
