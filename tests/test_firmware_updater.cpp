// The firmware updater's start: detached, with its own full path as its argument, or a reason
// why it could not start.

#include "platform/firmware_updater.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestFirmwareUpdater : public QObject {
    Q_OBJECT
private slots:
    void startsDetachedWithItsOwnPath()
    {
        QTemporaryDir dir;
        const QString updater = dir.filePath("updater.exe");
        const QString seen = dir.filePath("argument");
        QFile script(updater);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\nprintf '%s' \"$1\" > '%1'\n").arg(seen).toUtf8());
        script.close();
        QVERIFY(script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QString error;
        QVERIFY2(startFirmwareUpdater(updater, &error), qPrintable(error));
        const auto written = [&] {
            QFile argument(seen);
            return argument.open(QIODevice::ReadOnly) ? QString::fromUtf8(argument.readAll()) : QString();
        };
        QTRY_COMPARE(written(), updater);
    }

    void failuresAreReported()
    {
        QTemporaryDir dir;
        QString error;
        QVERIFY(!startFirmwareUpdater(dir.filePath("missing.exe"), &error));
        QVERIFY(error.contains("does not exist"));
        const QString plain = dir.filePath("plain.exe"); // not executable
        QFile file(plain);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("MZ");
        file.close();
        QVERIFY(file.setPermissions(QFile::ReadOwner | QFile::WriteOwner));
        error.clear();
        QVERIFY(!startFirmwareUpdater(plain, &error));
        QVERIFY(error.contains("could not be started"));
    }
};

QTEST_GUILESS_MAIN(TestFirmwareUpdater)
#include "test_firmware_updater.moc"
