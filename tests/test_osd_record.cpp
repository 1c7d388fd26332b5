#include "platform/osd_endpoint.h"
#include "platform/osd_record.h"

#include <QtTest>

class TestOsdRecord : public QObject {
    Q_OBJECT
private slots:
    void goldenBytes()
    {
        QByteArray expected(kOsdRecordSize, '\0');
        const auto put = [&expected](int offset, const char *hex) {
            const QByteArray bytes = QByteArray::fromHex(hex);
            expected.replace(offset, bytes.size(), bytes);
        };
        put(0, "44 00 50 00 49 00 20 00 33 00 3A 00 31 00 36 00 30 00 30 00 00 00");  // "DPI 3:1600"
        put(512, "00000000 DC050000 00000000 DBC8B600 3C000000 4100 7200 6900 6100 6C00 0000");
        QCOMPARE(encodeOsdRecord(osdMessageForText("DPI 3:1600", QColor(219, 200, 182))).toHex(' '),
                 expected.toHex(' '));
        // An empty text (an unknown report-rate code) still makes a whole record.
        const QByteArray empty = encodeOsdRecord(osdMessageForText(QString(), QColor(255, 125, 0)));
        QCOMPARE(empty.left(512), QByteArray(512, '\0'));
        QCOMPARE(empty.mid(524, 4).toHex(), QByteArray("ff7d0000"));
    }

    void longTextsAreCut()
    {
        const QString full(kOsdTextChars, QLatin1Char('x'));
        QByteArray record = encodeOsdRecord(osdMessageForText(full, Qt::red));
        QCOMPARE(record.mid(508, 4).toHex(), QByteArray("78000000"));  // the NUL in the last two bytes
        QCOMPARE(decodeOsdRecord(record)->text, full);
        // A longer one loses the rest and never runs into the next field.
        record = encodeOsdRecord(osdMessageForText(QString(400, QLatin1Char('y')), Qt::red));
        QCOMPARE(record.size(), kOsdRecordSize);
        QCOMPARE(decodeOsdRecord(record)->text, QString(kOsdTextChars, QLatin1Char('y')));
        QCOMPARE(record.mid(510, 10).toHex(), QByteArray("000000000000dc050000"));
        // A cut through a surrogate pair drops the whole character.
        const QString emoji = QString(254, QLatin1Char('z')) + QString::fromUtf8("\xF0\x9F\x96\xB1");
        QCOMPARE(decodeOsdRecord(encodeOsdRecord(osdMessageForText(emoji, Qt::red)))->text,
                 QString(254, QLatin1Char('z')));
    }

    void companionReadsWhatTheWindowWrites()
    {
        const OsdMessage sent = osdMessageForText(QString::fromUtf8("配置文件 2"), QColor(0, 255, 255));
        QCOMPARE(decodeOsdRecord(encodeOsdRecord(sent)), std::optional<OsdMessage>(sent));
        for (int size : {0, 1043, 1045})
            QVERIFY(!decodeOsdRecord(QByteArray(size, 'A')));
        // A sender that left no NUL: the text stops at its field's end, the fields after it hold.
        QByteArray unterminated = encodeOsdRecord(sent);
        unterminated.replace(0, 512, QByteArray(512, 'A'));
        QCOMPARE(decodeOsdRecord(unterminated)->text, QString(256, QChar(0x4141)));
        QCOMPARE(decodeOsdRecord(unterminated)->fontFace, QStringLiteral("Arial"));
    }

    void socketPath()
    {
        QCOMPARE(osdSocketFileName(kOsdWindowTitle), QStringLiteral("druv-wireless-mouse-osd"));
        QCOMPARE(osdSocketFileName("../ A/b  C.. "), QStringLiteral("a-b-c"));
        QCOMPARE(osdSocketFileName("//"), QStringLiteral("osd"));
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        QCOMPARE(osdServerPath(), runtime.path() + "/druv-wireless-mouse-osd");
        // Too deep for a socket address: the temp folder, apart per user.
        const QString deep = runtime.path() + "/" + QString(120, QLatin1Char('d'));
        QVERIFY(QDir().mkpath(deep));
        qputenv("XDG_RUNTIME_DIR", deep.toLocal8Bit());
        QVERIFY(osdServerPath().startsWith(QDir::tempPath() + "/druv-wireless-mouse-osd-"));
    }
};

QTEST_GUILESS_MAIN(TestOsdRecord)
#include "test_osd_record.moc"
