#include "platform/osd_endpoint.h"
#include "platform/osd_record.h"

#include <QtTest>

namespace {

// 1044 zero bytes with `pieces` (offset, hex bytes) written over them.
QByteArray golden(std::initializer_list<std::pair<int, const char *>> pieces)
{
    QByteArray record(kOsdRecordSize, '\0');
    for (const auto &[offset, hex] : pieces) {
        const QByteArray bytes = QByteArray::fromHex(hex);
        record.replace(offset, bytes.size(), bytes);
    }
    return record;
}

// The fixed fields and the font face, as every record of the window carries them.
constexpr const char *kFixed = "00000000 DC050000 00000000";
constexpr const char *kHeightAndFont = "3C000000 4100 7200 6900 6100 6C00 0000";

} // namespace

class TestOsdRecord : public QObject {
    Q_OBJECT
private slots:
    void goldenBytes()
    {
        const QByteArray dpi = encodeOsdRecord(osdMessageForText("DPI 3:1600", QColor(255, 0, 0)));
        QCOMPARE(dpi.toHex(' '), golden({{0, "44 00 50 00 49 00 20 00 33 00 3A 00 31 00 36 00 30 00 30 00 00 00"},
                                         {512, kFixed},
                                         {524, "FF000000"},
                                         {528, kHeightAndFont}})
                                     .toHex(' '));
        // Colour bytes: red first, then green, then blue, top byte zero.
        const QByteArray beige = encodeOsdRecord(osdMessageForText("500 HZ", QColor(219, 200, 182)));
        QCOMPARE(beige.toHex(' '), golden({{0, "35 00 30 00 30 00 20 00 48 00 5A 00"},
                                           {512, kFixed},
                                           {524, "DBC8B600"},
                                           {528, kHeightAndFont}})
                                       .toHex(' '));
        // An empty text (an unknown report-rate code) still makes a whole record.
        QCOMPARE(encodeOsdRecord(osdMessageForText(QString(), QColor(255, 125, 0))),
                 golden({{512, kFixed}, {524, "FF7D0000"}, {528, kHeightAndFont}}));
        QCOMPARE(osdColour(0xFFB6C8DB), QColor(219, 200, 182));
    }

    void longTextsAreCut()
    {
        // 255 characters fit, with the NUL in the field's last two bytes.
        const QString full(kOsdTextChars, QLatin1Char('x'));
        QByteArray record = encodeOsdRecord(osdMessageForText(full, Qt::red));
        QCOMPARE(record.mid(508, 4).toHex(), QByteArray("78000000"));
        QCOMPARE(decodeOsdRecord(record)->text, full);
        // A longer one loses the rest and never runs into the next field.
        record = encodeOsdRecord(osdMessageForText(QString(400, QLatin1Char('y')), Qt::red));
        QCOMPARE(record.size(), kOsdRecordSize);
        QCOMPARE(decodeOsdRecord(record)->text, QString(kOsdTextChars, QLatin1Char('y')));
        QCOMPARE(record.mid(510, 6).toHex(), QByteArray("000000000000"));
        QCOMPARE(record.mid(516, 4).toHex(), QByteArray("dc050000"));
        // A cut through a surrogate pair drops the whole character.
        const QString emoji = QString(254, QLatin1Char('z')) + QString::fromUtf8("\xF0\x9F\x96\xB1");
        QCOMPARE(decodeOsdRecord(encodeOsdRecord(osdMessageForText(emoji, Qt::red)))->text,
                 QString(254, QLatin1Char('z')));
    }

    void companionReadsWhatTheWindowWrites()
    {
        OsdMessage sent = osdMessageForText(QString::fromUtf8("配置文件 2"), QColor(0, 255, 255));
        QCOMPARE(decodeOsdRecord(encodeOsdRecord(sent)), std::optional<OsdMessage>(sent));
        // Anything but a whole record is refused.
        for (int size : {0, 1043, 1045, 2 * kOsdRecordSize})
            QVERIFY(!decodeOsdRecord(QByteArray(size, 'A')));
        // A sender that left no NUL: the text stops at its field's end, the fields after it hold.
        QByteArray unterminated = encodeOsdRecord(sent);
        unterminated.replace(0, 512, QByteArray(512, 'A'));
        const auto read = decodeOsdRecord(unterminated);
        QCOMPARE(read->text, QString(256, QChar(0x4141)));
        QCOMPARE(read->durationMs, 1500);
        QCOMPARE(read->fontFace, QStringLiteral("Arial"));
    }

    void socketName()
    {
        QCOMPARE(osdSocketFileName(kOsdWindowTitle), QStringLiteral("druv-wireless-mouse-osd"));
        QCOMPARE(osdSocketFileName("../ A/b  C.. "), QStringLiteral("a-b-c"));
        QCOMPARE(osdSocketFileName("//"), QStringLiteral("osd"));
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        QCOMPARE(osdServerPath(), runtime.path() + "/druv-wireless-mouse-osd");
        // A runtime folder too deep for a socket address: the temp folder, apart per user.
        const QString deep = runtime.path() + "/" + QString(120, QLatin1Char('d'));
        QVERIFY(QDir().mkpath(deep));
        qputenv("XDG_RUNTIME_DIR", deep.toLocal8Bit());
        QVERIFY(osdServerPath().startsWith(QDir::tempPath() + "/druv-wireless-mouse-osd-"));
        qunsetenv("XDG_RUNTIME_DIR");
    }
};

QTEST_GUILESS_MAIN(TestOsdRecord)
#include "test_osd_record.moc"
