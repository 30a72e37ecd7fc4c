// Pictures of the main windows and dialogs in one language, for looking at
// layouts by eye: `make screenshots` writes build/screenshots/<language>/.
// Runs on the offscreen platform against the simulated recorder.
#include <QApplication>
#include <QDir>
#include <QTranslator>
#include <QTreeView>

#include "aboutdlg.h"
#include "appconfig.h"
#include "appshell.h"
#include "backupwidget.h"
#include "clouddialog.h"
#include "commcontroller.h"
#include "contact.h"
#include "devicesettingdlg.h"
#include "editdialog.h"
#include "mainwindow.h"
#include "mysingleton.h"
#include "oxidatacontroller.h"
#include "patientcontroller.h"
#include "recorddatabase.h"
#include "remarksinputdialog.h"
#include "reportinput.h"
#include "reportpdf.h"
#include "setdatadirdlg.h"
#include "settingdlg.h"
#include "simrecorder.h"

namespace {

QString g_out;

void save(QWidget &w, const QString &name)
{
    w.show();
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    w.grab().save(g_out + QLatin1Char('/') + name + QStringLiteral(".png"));
}

QModelIndex firstLeaf(QAbstractItemModel *model, const QModelIndex &parent = QModelIndex())
{
    if (model->rowCount(parent) == 0)
        return parent;
    return firstLeaf(model, model->index(0, 0, parent));
}

void deviceDialog(const QString &name, const QString &branch, int framing, const QMap<QString, QString> &parameters,
                  const QByteArray &payload = QByteArray(40, '\0'))
{
    SimRecorder::Config c;
    c.branchCode = branch;
    c.framing = framing;
    c.parameters = parameters;
    c.configPayload = payload;
    SimRecorder::configure(c);
    CommController controller;
    if (controller.pingDevice() != 0 || controller.getConfig() != 0) {
        qWarning("%s: the simulated recorder did not answer", qPrintable(name));
        return;
    }
    DeviceSettingDlg dialog(&controller);
    save(dialog, name);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc != 4) {
        qWarning("usage: nocturnix-screenshots DATA_DIR OUT_DIR LANGUAGE");
        return 2;
    }
    const QString dataDir = QString::fromLocal8Bit(argv[1]);
    g_out = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(g_out);

    AppConfig &config = AppConfig::instance();
    config.setFirstStart(false);
    config.setLanguage(QString::fromLatin1(argv[3]).toInt());
    config.setSelectedLanguage(config.language());
    config.setDataDir(dataDir);
    config.setBranchCode(QStringLiteral("2B010000"));
    config.setMaxSized(false);
    QTranslator translator;
    AppShell::loadTranslation(translator);
    QTranslator qtTranslator;
    AppShell::loadQtTranslation(qtTranslator);
    AppShell::applyStyleSheet();
    RecordDatabase::instance().openAt(dataDir);

    MainWindow window;
    window.show();
    window.resize(1440, 900);
    auto *tree = window.findChild<QTreeView *>();
    const QModelIndex night = tree ? firstLeaf(tree->model()) : QModelIndex();
    if (night.isValid())
        tree->setCurrentIndex(night);
    save(window, QStringLiteral("main"));
    if (tree && tree->model()->rowCount() > 0) {
        tree->setCurrentIndex(tree->model()->index(0, 0));
        save(window, QStringLiteral("trend"));
    }

    SettingDlg options(&window);
    save(options, QStringLiteral("options"));
    PatientController patient;
    EditDialog edit(&patient, &window);
    save(edit, QStringLiteral("edit"));
    AboutDlg about(&window);
    save(about, QStringLiteral("about"));
    Contact contact(&window);
    save(contact, QStringLiteral("contact"));
    CloudDialog cloud(MySingleton::instance().syncHelper(), &window);
    save(cloud, QStringLiteral("cloud"));
    BackupWidget backup(MySingleton::instance().syncHelper());
    save(backup, QStringLiteral("cloud-backup"));
    SetDataDirDlg firstStart;
    save(firstStart, QStringLiteral("first-start"));
    remarksInputDialog mark(&window);
    save(mark, QStringLiteral("mark"));

    deviceDialog(QStringLiteral("device-wrist"), QStringLiteral("2B010000"), 1, {{"OxiSwitch", "1"}, {"CurBuzzer", "60"}});
    deviceDialog(QStringLiteral("device-ring"), QStringLiteral("24010000"), 1, {{"OxiSwitch", "1"}});
    deviceDialog(QStringLiteral("device-baby"), QStringLiteral("27010003"), 1, {{"IvSW", "1"}, {"IvThr", "60"}});
    QByteArray blockA(40, '\0');
    const char bytes[] = {0x33, 90, 50, 120, 60, 0, 0, 1, 4};
    std::copy(std::begin(bytes), std::end(bytes), blockA.begin());
    deviceDialog(QStringLiteral("device-blocka"), QStringLiteral("2D010001"), 2, {}, blockA);

    // The report of each recorder's newest night, and the first of them
    // again as the two report variants of their own.
    const RecordMap records = RecordDatabase::instance().allRecords();
    auto writeReport = [&](const CheckInfo &r, const QString &branch, const QString &name) {
        QSharedPointer<OxiDataController> recording(
            new OxiDataController(dataDir + QLatin1Char('/') + r.sn + QLatin1Char('/') + r.checktime, branch));
        ReportInput input = ReportInput::fromOpenRecording(recording, nullptr);
        input.sn = r.sn;
        input.checkTime = r.checktime;
        input.branchCode = branch;
        ReportPdf::writeFile(input, g_out + QLatin1Char('/') + name + QStringLiteral(".pdf"));
    };
    int n = 0;
    for (auto it = records.begin(); it != records.end(); ++it) {
        if (it->isEmpty())
            continue;
        const CheckInfo r = it->first();
        const DeviceInfoPtr device = RecordDatabase::instance().device(r.sn);
        writeReport(r, device ? device->branchCode() : QString(), QStringLiteral("report%1").arg(++n));
        if (n == 1) {
            writeReport(r, QStringLiteral("2B010102"), QStringLiteral("report-drops"));
            writeReport(r, QStringLiteral("24010004"), QStringLiteral("report-oxygen-level"));
        }
    }
    return 0;
}
