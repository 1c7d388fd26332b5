// The shipped translations: each language of the settings template loads from the build's lang
// folder, turns the window's texts into its own, and leaves nothing untranslated.

#include "app/mousecfg_widget.h"
#include "device/device_state.h"
#include "sim/sim_hotplug_source.h"
#include "sim/simulated_mouse.h"
#include "storage/app_paths.h"
#include "storage/storage_result.h"
#include "widgets/tarn_push_button.h"

#include <QAction>
#include <QFile>
#include <QMap>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

namespace {

// The shipped languages, in the order of the settings template's language table.
const char *const kShippedFiles[] = {"mousecfg_en", "mousecfg_zh_CN", "mousecfg_de"};
constexpr int kEnglish = 0;
constexpr int kChinese = 1;
constexpr int kGerman = 2;

// A data folder seeded from the shipped settings template, so the language table is the
// shipped one and the translations come from the build's lang folder.
struct DataFolder {
    DataFolder()
    {
        AppPaths::setDataDirOverride(dir.path());
        AppPaths::init();
        AppPaths::prepareDataFolder();
    }
    QTemporaryDir dir;
};

struct Rig {
    Rig() : hotplug(&mouse), window(std::make_unique<MousecfgWidget>(mouse, &hotplug)) {}
    SimulatedMouse mouse;
    SimHotplugSource hotplug;
    std::unique_ptr<MousecfgWidget> window;
};

struct TsMessage {
    QString context;
    QString source;
    QString translation;
    QString type; // the translation's type attribute: empty when finished
};

QList<TsMessage> readTs(const QString &name)
{
    QFile file(QStringLiteral(MOUSECFG_SOURCE_DIR) + "/lang/" + name + ".ts");
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QList<TsMessage> messages;
    QXmlStreamReader xml(&file);
    QString context;
    TsMessage current;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            current = TsMessage{context, QString(), QString(), QString()};
        else if (xml.name() == QLatin1String("source"))
            current.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            current.type = xml.attributes().value("type").toString();
            current.translation = xml.readElementText();
            messages.append(current);
        }
    }
    return xml.hasError() ? QList<TsMessage>() : messages;
}

// The marks a translation must carry over: placeholders (%1, %n, %d ...) and whether the text
// has a keyboard accelerator ("&&" is a literal ampersand).
QStringList marks(const QString &text)
{
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+|n|[dsu])"));
    QStringList found;
    auto it = placeholder.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    found.sort();
    QString plain = text;
    plain.remove(QStringLiteral("&&"));
    if (plain.contains(QLatin1Char('&')))
        found << QStringLiteral("&");
    return found;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void init() { g_mouseOff.store(false); }

    void shippedFilesLoadAndTranslate()
    {
        DataFolder data;
        const LanguageTable table = LanguageTable::from(readAppSettings());
        QCOMPARE(table.count, int(std::size(kShippedFiles)));
        for (int i = 0; i < table.count; ++i) {
            QCOMPARE(table.files[size_t(i)], QString(kShippedFiles[i]));
            QTranslator translator;
            QVERIFY2(translator.load(table.translationPath(i)), qPrintable(table.translationPath(i)));
        }

        QTranslator german;
        QVERIFY(german.load(table.translationPath(kGerman)));
        QCOMPARE(german.translate("MousecfgWidget", "Apply"), QString::fromUtf8("Anwenden"));
        QCOMPARE(german.translate("MousecfgWidget", "Dongle Disconnect!"), QString::fromUtf8("Empfänger getrennt!"));
        QCOMPARE(german.translate("MousecfgWidget", "&Quit"), QString("&Beenden"));
        QCOMPARE(german.translate("TarnMessageBox", "No"), QString("Nein"));

        QTranslator chinese;
        QVERIFY(chinese.load(table.translationPath(kChinese)));
        QCOMPARE(chinese.translate("MousecfgWidget", "Apply"), QString::fromUtf8("应用"));
        QCOMPARE(chinese.translate("MousecfgWidget", "Dongle Disconnect!"), QString::fromUtf8("接收器已断开！"));
        QCOMPARE(chinese.translate("TarnPopBox", "Yes"), QString::fromUtf8("是"));

        // The storage messages are marked outside any class; they reach the user through the
        // installed translator.
        QCoreApplication::installTranslator(&chinese);
        const QString message = storageResultMessage(StorageResult::ProfileExists);
        QCoreApplication::removeTranslator(&chinese);
        QCOMPARE(message, QString::fromUtf8("配置文件已存在！"));
    }

    void windowSwitchesLanguagesAndBackToEnglish()
    {
        DataFolder data;
        Rig rig;
        MousecfgWidget &w = *rig.window;
        QCOMPARE(w.languageMenu()->actions().size(), int(std::size(kShippedFiles)));
        TarnPushButton *apply = w.button(MousecfgWidget::BtnApply);
        QCOMPARE(apply->text(), QString("Apply"));

        w.languageMenu()->actions().at(kGerman)->trigger();
        QCOMPARE(apply->text(), QString::fromUtf8("Anwenden"));
        QCOMPARE(w.button(MousecfgWidget::BtnLighting)->text(), QString("BELEUCHTUNG"));
        QCOMPARE(w.loadConfigAction()->text(), QString("Konfiguration &laden"));

        w.languageMenu()->actions().at(kChinese)->trigger();
        QCOMPARE(apply->text(), QString::fromUtf8("应用"));

        // The English file has no translations; loading it must still succeed, or the window
        // would stay in the previous language.
        w.languageMenu()->actions().at(kEnglish)->trigger();
        QCOMPARE(apply->text(), QString("Apply"));
        QCOMPARE(w.button(MousecfgWidget::BtnLighting)->text(), QString("LIGHTING"));
        QCOMPARE(w.loadConfigAction()->text(), QString("&Load Config"));
    }

    void englishMendsTheSourceWording()
    {
        DataFolder data;
        const LanguageTable table = LanguageTable::from(readAppSettings());
        QTranslator english;
        QVERIFY(english.load(table.translationPath(kEnglish)));
        const QMap<QString, QString> mended = {
            {"REPEAT RUN UNTILL THE KEY DOWN", "REPEAT UNTIL THE KEY IS PRESSED AGAIN"},
            {"Are you sure you want delete this profile?", "Are you sure you want to delete this profile?"},
            {"The file is not match current mouse!", "This file is for a different mouse model."},
            {"AT LEAST ONE CLICK FUNCTION TO BE RETAINED.", "AT LEAST ONE BUTTON MUST KEEP A CLICK FUNCTION."},
            {"LOAD1", "LOAD"},
        };
        // Wherever the text is used (each context its own entry).
        QSet<QString> found;
        for (const TsMessage &m : readTs(kShippedFiles[kEnglish])) {
            if (!m.translation.isEmpty())
                QVERIFY2(marks(m.translation) == marks(m.source), qPrintable(m.source));
            if (!mended.contains(m.source))
                continue;
            found.insert(m.source);
            QCOMPARE(english.translate(m.context.toUtf8().constData(), m.source.toUtf8().constData()),
                     mended.value(m.source));
        }
        QCOMPARE(found.size(), mended.size());

        // On screen: the window in English shows the load button's real name.
        Rig rig;
        QCOMPARE(rig.window->button(MousecfgWidget::BtnLoadConfig)->text(), QString("LOAD"));
    }

    void germanApplyKeepsTheSizeOfItsNeighbours()
    {
        DataFolder data;
        Rig rig;
        MousecfgWidget &w = *rig.window;
        w.languageMenu()->actions().at(kGerman)->trigger();
        QCOMPARE(w.button(MousecfgWidget::BtnApply)->text(), QString("Anwenden"));
        const int size = w.button(MousecfgWidget::BtnResetAll)->textFont().pixelSize();
        for (int index : {MousecfgWidget::BtnApply, MousecfgWidget::BtnLoadConfig, MousecfgWidget::BtnSaveConfig}) {
            const TarnPushButton *button = w.button(index);
            QCOMPARE(button->textFont().pixelSize(), size);
            // And still fits between the face's edges.
            QVERIFY2(QFontMetrics(button->textFont()).horizontalAdvance(button->text()) < button->width(),
                     qPrintable(button->text()));
        }
    }

    void sourcesAreCompleteAndConsistent()
    {
        const QList<TsMessage> english = readTs(kShippedFiles[kEnglish]);
        QVERIFY(!english.isEmpty());
        QSet<QString> englishKeys;
        for (const TsMessage &m : english)
            englishKeys.insert(m.context + '\n' + m.source);

        for (int i : {kChinese, kGerman}) {
            const QString name = kShippedFiles[i];
            const QList<TsMessage> messages = readTs(name);
            QSet<QString> keys;
            for (const TsMessage &m : messages) {
                const QString where = name + ": " + m.context + " \"" + m.source + "\"";
                keys.insert(m.context + '\n' + m.source);
                QVERIFY2(m.type.isEmpty(), qPrintable(where + " is " + m.type));
                QVERIFY2(!m.translation.trimmed().isEmpty(), qPrintable(where + " has no translation"));
                QVERIFY2(marks(m.translation) == marks(m.source),
                         qPrintable(where + " loses a placeholder or accelerator: " + m.translation));
            }
            // Every language file was refreshed from the same sources.
            QCOMPARE(keys, englishKeys);
        }
    }
};

QTEST_MAIN(TestTranslations)
#include "gui_test_translations.moc"
