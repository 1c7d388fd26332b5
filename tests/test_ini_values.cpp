// The values reader against the settings class: for every text, every key the settings class
// finds reads the same (type and value) through IniValues, inside and outside groups, and keys it
// does not hold are missing from both. A text the reader does not take on itself must still read
// the same, through its fallback.

#include "storage/ini_file.h"
#include "storage/ini_values.h"

#include <QColor>
#include <QDateTime>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <cstdio>



class TestIniValues : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    int m_files = 0;

    QString writeText(const QByteArray &text)
    {
        const QString path = m_dir.filePath(QStringLiteral("f%1.ini").arg(++m_files));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size())
            return QString();
        return path;
    }

    static void compareKeys(const QSettings &settings, const IniValues &values, const QStringList &probes)
    {
        QStringList keys = settings.allKeys();
        keys += probes;
        for (const QString &key : qAsConst(keys)) {
            const QVariant expected = settings.value(key);
            const QVariant got = values.value(key);
            QVERIFY2(settings.contains(key) == values.contains(key), qPrintable(key));
            QVERIFY2(expected.userType() == got.userType(),
                     qPrintable(key + ": type " + expected.typeName() + " read as " + got.typeName()));
            QVERIFY2(expected == got, qPrintable(key + ": " + expected.toString() + " read as " + got.toString()));
        }
    }

private slots:
    void readsAsTheSettingsClass_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("ownReader");  // read without the settings class
        QTest::addColumn<QStringList>("probes");
        const QStringList probes{"Config/ProfileID", "PROFILE/dpi", "PROFILE/LedMode/LED_MODE_0_RGB", "x", "Missing/key"};
        QColor colour(10, 20, 30);
        QByteArray colourText;
        {
            // The settings class's own writing of a colour.
            const QString path = writeText(QByteArray());
            {
                QSettings s(path, QSettings::IniFormat);
                s.setValue("PROFILE/LedMode/LED_MODE_0_RGB", colour);
                s.setValue("PROFILE/LedMode/LED_MODE_0_h", 12);
                s.setValue("PROFILE/dpi", 3);
                s.setValue("Config/Profile1", "My Profile, second part");
                s.setValue("Config/Model", QStringLiteral("M\u00fcnchen \"quoted\" \\ back"));
                s.setValue("MouseLEDMode/DRUV M7 Wireless", 1);
                s.setValue("x", "root key");
                s.setValue("list", QStringList{"a", "b", "c"});
            }
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadOnly));
            colourText = f.readAll();
        }
        // Qt 5's settings class escapes the non-ASCII name; Qt 6's writes it as UTF-8, which our
        // reader leaves to the settings class of the build.
        QTest::newRow("written by the settings class") << colourText << (QT_VERSION < QT_VERSION_CHECK(6, 0, 0)) << probes;
        QTest::newRow("raw UTF-8 text, as read by this build")
            << QByteArray("[A]\nb=M\xC3\xBCnchen\nc=\xC3\xA4, \xC3\xB6\n[\xC3\x9C]\nd=1\n") << false
            << QStringList{"A/b", "A/c", "\u00dc/d", "\u00c3\u009c/d"};
        QTest::newRow("control characters") << QByteArray("[A]\nk\0\0ey=1\nb=x\x01y\n", 18) << false
                                            << QStringList{"A/b", QString::fromLatin1("A/k\0\0ey", 8)};
        QTest::newRow("plain profile")
            << QByteArray("[PROFILE]\ndpi=3\npollrate = 8 \nBUTTON_INFO_0_KeyInfo_0_=\nname=\"quoted, text\"\n")
            << true << QStringList{"PROFILE/pollrate", "PROFILE/BUTTON_INFO_0_KeyInfo_0_", "PROFILE/name"};
        QTest::newRow("general section and comments")
            << QByteArray("; comment\nx=1\n[General]\ny=2\n[Config]\nProfileID=2 ; trailing\n")
            << true << QStringList{"y", "General/y"};
        QTest::newRow("escapes in keys and values")
            << QByteArray("[Mouse%20List]\nA%2FB=1\nc\\d=\\x41\\x42\nq=\"a\\tb\"\n")
            << true << QStringList{"Mouse List/A/B", "Mouse List/c/d", "Mouse List/q"};
        QTest::newRow("section with a slash")
            << QByteArray("[PROFILE\\LedMode]\nLED_MODE_0_h=5\n[PROFILE]\ndpi=1\n") << true
            << QStringList{"PROFILE/LedMode/LED_MODE_0_h"};
        QTest::newRow("carriage returns") << QByteArray("[A]\r\nb=1\r\nc=two words\r\n") << true
                                          << QStringList{"A/b", "A/c"};
        QTest::newRow("byte-order mark") << QByteArray("\xEF\xBB\xBF[A]\nb=\xC3\xA4\n") << false
                                         << QStringList{"A/b"};
        QTest::newRow("repeated key") << QByteArray("[A]\nb=1\nb=2\n[A]\nb=3\n") << false << QStringList{"A/b"};
        QTest::newRow("same key two ways") << QByteArray("a\\b=1\n[a]\nb=2\n") << false << QStringList{"a/b"};
        QTest::newRow("typed values") << QByteArray("[A]\nr=@Rect(1 2 3 4)\nb=@ByteArray(xy)\ns=@@at\n")
                                      << false << QStringList{"A/r", "A/b", "A/s"};
        QTest::newRow("malformed line") << QByteArray("[A]\nb=1\nno equals sign\n[C\nd=2\n") << false
                                        << QStringList{"A/b", "C/d"};
        QTest::newRow("empty") << QByteArray() << true << QStringList{"a"};
    }

    void readsAsTheSettingsClass()
    {
        QFETCH(QByteArray, text);
        QFETCH(bool, ownReader);
        QFETCH(QStringList, probes);
        QCOMPARE(IniValues::parse(text).has_value(), ownReader);
        const QString path = writeText(text);
        QVERIFY(!path.isEmpty());
        const QSettings settings(path, QSettings::IniFormat);
        const IniFile file(path);
        compareKeys(settings, file.values(), probes);
        if (QTest::currentTestFailed())
            return;

        // The same inside each group the settings class sees.
        QSettings grouped(path, QSettings::IniFormat);
        for (const QString &group : grouped.childGroups()) {
            grouped.beginGroup(group);
            IniValues values = file.values();
            values.beginGroup(group);
            QCOMPARE(values.group(), grouped.group());
            QStringList keys = grouped.allKeys();
            for (const QString &key : qAsConst(keys)) {
                QVERIFY2(grouped.value(key) == values.value(key), qPrintable(group + '/' + key));
                QCOMPARE(grouped.contains(key), values.contains(key));
            }
            values.endGroup();
            grouped.endGroup();
            QCOMPARE(values.group(), QString());
        }
    }

    // Where the number fast path answers, it answers what the string class reads from the text.
    void plainIntegersReadAsTheStringClass()
    {
        const QList<QByteArray> texts{"12", " -3 ", "+7", "007", "-0", "", "1e3", "0x10", "1 2", "12a", "\"5\"",
                                      "999999999999999999", "9999999999999999999", "2147483648", "-", "+", "5,6"};
        QByteArray file("[A]\n");
        for (int i = 0; i < texts.size(); ++i)
            file += "k" + QByteArray::number(i) + '=' + texts[i] + '\n';
        const std::optional<IniValues> values = IniValues::parse(file);
        QVERIFY(values);
        int answered = 0;
        for (int i = 0; i < texts.size(); ++i) {
            const QString key = QStringLiteral("A/k%1").arg(i);
            const std::optional<qint64> fast = values->plainInteger(key);
            bool ok = false;
            const qint64 expected = values->value(key).toString().toLongLong(&ok);
            if (fast) {
                ++answered;
                QVERIFY2(ok && *fast == expected, texts[i].constData());
            }
        }
        QCOMPARE(answered, 7);  // 12, -3, +7, 007, -0, the 18 digits and 2147483648
        QVERIFY(!values->plainInteger("A/missing"));
    }

    // A copy is read in its own group, and keeps reading after the original is gone.
    void copiesKeepTheirGroup()
    {
        std::optional<IniValues> parsed = IniValues::parse("[PROFILE]\ndpi=4\n[Config]\ndpi=7\n");
        QVERIFY(parsed);
        IniValues copy;
        {
            IniValues original = *parsed;
            parsed.reset();
            original.beginGroup("PROFILE");
            copy = original;
            original.endGroup();
            original.beginGroup("Config");
            QCOMPARE(original.value("dpi").toInt(), 7);
        }
        QCOMPARE(copy.group(), QStringLiteral("PROFILE"));
        QCOMPARE(copy.value("dpi").toInt(), 4);
        copy.endGroup();
        QCOMPARE(copy.value("Config/dpi").toInt(), 7);
    }

    // Another program (or our own save) replaces a file with one of the same size and time to the
    // millisecond, right after it was read: a read then has the new text, not the one read before.
    void aFileReplacedAtOnceReadsAnew()
    {
        const QString path = writeText("[A]\nv=1\n");
        QCOMPARE(IniFile(path).settings().value("A/v").toInt(), 1);
        QCOMPARE(QSettings(path, QSettings::IniFormat).value("A/v").toInt(), 1);
        const QDateTime stamp = QFileInfo(path).lastModified();
        const QString replacement = writeText("[A]\nv=2\n");
        {
            QFile file(replacement);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(stamp, QFileDevice::FileModificationTime));
        }
        QVERIFY(std::rename(QFile::encodeName(replacement).constData(), QFile::encodeName(path).constData()) == 0);
        QCOMPARE(IniFile(path).settings().value("A/v").toInt(), 2);
        QCOMPARE(IniFile(path).values().value("A/v").toInt(), 2);
    }

    // Values whose places the caller knows: read by place while their group is the current one,
    // by key inside it or with the group in front (as the caller's places say), and not at all
    // from outside the group.
    void placedValuesReadByPlaceAndByKey()
    {
        struct TwoKeys : IniValues::KeyPlaces {
            int place(const QString &key) const override { return key == "a" ? 0 : key == "b/c" ? 1 : -1; }
        };
        static const TwoKeys keys;
        const QByteArray text = "[G]\na= 42 \nb\\c=x, y\n";
        const int a = int(text.indexOf("a=")) + 2;
        const int c = int(text.indexOf("c=")) + 2;
        const int aEnd = int(text.indexOf('\n', a));
        const int cEnd = int(text.indexOf('\n', c));
        IniValues values = IniValues::atPlaces(text, "G", &keys, {{a, aEnd}, {c, cEnd}});
        QVERIFY(!values.inPlacedGroup());
        QVERIFY(!values.valueAtPlace(0).isValid());
        QCOMPARE(values.value("G/a").toString(), QStringLiteral("42"));
        QVERIFY(!values.value("a").isValid());
        values.beginGroup("G");
        QVERIFY(values.inPlacedGroup());
        QCOMPARE(values.plainIntegerAtPlace(0), std::optional<qint64>(42));
        QCOMPARE(values.valueAtPlace(0).toString(), QStringLiteral("42"));
        QCOMPARE(values.value("a"), values.valueAtPlace(0));
        QCOMPARE(values.valueAtPlace(1).toStringList(), (QStringList{"x", "y"}));
        QCOMPARE(values.value("b/c"), values.valueAtPlace(1));
        QVERIFY(!values.plainIntegerAtPlace(1));
        QVERIFY(!values.valueAtPlace(2).isValid());
        QVERIFY(!values.valueAtPlace(-1).isValid());
        QVERIFY(!values.contains("d"));
        values.endGroup();
        QVERIFY(!values.inPlacedGroup());
    }
};

QTEST_GUILESS_MAIN(TestIniValues)
#include "test_ini_values.moc"
