#pragma once

#include <QObject>
#include <QTemporaryDir>

class TestReportOutput : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void firstPageVariants_data();
    void firstPageVariants();
    void chartPagesCarryThreeHours();
    void toolUsesTheRecordingsPatient();
    void printsOnlyTheChosenRange_data();
    void printsOnlyTheChosenRange();
    void widgetPaintsOnlyExposedPages();
    void failedPdfWarns();
    void failedCsvSaysSoInStatusBar();
    void proposedNames_data();
    void proposedNames();
    void typedNameGetsItsExtension_data();
    void typedNameGetsItsExtension();

private:
    QString pdfText(const QString &pdf, int page);
    int pdfPages(const QString &pdf);

    QTemporaryDir m_dir;
};
