#pragma once

#include <QMainWindow>
#include <QModelIndexList>
#include <QPointer>
#include <QStringList>

class DeviceController;
struct ReportInput;
class MyTreeViewModel;
class QDialog;
class QLabel;
class QProgressBar;
class QTimer;

namespace Ui {
class MainWindow;
}

// The program's one main window: the command buttons, the record tree, the
// report or trend area and the status bar. It drives the download controller
// with a periodic ping, a download and the reads behind the device settings;
// one busy flag keeps those exchanges from overlapping.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    static constexpr int pingIntervalMs = 5000;
    static constexpr int statusMessageMs = 8000;

    // Takes ownership of the controller; without one there is never a recorder.
    explicit MainWindow(DeviceController *controller = nullptr, QWidget *parent = nullptr);
    ~MainWindow() override;

    bool isBusy() const { return m_busy; }
    MyTreeViewModel *treeModel() const { return m_treeModel; }
    static QString downloadEndMessage(int errorCode);

signals:
    void pingDeviceStart();
    void cloudLogin(QString username, QString password);
    void startDownload();
    void startSetting();

public slots:
    void changeBtnFromBranchCode(bool isContruct = false);
    void onEndSetting();
    void onUnitTypeChanged();
    void on_pushButton_Download_clicked();
    void on_pushButton_print_clicked();
    void on_pushButton_pdf_clicked();
    void on_pushButton_csv_clicked();
    void on_pushButton_edit_clicked();
    void on_btnSetting_clicked();
    void on_selectItemChanged(QModelIndex current, QModelIndex previous);
    void on_recordDeleted(QModelIndexList indexes);
    void onDownloadEnd(int errorCode);
    void onDownloadFileEnd(QString sn, QString checktime);
    void on_btnAbout_clicked();
    void on_btnContact_clicked();
    void getDownloadProgress(QString downloadFileName, int value, int max);
    void on_pushButton_dev_setting_clicked();
    void on_btnFaq_clicked();
    void on_btnCloud_clicked();

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void onVersionChecked(bool isOK, bool existNew, const QString &newVer, const QString &newVerUrl);
    void onPingTick();
    void onPingResult(bool detected, bool isAESComm);

private:
    void setUpButtons();
    void setUpStatusBar();
    void restoreGeometry();
    void setStatus(bool connected, const QString &text);
    void setDownloadButtonsEnabled(bool enabled);
    void setReportButtonsVisible(bool visible);
    void showInReportArea(QWidget *widget);
    void clearReportArea();
    ReportInput reportInput() const;
    bool hasSelectedReport() const;
    void showEmptyHint();
    void openDialog(QDialog *dialog);
    void shutDownController();
    static void waitMs(int milliseconds);

    DeviceController *m_controller;
    Ui::MainWindow *ui;
    bool m_busy = false;
    bool m_recordLoaded = false;
    MyTreeViewModel *m_treeModel = nullptr;
    QPointer<QWidget> m_reportWidget;
    QPointer<QWidget> m_trendWidget;
    QLabel *m_statusImage = nullptr;
    QLabel *m_statusText = nullptr;
    QLabel *m_progressLabel = nullptr;
    QProgressBar *m_progressBar = nullptr;
    QTimer *m_pingTimer = nullptr;
    QStringList m_storeProblems;   // of the running download
};
