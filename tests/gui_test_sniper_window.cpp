// The sniper dialog: per-sensor range, default and validity rule, the DPI it shows, what the
// slider and the buttons do, and its size at a scale factor.

#include "panels/tarn_sniper_window.h"
#include "storage/settings_file.h"
#include "support/test_env.h"
#include "widgets/tarn_slider.h"

#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

void storeSensor(int sensor)
{
    QSettings(settingsFilePath(), QSettings::IniFormat).setValue("MouseSenSor/1", sensor);
}

} // namespace

class TestSniperWindow : public QObject {
    Q_OBJECT
private slots:
    void opensAtTheSensorsDefaultStep()
    {
        TempAppFolder folder(true);
        storeSensor(3389);
        TarnSniperWindow dialog(readAppSettings().sensorId, 1.0);
        QCOMPARE(dialog.sensor(), 3389);
        QCOMPARE(int(dialog.value()), 6);
        QCOMPARE(dialog.valueLabel()->text(), QString("300"));
        QCOMPARE(dialog.slider()->minimum(), 2);
        QCOMPARE(dialog.slider()->maximum(), 20);
        QCOMPARE(dialog.slider()->value(), 6);
        QCOMPARE(dialog.size(), QSize(400, 258));
        TarnSniperWindow large(readAppSettings().sensorId, 2.0);
        QCOMPARE(large.size(), QSize(800, 516));
    }

    void storedStepsOutsideTheValidOnesTakeTheDefault_data()
    {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("step");
        QTest::addColumn<QString>("dpi");
        QTest::newRow("3104 27") << 3104 << 27 << 14 << "500";
        QTest::newRow("3104 20") << 3104 << 20 << 20 << "800";
        QTest::newRow("3212 40") << 3212 << 40 << 16 << "600";
    }
    void storedStepsOutsideTheValidOnesTakeTheDefault()
    {
        QFETCH(int, sensor);
        QFETCH(int, stored);
        QFETCH(int, step);
        QFETCH(QString, dpi);
        TempAppFolder folder(true);
        storeSensor(sensor);
        TarnSniperWindow dialog(readAppSettings().sensorId, 1.0);
        QSignalSpy reported(&dialog, &TarnSniperWindow::SetSniperValue);
        dialog.setValue(stored);
        QCOMPARE(int(dialog.value()), step);
        QCOMPARE(dialog.slider()->value(), step);
        QCOMPARE(dialog.valueLabel()->text(), dpi);
        QCOMPARE(reported.count(), 1);
        QCOMPARE(int(reported.at(0).at(0).value<quint8>()), step);
    }

    void aSensorWithoutSniperRangeIsNotChecked()
    {
        TempAppFolder folder(true);
        storeSensor(3389);
        TarnSniperWindow dialog(readAppSettings().sensorId, 1.0);
        dialog.setSensor(3311);
        dialog.setValue(15);
        QCOMPARE(int(dialog.value()), 15);
        QCOMPARE(dialog.valueLabel()->text(), QString("1500"));
        // The slider keeps the range it had.
        QCOMPARE(dialog.slider()->minimum(), 2);
        QCOMPARE(dialog.slider()->maximum(), 20);
        QCOMPARE(dialog.slider()->value(), 15);
        // A sensor the tables do not know shows DPI 0.
        dialog.setSensor(1234);
        QCOMPARE(dialog.valueLabel()->text(), QString("0"));
    }

    void theSliderChoosesSilentlyAndOkKeepsTheChoice()
    {
        TempAppFolder folder(true);
        storeSensor(3389);
        TarnSniperWindow dialog(readAppSettings().sensorId, 1.0);
        QSignalSpy reported(&dialog, &TarnSniperWindow::SetSniperValue);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        // A click at the right end of the groove picks the top step.
        TarnSlider *slider = dialog.slider();
        QTest::mouseClick(slider, Qt::LeftButton, Qt::NoModifier, QPoint(slider->width() - 1, slider->height() / 2));
        QCOMPARE(int(dialog.value()), 20);
        QCOMPARE(dialog.valueLabel()->text(), QString("1000"));
        QCOMPARE(reported.count(), 0);
        QTest::mouseClick(dialog.okButton(), Qt::LeftButton);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(dialog.value()), 20);

        TarnSniperWindow other(readAppSettings().sensorId, 1.0);
        QTimer::singleShot(0, other.cancelButton(), &QToolButton::click);
        QCOMPARE(other.exec(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(TestSniperWindow)
#include "gui_test_sniper_window.moc"
