#include "storage/app_paths.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestAppPaths : public QObject {
    Q_OBJECT
private slots:
    void overrideIsTheWholeApplicationFolder()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        QCOMPARE(AppPaths::configsFolder(), dir.path() + "/Configs");
        // No model description in DIR: the shipped one, as for skin and translations; one there
        // (even an empty one) is used.
        QCOMPARE(AppPaths::modelDescriptionPath(), AppPaths::resourceFolder() + "/DefaultProfile.bin");
        QFile(dir.path() + "/DefaultProfile.bin").open(QIODevice::WriteOnly);
        QCOMPARE(AppPaths::modelDescriptionPath(), dir.path() + "/DefaultProfile.bin");
        // No skin in DIR: the shipped one is used.
        QVERIFY(!AppPaths::skinFolder().startsWith(dir.path()));
        QDir(dir.path()).mkdir("skin");
        QCOMPARE(AppPaths::skinFolder(), dir.path() + "/skin");
    }

    void prepareSeedsSettingsOnceAndKeepsEdits()
    {
        QTemporaryDir dir;
        AppPaths::setDataDirOverride(dir.path());
        QVERIFY(AppPaths::prepareDataFolder());
        QVERIFY(QFileInfo::exists(dir.path() + "/Configs/MacroDB"));
        const QString settings = dir.path() + "/Configs/Config.ini";
        if (!QFileInfo::exists(AppPaths::settingsTemplatePath()))
            QSKIP("no shipped settings template in this build");
        QVERIFY(QFileInfo::exists(settings));
        QFile f(settings);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[Config]\nLangID=2\n");
        f.close();
        QVERIFY(AppPaths::prepareDataFolder());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("[Config]\nLangID=2\n"));
    }
};

QTEST_GUILESS_MAIN(TestAppPaths)
#include "test_app_paths.moc"
