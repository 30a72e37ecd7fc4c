#include <QComboBox>
#include <QCompleter>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>

#include "appconfig.h"
#include "editdialog.h"
#include "messagebox.h"
#include "patientcontroller.h"
#include "patientinfo.h"
#include "recorddatabase.h"
#include "test_patientui.h"

namespace {

const QString sn = QStringLiteral("SN1");
const QString checkTime = QStringLiteral("20260301223000");

template<typename T>
T *child(QObject *parent, const char *name)
{
    T *widget = parent->findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no widget named %s", name);
    return widget;
}

struct Form
{
    explicit Form(EditDialog &dialog)
        : unit(child<QComboBox>(&dialog, "comboBoxUnit"))
        , height(child<QSpinBox>(&dialog, "spinBoxHeight1"))
        , inches(child<QSpinBox>(&dialog, "spinBoxHeight2"))
        , weight(child<QSpinBox>(&dialog, "spinBoxWeight"))
        , birthday(child<QDateEdit>(&dialog, "dateEdit"))
        , name(child<QLineEdit>(&dialog, "editName"))
        , notes(child<QTextEdit>(&dialog, "editRemarks"))
        , ok(child<QDialogButtonBox>(&dialog, "buttonBox")->button(QDialogButtonBox::Ok))
    {
    }
    QComboBox *unit;
    QSpinBox *height;
    QSpinBox *inches;
    QSpinBox *weight;
    QDateEdit *birthday;
    QLineEdit *name;
    QTextEdit *notes;
    QPushButton *ok;
};

void makePatient(PatientInfo &patient, const QString &name, int unit, double cm, double kg)
{
    patient.reset();
    patient.setName(name);
    patient.setUnit(unit);
    patient.setHeight(cm);
    patient.setWeight(kg);
    patient.setBirthday(QDate(1980, 5, 12));
    patient.setEmpty(name.isEmpty());
}

// The recording's patient as the database has it; empty when it has none.
void loadStored(PatientInfo &patient)
{
    patient.reset();
    RecordDatabase::instance().patientOfRecord(sn + checkTime, patient);
}

} // namespace

void TestEditDialog::init()
{
    m_dir = new QTemporaryDir;
    AppConfig &config = AppConfig::instance();
    QFile::remove(config.path());
    config.load();
    config.setDataDir(m_dir->path());
    QVERIFY(RecordDatabase::instance().openAt(m_dir->path()));
    MessageBox::clearPreAnswers();
    MessageBox::takeAsked();
}

void TestEditDialog::cleanup()
{
    RecordDatabase::instance().close();
    delete m_dir;
    m_dir = nullptr;
}

void TestEditDialog::checksRunInOrder_data()
{
    QTest::addColumn<int>("birthdayInDays");
    QTest::addColumn<int>("unit");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("inches");
    QTest::addColumn<int>("weight");
    QTest::addColumn<QString>("message");

    const QString birthday = QStringLiteral("Please enter the correct birthday");
    const QString weight = QStringLiteral("Please enter the correct weight");
    const QString height = QStringLiteral("Please enter the correct height");
    QTest::newRow("born today is accepted") << 0 << 1 << 170 << 0 << 70 << QString();
    QTest::newRow("born tomorrow is refused before all else") << 1 << 1 << 0 << 0 << 0 << birthday;
    QTest::newRow("5 ft 0 in and 0 lbs: weight before height") << 0 << 0 << 5 << 0 << 0 << weight;
    QTest::newRow("imperial without feet or inches") << 0 << 0 << 0 << 0 << 150 << height;
    QTest::newRow("imperial inches alone are a height") << 0 << 0 << 0 << 3 << 150 << QString();
    QTest::newRow("metric height 0") << 0 << 1 << 0 << 0 << 70 << height;
}

void TestEditDialog::checksRunInOrder()
{
    QFETCH(int, birthdayInDays);
    QFETCH(int, unit);
    QFETCH(int, height);
    QFETCH(int, inches);
    QFETCH(int, weight);
    QFETCH(QString, message);

    PatientController controller;
    controller.load(sn, checkTime);
    EditDialog dialog(&controller);
    QSignalSpy finished(&dialog, &EditDialog::editFinish);
    dialog.show();
    Form form(dialog);
    form.name->setText(QStringLiteral("Ada"));
    form.unit->setCurrentIndex(unit);
    form.birthday->setDate(QDate::currentDate().addDays(birthdayInDays));
    form.height->setValue(height);
    form.inches->setValue(inches);
    form.weight->setValue(weight);
    form.ok->click();

    const QList<MessageBox::Asked> asked = MessageBox::takeAsked();
    PatientInfo stored;
    loadStored(stored);
    if (message.isEmpty()) {
        QVERIFY(asked.isEmpty());
        QCOMPARE(finished.count(), 1);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(stored.name(), QStringLiteral("Ada"));
        return;
    }
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().title, QStringLiteral("Message"));
    QCOMPARE(asked.first().text, message);
    QCOMPARE(asked.first().buttons, int(MessageBox::Ok));
    QVERIFY(dialog.isVisible());
    QCOMPARE(finished.count(), 0);
    QVERIFY(controller.patient()->isEmpty());
    QVERIFY(stored.isEmpty());
}

void TestEditDialog::opensFromTheRightPatient_data()
{
    QTest::addColumn<QString>("ownName");
    QTest::addColumn<QString>("defaultName");
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<int>("shownUnit");
    QTest::addColumn<int>("shownHeight");

    QTest::newRow("the recording's own details") << "Own" << "Default" << 0 << "Own" << 1 << 170;
    QTest::newRow("the default patient when the recording has none") << "" << "Default" << 0 << "Default" << 0 << 5;
    QTest::newRow("neither, in English: imperial") << "" << "" << 0 << "" << 0 << 0;
    QTest::newRow("neither, in Chinese: metric") << "" << "" << 1 << "" << 1 << 0;
}

void TestEditDialog::opensFromTheRightPatient()
{
    QFETCH(QString, ownName);
    QFETCH(QString, defaultName);
    QFETCH(int, language);
    QFETCH(QString, shownName);
    QFETCH(int, shownUnit);
    QFETCH(int, shownHeight);

    AppConfig &config = AppConfig::instance();
    config.setLanguage(language);
    makePatient(config.defaultPatient(), defaultName, PatientInfo::Imperial, 180, 80);
    PatientController controller;
    controller.load(sn, checkTime);
    makePatient(*controller.patient(), ownName, PatientInfo::Metric, 170, 60);

    EditDialog dialog(&controller);
    Form form(dialog);
    QCOMPARE(form.name->text(), shownName);
    QCOMPARE(form.unit->currentIndex(), shownUnit);
    QCOMPARE(form.height->value(), shownHeight);
    QCOMPARE(form.inches->isHidden(), shownUnit == PatientInfo::Metric);
}

void TestEditDialog::unitSwitchConverts_data()
{
    QTest::addColumn<double>("cm");
    QTest::addColumn<double>("kg");
    QTest::addColumn<int>("feet");
    QTest::addColumn<int>("inches");
    QTest::addColumn<int>("pounds");
    QTest::addColumn<int>("backCm");
    QTest::addColumn<int>("backKg");

    QTest::newRow("180 cm 80 kg") << 180.0 << 80.0 << 5 << 11 << 176 << 180 << 80;
    QTest::newRow("152.3 cm rounds up to 5 ft 0 in") << 152.3 << 70.0 << 5 << 0 << 154 << 152 << 70;
}

void TestEditDialog::unitSwitchConverts()
{
    QFETCH(double, cm);
    QFETCH(double, kg);
    QFETCH(int, feet);
    QFETCH(int, inches);
    QFETCH(int, pounds);
    QFETCH(int, backCm);
    QFETCH(int, backKg);

    PatientController controller;
    controller.load(sn, checkTime);
    makePatient(*controller.patient(), QStringLiteral("Ada"), PatientInfo::Metric, cm, kg);
    EditDialog dialog(&controller);
    Form form(dialog);

    form.unit->setCurrentIndex(0);
    QCOMPARE(form.height->value(), feet);
    QCOMPARE(form.inches->value(), inches);
    QCOMPARE(form.weight->value(), pounds);
    QCOMPARE(form.weight->suffix(), QStringLiteral(" lbs"));
    QVERIFY(!form.inches->isHidden());

    form.unit->setCurrentIndex(1);
    QCOMPARE(form.height->value(), backCm);
    QCOMPARE(form.weight->value(), backKg);
    QCOMPARE(form.height->suffix(), QStringLiteral(" cm"));
    QVERIFY(form.inches->isHidden());
}

void TestEditDialog::imperialEntryIsStoredMetric()
{
    PatientController controller;
    controller.load(sn, checkTime);
    EditDialog dialog(&controller);
    dialog.show();
    Form form(dialog);
    QCOMPARE(form.unit->currentIndex(), 0);
    form.height->setValue(5);
    form.inches->setValue(11);
    form.weight->setValue(154);
    form.ok->click();

    PatientInfo stored;
    loadStored(stored);
    QVERIFY(!stored.isEmpty());
    QCOMPARE(stored.unit(), int(PatientInfo::Imperial));
    QCOMPARE(stored.height(), 180.0);
    QVERIFY(qAbs(stored.weight() - 69.8532296) < 1e-6);
}

void TestEditDialog::untouchedMetricValuesKeepTheirDecimals_data()
{
    QTest::addColumn<double>("storedKg");
    QTest::addColumn<int>("typedKg");
    QTest::addColumn<double>("savedKg");

    QTest::newRow("left alone") << 69.853 << -1 << 69.853;
    QTest::newRow("typed over") << 69.853 << 72 << 72.0;
    QTest::newRow("beyond the box: saved as shown") << 450.0 << -1 << 300.0;
}

void TestEditDialog::untouchedMetricValuesKeepTheirDecimals()
{
    QFETCH(double, storedKg);
    QFETCH(int, typedKg);
    QFETCH(double, savedKg);

    PatientController controller;
    controller.load(sn, checkTime);
    makePatient(*controller.patient(), QStringLiteral("Ada"), PatientInfo::Metric, 170, storedKg);
    EditDialog dialog(&controller);
    dialog.show();
    Form form(dialog);
    if (typedKg >= 0)
        form.weight->setValue(typedKg);
    form.ok->click();

    PatientInfo stored;
    loadStored(stored);
    QCOMPARE(stored.weight(), savedKg);
}

void TestEditDialog::completionFillsTheChosenPerson()
{
    PatientInfo ada;
    makePatient(ada, QStringLiteral("Ada"), PatientInfo::Metric, 165, 55);
    ada.setSex(1);
    ada.setUserId(QStringLiteral("A-1"));
    ada.setPhysician(QStringLiteral("Dr. Kim"));
    QVERIFY(RecordDatabase::instance().saveSearchPatient(ada));

    PatientController controller;
    controller.load(sn, checkTime);
    EditDialog dialog(&controller);
    Form form(dialog);
    QCOMPARE(form.unit->currentIndex(), 0);
    QCompleter *completer = form.name->completer();
    QVERIFY(completer);
    completer->setCompletionPrefix(QStringLiteral("ad"));
    const QModelIndex row = completer->completionModel()->index(0, 0);
    QVERIFY(row.isValid());
    emit completer->activated(row);

    QCOMPARE(form.name->text(), QStringLiteral("Ada"));
    QCOMPARE(child<QLineEdit>(&dialog, "editID")->text(), QStringLiteral("A-1"));
    QCOMPARE(child<QLineEdit>(&dialog, "editPhysician")->text(), QStringLiteral("Dr. Kim"));
    QCOMPARE(child<QComboBox>(&dialog, "comboBox_gender")->currentIndex(), 1);
    QCOMPARE(form.birthday->date(), QDate(1980, 5, 12));
    QCOMPARE(form.unit->currentIndex(), 1);
    QCOMPARE(form.height->value(), 165);
    QCOMPARE(form.weight->value(), 55);
}

void TestEditDialog::typedThirdLineBreakHasNoEffect()
{
    PatientController controller;
    controller.load(sn, checkTime);
    EditDialog dialog(&controller);
    Form form(dialog);
    QTest::keyClicks(form.notes, QStringLiteral("a"));
    QTest::keyClick(form.notes, Qt::Key_Return);
    QTest::keyClicks(form.notes, QStringLiteral("b"));
    QTest::keyClick(form.notes, Qt::Key_Return);
    QTest::keyClicks(form.notes, QStringLiteral("c"));
    QTest::keyClick(form.notes, Qt::Key_Return);
    QTest::keyClicks(form.notes, QStringLiteral("d"));
    QCOMPARE(form.notes->toPlainText(), QStringLiteral("a\nb\ncd"));
}

void TestEditDialog::pastedNoteIsTrimmed_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("cursorAt");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursorAfter");

    const QString x250(250, QLatin1Char('x'));
    QTest::newRow("250 characters keep 200") << "" << 0 << x250 << QString(200, 'x') << 200;
    QTest::newRow("the note around a paste stays")
        << "hello world" << 5 << x250 << QStringLiteral("hello") + QString(189, 'x') + QStringLiteral(" world") << 194;
    QTest::newRow("line breaks past the third line go, their text stays")
        << "" << 0 << "1\n2\n3\n4" << "1\n2\n34" << 6;
    QTest::newRow("a full note takes nothing more") << QString(200, 'y') << 100 << "zz" << QString(200, 'y') << 100;
}

void TestEditDialog::pastedNoteIsTrimmed()
{
    QFETCH(QString, before);
    QFETCH(int, cursorAt);
    QFETCH(QString, pasted);
    QFETCH(QString, after);
    QFETCH(int, cursorAfter);

    PatientController controller;
    controller.load(sn, checkTime);
    EditDialog dialog(&controller);
    Form form(dialog);
    form.notes->setPlainText(before);
    QTextCursor cursor = form.notes->textCursor();
    cursor.setPosition(cursorAt);
    form.notes->setTextCursor(cursor);
    form.notes->insertPlainText(pasted);

    QCOMPARE(form.notes->toPlainText(), after);
    QCOMPARE(form.notes->textCursor().position(), cursorAfter);
}

void TestEditDialog::failedSaveIsReportedAndChangesNothing()
{
    PatientController controller;
    controller.load(sn, checkTime);
    EditDialog dialog(&controller);
    QSignalSpy finished(&dialog, &EditDialog::editFinish);
    dialog.show();
    Form form(dialog);
    form.name->setText(QStringLiteral("Eve"));
    form.unit->setCurrentIndex(1);
    form.height->setValue(170);
    form.weight->setValue(60);
    RecordDatabase::instance().close();
    form.ok->click();

    const QList<MessageBox::Asked> asked = MessageBox::takeAsked();
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().icon, QMessageBox::Critical);
    QVERIFY(dialog.isVisible());
    QCOMPARE(finished.count(), 0);
    QVERIFY(controller.patient()->isEmpty());
    QVERIFY(controller.patient()->name().isEmpty());
}
