#pragma once

#include <QUrl>
#include <QWidget>

#include "synctypes.h"

class SyncHelper;

namespace Ui {
class BackupWidget;
}

// The page of a signed-in account: who it is, automatic backup on or off,
// how the synchronisation goes, sign-out and the service's documents.
class BackupWidget : public QWidget
{
    Q_OBJECT

public:
    explicit BackupWidget(SyncHelper &helper, QWidget *parent = nullptr);
    ~BackupWidget() override;

    // A document page of the service ("TermsOfUse", "PrivacyPolicy") in the
    // given AppConfig::Language.
    static QUrl documentUrl(const QString &document, int language);

signals:
    void logouted();
    void syncStart();

public slots:
    void startDownloadSlot();
    void endDownloadSlot(bool isSuccess);
    void progressSlot(syncType type, int current, int total, direction o);
    void on_pushButton_signout_clicked();
    void on_pushButton_termsofuse_clicked();
    void on_pushButton_pricacypolicy_clicked();

private:
    void onSwitchToggled(bool checked);
    void requestSync();
    void openDocument(const QString &document);

    Ui::BackupWidget *ui;
    SyncHelper &m_helper;
};
