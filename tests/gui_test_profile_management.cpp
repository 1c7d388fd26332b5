// Profile management through the real window on the simulated mouse: the library on disk and in
// the profile-file menu, the slot buttons, and every refusal leaving list, files and slots alone.

#include "support/box_answers.h"
#include "support/window_rig.h"

#include "device/device_state.h"
#include "storage/profile_files.h"
#include "storage/storage_result.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/tarn_push_button.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QtTest>

namespace {

using W = MousecfgWidget;

void click(MousecfgWidget &w, int button) { QTest::mouseClick(w.button(button), Qt::LeftButton); }

void enterName(MousecfgWidget &w, const QString &name)
{
    w.nameEdit()->setText(name);
    QTest::keyClick(w.nameEdit(), Qt::Key_Return);
}

QStringList menuNames(MousecfgWidget &w)
{
    QStringList names;
    for (QAction *action : w.profileFileMenu()->actions()) {
        if (action->isCheckable()) // the stored profiles, not the entries after them
            names << action->data().toString();
    }
    return names;
}

void choose(MousecfgWidget &w, const QString &name)
{
    for (QAction *action : w.profileFileMenu()->actions()) {
        if (action->data().toString() == name)
            action->trigger();
    }
}

QStringList reserved() { return {"Profile 1", "Profile 2", "Profile 3", "Profile 4", "Profile 5"}; }

QString slotName(MousecfgWidget &w, int slot) { return w.workingSet().slotNames[size_t(slot)]; }

// Everything a refusal must leave as it was.
struct Snapshot {
    explicit Snapshot(MousecfgWidget &w, const WindowDataFolder &data)
        : library(w.profileManager().library()), stored(readStoredProfileList()), slotNames(w.workingSet().slotNames),
          current(w.workingSet().current()), files(QDir(data.productFolder() + "/Profile").entryList(QDir::Files))
    {
    }
    bool operator==(const Snapshot &o) const
    {
        return library == o.library && stored == o.stored && slotNames == o.slotNames && current == o.current && files == o.files;
    }
    QStringList library, stored;
    std::array<QString, kProfileSlotCount> slotNames;
    ProfileData current;
    QStringList files;
};

} // namespace

class TestProfileManagement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        qputenv("GSETTINGS_BACKEND", "memory");
        qunsetenv("DISPLAY");
    }
    void init() { g_mouseOff.store(false); }

    void freshDataFolderHoldsTheFiveReservedProfiles()
    {
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        QCOMPARE(w.profileManager().library(), reserved());
        QCOMPARE(readStoredProfileList(), reserved());
        QCOMPARE(menuNames(w), reserved());
        ProfileData expected;
        resetProfile(expected);
        for (int i = 0; i < kProfileSlotCount; ++i) {
            QVERIFY(QFileInfo::exists(data.libraryFile(reserved()[i])));
            QCOMPARE(slotName(w, i), reserved()[i]);
            // The slot holds the default profile, not an all-zero record.
            QCOMPARE(w.workingSet().profiles[size_t(i)].dpiInfo, expected.dpiInfo);
        }
        QCOMPARE(w.nameEdit()->text(), QString("Profile 1"));
    }

    // A data folder of an earlier version: slots named, their files in Configs/Profile, no list.
    void earlierSlotFilesJoinTheLibrary()
    {
        WindowDataFolder data({{"Config/Profile1", "Profile 1"}, {"Config/Profile2", "Game"}});
        ProfileData game;
        resetProfile(game);
        game.pollrate = 8;
        ProfileData first = game;
        first.pollrate = 4;
        QVERIFY(writeProfileFile(first, data.dir.path() + "/Configs/Profile/Profile 1.prof"));
        QVERIFY(writeProfileFile(game, data.dir.path() + "/Configs/Profile/Game.prof"));
        {
            WindowRig rig;
            QCOMPARE(int(rig.window->workingSet().profiles[0].pollrate), 4);
            QCOMPARE(int(rig.window->workingSet().profiles[1].pollrate), 8);
            // Every slot's profile is in the library.
            QCOMPARE(menuNames(*rig.window), reserved() + QStringList({"Game"}));
        }
        // Nothing was applied: the next start still reads the user's values, not fresh defaults.
        ProfileData library;
        readProfileFile(library, data.libraryFile("Profile 1"));
        QCOMPARE(int(library.pollrate), 4);
        WindowRig again;
        QCOMPARE(int(again.window->workingSet().profiles[0].pollrate), 4);
        QCOMPARE(int(again.window->workingSet().profiles[1].pollrate), 8);
    }

    void addCopyAndRename()
    {
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        BoxAnswers boxes;

        click(w, W::BtnAddProfile);
        QCOMPARE(slotName(w, 0), QString("Profile 6"));
        QCOMPARE(w.nameEdit()->text(), QString("Profile 6"));
        QVERIFY(QFileInfo::exists(data.libraryFile("Profile 6")));
        QCOMPARE(readStoredProfileList().last(), QString("Profile 6"));
        QCOMPARE(menuNames(w).size(), 6);

        enterName(w, "Game");
        QCOMPARE(slotName(w, 0), QString("Game"));
        QCOMPARE(w.workingSet().current().ProfileName, QString("Game"));
        QVERIFY(QFileInfo::exists(data.libraryFile("Game")));
        QVERIFY(!QFileInfo::exists(data.libraryFile("Profile 6")));
        QCOMPARE(readStoredProfileList().at(5), QString("Game"));
        QCOMPARE(QSettings(settingsFilePath(), QSettings::IniFormat).value("Config/Profile1").toString(), QString("Game"));

        // Copying Game twice: "Game copy", then "Game copy 2".
        click(w, W::BtnCopyProfile);
        QCOMPARE(slotName(w, 0), QString("Game copy"));
        choose(w, "Game");
        click(w, W::BtnCopyProfile);
        QCOMPARE(slotName(w, 0), QString("Game copy 2"));
        QCOMPARE(readStoredProfileList().mid(5), QStringList({"Game", "Game copy", "Game copy 2"}));
        QVERIFY(boxes.texts.isEmpty());

        // Renaming onto an existing file keeps the old name and file; the edit shows it again.
        Snapshot before(w, data);
        enterName(w, "Game");
        QCOMPARE(boxes.take(), QStringList{"A profile of this name already exists!"});
        QVERIFY(Snapshot(w, data) == before);
        QCOMPARE(w.nameEdit()->text(), QString("Game copy 2"));

        // A name that would leave the folder goes through storage's check.
        enterName(w, "../outside");
        QCOMPARE(boxes.take(), QStringList{storageResultMessage(StorageResult::BadName)});
        QVERIFY(Snapshot(w, data) == before);

        // A reserved profile keeps its name; the edit shows it again.
        QTest::mouseClick(w.profileSlotButton(1), Qt::LeftButton);
        QCOMPARE(w.nameEdit()->text(), QString("Profile 2"));
        Snapshot reservedSlot(w, data);
        enterName(w, "Other");
        QCOMPARE(boxes.take(), QStringList{"The default Profile cannot be deleted or renamed."});
        QCOMPARE(w.nameEdit()->text(), QString("Profile 2"));
        QVERIFY(Snapshot(w, data) == reservedSlot);
        // Nor can it be deleted.
        click(w, W::BtnDeleteProfile);
        QCOMPARE(boxes.take(), QStringList{"The default Profile cannot be deleted or renamed."});
        QVERIFY(Snapshot(w, data) == reservedSlot);
    }

    void deleteChoosesAReplacementInsideTheList()
    {
        WindowDataFolder data({{"Config/Profile1", "B"}, {"Config/Profile2", "A"}});
        data.writeLibrary(reserved() + QStringList({"A", "B", "C"}));
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        for (const QString name : {"A", "B", "C"})
            QVERIFY(writeProfileFile(ProfileData(), data.libraryFile(name)));
        BoxAnswers boxes;

        // Answering no changes nothing.
        Snapshot before(w, data);
        boxes.queue(0);
        click(w, W::BtnDeleteProfile);
        QCOMPARE(boxes.take(), QStringList{"Are you sure you want to delete this profile?"});
        QVERIFY(Snapshot(w, data) == before);

        // B's next entry is C.
        click(w, W::BtnDeleteProfile);
        QCOMPARE(slotName(w, 0), QString("C"));
        QVERIFY(!QFileInfo::exists(data.libraryFile("B")));
        QCOMPARE(readStoredProfileList(), reserved() + QStringList({"A", "C"}));
        // The settings file no longer names the deleted profile.
        QCOMPARE(QSettings(settingsFilePath(), QSettings::IniFormat).value("Config/Profile1").toString(), QString("C"));

        // C is the last entry: the one before it (A) is slot 1's, so the search steps further
        // back past the reserved profiles slots 2..4 use, to "Profile 2".
        click(w, W::BtnDeleteProfile);
        QCOMPARE(slotName(w, 0), QString("Profile 2"));
        QCOMPARE(w.nameEdit()->text(), QString("Profile 2"));
        QCOMPARE(menuNames(w), reserved() + QStringList({"A"}));
        QCOMPARE(boxes.texts.size(), 2); // the two questions
    }

    void deleteRefusals()
    {
        {
            WindowDataFolder data({{"Config/Profile1", "Solo"}, {"Config/Profile2", "X"}, {"Config/Profile3", "Y"},
                                   {"Config/Profile4", "Z"}, {"Config/Profile5", "W"}});
            data.writeLibrary({"Solo"});
            WindowRig rig;
            MousecfgWidget &w = *rig.window;
            QVERIFY(writeProfileFile(ProfileData(), data.libraryFile("Solo")));
            BoxAnswers boxes;
            Snapshot before(w, data);
            click(w, W::BtnDeleteProfile);
            QCOMPARE(boxes.take(), QStringList{"AT LEAST ONE PROFILE MUST BE KEPT."});
            QVERIFY(Snapshot(w, data) == before);
        }
        {
            // Every other entry is used by another slot: nothing can take A's place.
            const QStringList names{"A", "B", "C", "D", "E"};
            QMap<QString, QVariant> names5;
            for (int i = 0; i < names.size(); ++i)
                names5.insert(QString("Config/Profile%1").arg(i + 1), names[i]);
            WindowDataFolder data(names5);
            data.writeLibrary(names);
            WindowRig rig;
            MousecfgWidget &w = *rig.window;
            for (const QString &name : names)
                QVERIFY(writeProfileFile(ProfileData(), data.libraryFile(name)));
            BoxAnswers boxes;
            Snapshot before(w, data);
            click(w, W::BtnDeleteProfile);
            const QStringList texts = boxes.take();
            QCOMPARE(texts.size(), 2);
            QVERIFY(texts[1].startsWith("No other profile is free"));
            QVERIFY(Snapshot(w, data) == before);
            QVERIFY(QFileInfo::exists(data.libraryFile("A")));
        }
    }

    void choosingStoredProfilesAndSlots()
    {
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        BoxAnswers boxes;

        // Another slot's profile is refused.
        Snapshot before(w, data);
        choose(w, "Profile 2");
        QCOMPARE(boxes.take(), QStringList{"This profile is already used by another slot!"});
        QVERIFY(Snapshot(w, data) == before);

        // A free one is read into the current slot.
        click(w, W::BtnAddProfile);
        ProfileData game;
        resetProfile(game);
        game.pollrate = 8;
        QVERIFY(writeProfileFile(game, data.libraryFile("Profile 1")));
        choose(w, "Profile 1");
        QCOMPARE(slotName(w, 0), QString("Profile 1"));
        QCOMPARE(int(w.workingSet().current().pollrate), 8);
        QVERIFY(boxes.texts.isEmpty());

        // A slot button makes its profile active, on the mouse too, and marks itself.
        QTest::mouseClick(w.profileSlotButton(3), Qt::LeftButton);
        QCOMPARE(int(w.workingSet().ProfileID), 3);
        QCOMPARE(w.nameEdit()->text(), QString("Profile 4"));
        for (int k = 0; k < kProfileSlotCount; ++k)
            QCOMPARE(w.profileSlotButton(k)->isOn(), k == 3);
        QCOMPARE(rig.mouse.activeProfile(), 3);
        QCOMPARE(QSettings(settingsFilePath(), QSettings::IniFormat).value("Config/ProfileID").toInt(), 3);
        // The slot menu does the same.
        w.slotMenu()->actions().at(1)->trigger();
        QCOMPARE(int(w.workingSet().ProfileID), 1);
        QCOMPARE(rig.mouse.activeProfile(), 1);
        QVERIFY(w.profileSlotButton(1)->isOn());
    }

    void theLibraryStopsAtTwoHundred()
    {
        WindowDataFolder data;
        QStringList names = reserved();
        for (int i = names.size(); i < 200; ++i)
            names << QString("Stored %1").arg(i);
        data.writeLibrary(names);
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        FileAnswers files;
        BoxAnswers boxes;
        QCOMPARE(menuNames(w).size(), 200);
        Snapshot before(w, data);
        click(w, W::BtnAddProfile);
        click(w, W::BtnCopyProfile);
        ProfileData imported;
        const QString source = data.dir.path() + "/Imported.prof";
        QVERIFY(writeProfileFile(imported, source));
        QVERIFY(writeProductTag(source, "DRUV M7 Wireless"));
        files.queue(source);
        click(w, W::BtnImportProfile);
        QCOMPARE(boxes.texts.size(), 3);
        for (const QString &text : boxes.texts)
            QVERIFY2(text.contains("200"), qPrintable(text));
        QVERIFY(Snapshot(w, data) == before);
    }

    void importExportAndFailingFiles()
    {
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        QTRY_VERIFY(rig.mouse.receivedReports().size() >= 1); // the poller's first query
        FileAnswers files;
        BoxAnswers boxes;

        // Export: the stored file with the product tag.
        const QString exported = data.dir.path() + "/out.prof";
        files.queue(exported);
        click(w, W::BtnExportProfile);
        QCOMPARE(files.requests.back().title, QString("Save Profile File"));
        QCOMPARE(files.requests.back().filter, QString("Profile File(*.prof)"));
        QCOMPARE(readProductTag(exported), QString("DRUV M7 Wireless"));
        ProfileData a, b;
        readProfileFile(a, exported);
        readProfileFile(b, data.libraryFile("Profile 1"));
        QVERIFY(a == b);

        // A file that cannot be written is reported; nothing changes.
        Snapshot before(w, data);
        files.queue(data.dir.path()); // a folder
        click(w, W::BtnExportProfile);
        files.queue(data.dir.path());
        click(w, W::BtnSaveConfig);
        QCOMPARE(boxes.take(), QStringList({"The file could not be read or written.", "The file could not be read or written."}));
        QVERIFY(Snapshot(w, data) == before);

        // Another product's file is refused.
        const QString foreign = data.dir.path() + "/Foreign.prof";
        QVERIFY(writeProfileFile(ProfileData(), foreign));
        QVERIFY(writeProductTag(foreign, "Another Mouse"));
        files.queue(foreign);
        click(w, W::BtnImportProfile);
        QCOMPARE(boxes.take(), QStringList{"Foreign.prof: This file is for a different mouse model."});
        QVERIFY(Snapshot(w, data) == before);

        // A good one joins the library, fills the slot and is sent.
        ProfileData fast;
        resetProfile(fast);
        fast.pollrate = 8;
        const QString source = data.dir.path() + "/Fast.prof";
        QVERIFY(writeProfileFile(fast, source));
        QVERIFY(writeProductTag(source, "DRUV M7 Wireless"));
        files.queue(source);
        click(w, W::BtnImportProfile);
        QVERIFY(boxes.texts.isEmpty());
        QCOMPARE(slotName(w, 0), QString("Fast"));
        QCOMPARE(menuNames(w).last(), QString("Fast"));
        QCOMPARE(int(rig.mouse.settings().pollRate[0]), 8);
        // Twice is refused.
        files.queue(source);
        click(w, W::BtnImportProfile);
        QCOMPARE(boxes.take(), QStringList{"A profile of this name already exists!"});
        QCOMPARE(readStoredProfileList().count("Fast"), 1);

        // RESET puts the defaults into the slot, keeps its name and sends them.
        click(w, W::BtnResetProfile);
        QCOMPARE(boxes.take(), QStringList{"Are you sure you want to reset this profile?"});
        QCOMPARE(slotName(w, 0), QString("Fast"));
        ProfileData defaults;
        resetProfile(defaults);
        QVERIFY(defaults.pollrate != 8);
        QCOMPARE(int(rig.mouse.settings().pollRate[0]), int(defaults.pollrate));
    }

    void resetAndResetAll()
    {
        WindowDataFolder data;
        WindowRig rig;
        MousecfgWidget &w = *rig.window;
        QTRY_VERIFY(rig.mouse.receivedReports().size() >= 1);
        BoxAnswers boxes;
        click(w, W::BtnAddProfile);
        const int marks = int(rig.mouse.downloadMarks().size());
        boxes.queue(0);
        click(w, W::BtnResetAll);
        QCOMPARE(boxes.take(), QStringList{"Are you sure you want to reset all profiles?"});
        QCOMPARE(int(rig.mouse.downloadMarks().size()), marks);
        QCOMPARE(slotName(w, 0), QString("Profile 6"));

        click(w, W::BtnResetAll);
        QCOMPARE(boxes.take(), QStringList{"Are you sure you want to reset all profiles?"});
        for (int i = 0; i < kProfileSlotCount; ++i)
            QCOMPARE(slotName(w, i), reserved()[i]);
        // Sent whole: every block closed once more.
        QCOMPARE(int(rig.mouse.downloadMarks().size()), marks + 2);
        QCOMPARE(rig.mouse.blockClosings(0x01), 1);
        QCOMPARE(rig.mouse.blockClosings(0x02), 1);
    }
};

QTEST_MAIN(TestProfileManagement)
#include "gui_test_profile_management.moc"
