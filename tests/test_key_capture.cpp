#include "platform/key_capture.h"
#include "storage/key_table.h"

#include <linux/input-event-codes.h>

#include <QKeyEvent>
#include <QSet>
#include <QWindow>
#include <QtTest>

#include <iterator>
#include <memory>

namespace {

// Each key of the key-name table as the kernel numbers it, with its usage on the
// Keyboard/Keypad page (0x07) of the USB HID Usage Tables.
struct EvdevUsage {
    int evdev;
    int usage;
};
const EvdevUsage kHidUsages[] = {
    {KEY_A, 0x04}, {KEY_B, 0x05}, {KEY_C, 0x06}, {KEY_D, 0x07}, {KEY_E, 0x08}, {KEY_F, 0x09},
    {KEY_G, 0x0A}, {KEY_H, 0x0B}, {KEY_I, 0x0C}, {KEY_J, 0x0D}, {KEY_K, 0x0E}, {KEY_L, 0x0F},
    {KEY_M, 0x10}, {KEY_N, 0x11}, {KEY_O, 0x12}, {KEY_P, 0x13}, {KEY_Q, 0x14}, {KEY_R, 0x15},
    {KEY_S, 0x16}, {KEY_T, 0x17}, {KEY_U, 0x18}, {KEY_V, 0x19}, {KEY_W, 0x1A}, {KEY_X, 0x1B},
    {KEY_Y, 0x1C}, {KEY_Z, 0x1D}, {KEY_1, 0x1E}, {KEY_2, 0x1F}, {KEY_3, 0x20}, {KEY_4, 0x21},
    {KEY_5, 0x22}, {KEY_6, 0x23}, {KEY_7, 0x24}, {KEY_8, 0x25}, {KEY_9, 0x26}, {KEY_0, 0x27},
    {KEY_ENTER, 0x28}, {KEY_ESC, 0x29}, {KEY_BACKSPACE, 0x2A}, {KEY_TAB, 0x2B},
    {KEY_SPACE, 0x2C}, {KEY_MINUS, 0x2D}, {KEY_EQUAL, 0x2E}, {KEY_LEFTBRACE, 0x2F},
    {KEY_RIGHTBRACE, 0x30}, {KEY_BACKSLASH, 0x31}, {KEY_SEMICOLON, 0x33},
    {KEY_APOSTROPHE, 0x34}, {KEY_GRAVE, 0x35}, {KEY_COMMA, 0x36}, {KEY_DOT, 0x37},
    {KEY_SLASH, 0x38}, {KEY_CAPSLOCK, 0x39}, {KEY_F1, 0x3A}, {KEY_F2, 0x3B}, {KEY_F3, 0x3C},
    {KEY_F4, 0x3D}, {KEY_F5, 0x3E}, {KEY_F6, 0x3F}, {KEY_F7, 0x40}, {KEY_F8, 0x41},
    {KEY_F9, 0x42}, {KEY_F10, 0x43}, {KEY_F11, 0x44}, {KEY_F12, 0x45}, {KEY_SYSRQ, 0x46},
    {KEY_SCROLLLOCK, 0x47}, {KEY_PAUSE, 0x48}, {KEY_INSERT, 0x49}, {KEY_HOME, 0x4A},
    {KEY_PAGEUP, 0x4B}, {KEY_DELETE, 0x4C}, {KEY_END, 0x4D}, {KEY_PAGEDOWN, 0x4E},
    {KEY_RIGHT, 0x4F}, {KEY_LEFT, 0x50}, {KEY_DOWN, 0x51}, {KEY_UP, 0x52},
    {KEY_NUMLOCK, 0x53}, {KEY_KPSLASH, 0x54}, {KEY_KPASTERISK, 0x55}, {KEY_KPMINUS, 0x56},
    {KEY_KPPLUS, 0x57}, {KEY_KPENTER, 0x58}, {KEY_KP1, 0x59}, {KEY_KP2, 0x5A},
    {KEY_KP3, 0x5B}, {KEY_KP4, 0x5C}, {KEY_KP5, 0x5D}, {KEY_KP6, 0x5E}, {KEY_KP7, 0x5F},
    {KEY_KP8, 0x60}, {KEY_KP9, 0x61}, {KEY_KP0, 0x62}, {KEY_KPDOT, 0x63},
    {KEY_COMPOSE, 0x65}, {KEY_LEFTCTRL, 0xE0}, {KEY_LEFTSHIFT, 0xE1}, {KEY_LEFTALT, 0xE2},
    {KEY_LEFTMETA, 0xE3}, {KEY_RIGHTCTRL, 0xE4}, {KEY_RIGHTSHIFT, 0xE5},
    {KEY_RIGHTALT, 0xE6}, {KEY_RIGHTMETA, 0xE7},
};

QKeyEvent nativeKey(QEvent::Type type, int evdev, Qt::KeyboardModifiers mods = Qt::NoModifier,
                    bool repeat = false)
{
    return QKeyEvent(type, 0, mods, quint32(evdev + 8), 0, 0, QString(), repeat);
}

uint8_t keyCodeOfEvdev(int evdev, uint8_t extraFlags = 0)
{
    const auto scan = scanCodeFromEvdev(evdev);
    return scan ? keyCodeFromHook(scan->code, uint8_t((scan->extended ? kHookExtended : 0) | extraFlags)) : 0;
}

// A window that counts the keys its own handlers see.
class CountingWindow : public QWindow {
public:
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent *) override { ++keys; }
};

} // namespace

class TestKeyCapture : public QObject {
    Q_OBJECT
private slots:
    // The whole chain for every key the program names: kernel key code -> set-1 pair -> key
    // code -> HID usage equals the usage tables' usage, with the key up, down and under Alt.
    void everyNamedKeyReachesItsHidUsage()
    {
        QCOMPARE(int(std::size(kHidUsages)), kKeyUsagePairCount);
        QSet<int> reached;
        for (const EvdevUsage &row : kHidUsages) {
            const QByteArray what = "evdev " + QByteArray::number(row.evdev);
            for (uint8_t flags : {uint8_t(0), kHookKeyUp, kHookAltDown, uint8_t(kHookAltDown | kHookKeyUp)}) {
                const uint8_t code = keyCodeOfEvdev(row.evdev, flags);
                uint8_t usage = 0;
                QVERIFY2(keyToHid(code, usage), what.constData());
                QVERIFY2(usage == row.usage, what.constData());
                reached.insert(code);
            }
        }
        QCOMPARE(reached.size(), kKeyUsagePairCount);
        for (const KeyUsagePair &pair : kKeyUsagePairs)
            QVERIFY(reached.contains(pair.code));
        // The table is ordered for its binary search and has no key the chain does not cover.
        for (int i = 1; i < kEvdevScanRowCount; ++i)
            QVERIFY(kEvdevScanCodes[i - 1].evdev < kEvdevScanCodes[i].evdev);
    }

    // The pairs a hook gives the keys that share scan codes, and the renumbering of each.
    void sharedScanCodesAreTold()
    {
        QCOMPARE(*scanCodeFromEvdev(KEY_HOME), (ScanCode{71, true}));
        QCOMPARE(*scanCodeFromEvdev(KEY_NUMLOCK), (ScanCode{69, true}));
        QCOMPARE(*scanCodeFromEvdev(KEY_PAUSE), (ScanCode{69, false}));
        QCOMPARE(*scanCodeFromEvdev(KEY_RIGHTCTRL), (ScanCode{29, true}));
        QCOMPARE(int(keyCodeOfEvdev(KEY_HOME)), 71);
        QCOMPARE(int(keyCodeOfEvdev(KEY_KP7)), 235);
        QCOMPARE(int(keyCodeOfEvdev(KEY_NUMLOCK)), 225);
        QCOMPARE(int(keyCodeOfEvdev(KEY_PAUSE)), 69);
        QCOMPARE(int(keyCodeOfEvdev(KEY_SYSRQ)), 55);
        QCOMPARE(int(keyCodeOfEvdev(KEY_KPASTERISK)), 227);
        QCOMPARE(int(keyCodeOfEvdev(KEY_KP5)), 76);
        // Right Alt as a hook reports it: 0x21 down, 0x81 up.
        QCOMPARE(int(keyCodeFromHook(56, 0x21)), 239);
        QCOMPARE(int(keyCodeFromHook(56, 0x81)), 239);
        QCOMPARE(int(keyCodeFromHook(56, 0x20)), 56);
        // A keypad key pressed while Alt is held stays a keypad key; an arrow stays an arrow.
        QCOMPARE(int(keyCodeFromHook(71, kHookAltDown)), 235);
        QCOMPARE(int(keyCodeFromHook(72, kHookAltDown | kHookExtended)), 72);
        QCOMPARE(int(keyCodeFromHook(29, kHookAltDown | kHookExtended | kHookKeyUp)), 238);
        // Keys the program cannot name are left out rather than taken for a letter.
        QVERIFY(!scanCodeFromEvdev(KEY_MUTE));
        QVERIFY(!scanCodeFromEvdev(KEY_102ND));
        QVERIFY(!scanCodeFromEvdev(0));
    }

    // Events without a native scan code fall back on the Qt key.
    void qtKeyFallback()
    {
        KeyEventConverter converter;
        auto codeOf = [&](int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            QKeyEvent event(QEvent::KeyPress, key, mods);
            const auto captured = converter.convert(event);
            return captured ? int(captured->keyCode) : -1;
        };
        QCOMPARE(codeOf(Qt::Key_A), 30);
        QCOMPARE(codeOf(Qt::Key_Home), 71);
        QCOMPARE(codeOf(Qt::Key_Home, Qt::KeypadModifier), 235);
        QCOMPARE(codeOf(Qt::Key_7, Qt::KeypadModifier), 235);
        QCOMPARE(codeOf(Qt::Key_7), 8);
        QCOMPARE(codeOf(Qt::Key_Enter, Qt::KeypadModifier), 229);
        QCOMPARE(codeOf(Qt::Key_Return), 28);
        QCOMPARE(codeOf(Qt::Key_Asterisk, Qt::KeypadModifier), 227);
        QCOMPARE(codeOf(Qt::Key_Print), 55);
        QCOMPARE(codeOf(Qt::Key_Exclam, Qt::ShiftModifier), 2);
        QCOMPARE(codeOf(Qt::Key_Super_R), 92);
        QCOMPARE(codeOf(Qt::Key_NumLock), 225);
        QCOMPARE(codeOf(Qt::Key_VolumeUp), -1);
        // A native code the table does not know, with a Qt key that has no set-1 code either.
        QKeyEvent mute(QEvent::KeyPress, Qt::Key_VolumeMute, Qt::NoModifier, KEY_MUTE + 8, 0, 0);
        QVERIFY(!converter.convert(mute));
    }

    // Flags as a hook gives them, and what a recorder needs besides.
    void flagsFollowTheKeys()
    {
        KeyEventConverter converter;
        auto flagsOf = [&](QEvent::Type type, int evdev, Qt::KeyboardModifiers mods = Qt::NoModifier) {
            const auto key = converter.convert(nativeKey(type, evdev, mods));
            return key ? int(key->flags) : -1;
        };
        QCOMPARE(flagsOf(QEvent::KeyPress, KEY_LEFTALT), 0x20);
        QCOMPARE(flagsOf(QEvent::KeyPress, KEY_A, Qt::AltModifier), 0x20);
        QCOMPARE(flagsOf(QEvent::KeyRelease, KEY_A, Qt::AltModifier), 0xA0);
        QCOMPARE(flagsOf(QEvent::KeyRelease, KEY_LEFTALT, Qt::AltModifier), 0x80);
        QCOMPARE(flagsOf(QEvent::KeyPress, KEY_A), 0x00);
        QCOMPARE(flagsOf(QEvent::KeyPress, KEY_RIGHTALT), 0x21);
        QCOMPARE(flagsOf(QEvent::KeyRelease, KEY_RIGHTALT), 0x81);
        QCOMPARE(flagsOf(QEvent::KeyPress, KEY_RIGHTCTRL), 0x01);
        QCOMPARE(flagsOf(QEvent::KeyRelease, KEY_RIGHTCTRL), 0x81);
        // An Alt held before the capture began shows in the modifiers.
        QCOMPARE(flagsOf(QEvent::KeyPress, KEY_HOME, Qt::AltModifier), 0x21);

        QKeyEvent repeat(QEvent::KeyPress, 0, Qt::NoModifier, KEY_B + 8, 0, 0, QString(), true);
        repeat.setTimestamp(123456);
        const auto key = converter.convert(repeat);
        QVERIFY(key && key->autoRepeat);
        QCOMPARE(key->timestamp, quint64(123456));
        QCOMPARE(int(key->keyCode), 48);
        QVERIFY(!converter.convert(QKeyEvent(QEvent::ShortcutOverride, Qt::Key_A, Qt::NoModifier)));
    }

    // Keys reach the handler before the window; consumed keys stop there. The grab is wanted
    // exactly while the window is shown and is given up however the capture ends.
    void grabFollowsTheWindow()
    {
        QList<CapturedKey> seen;
        bool consume = true;
        auto window = std::make_unique<CountingWindow>();
        auto capture = std::make_unique<KeyCapture>([&](const CapturedKey &key) {
            seen << key;
            return consume;
        });
        capture->attach(window.get());
        QCOMPARE(KeyCapture::grabbingCount(), 0); // not shown yet
        window->show();
        QVERIFY(capture->isGrabbing());
        QCOMPARE(KeyCapture::grabbingCount(), 1);

        QKeyEvent press = nativeKey(QEvent::KeyPress, KEY_KP7);
        QCoreApplication::sendEvent(window.get(), &press);
        QCOMPARE(seen.size(), 1);
        QCOMPARE(int(seen[0].keyCode), 235);
        QCOMPARE(window->keys, 0);
        consume = false;
        QKeyEvent other = nativeKey(QEvent::KeyPress, KEY_A);
        QCoreApplication::sendEvent(window.get(), &other);
        QCOMPARE(window->keys, 1);
        // Releases: of a key pressed here, delivered; of one pressed before, not.
        QKeyEvent up = nativeKey(QEvent::KeyRelease, KEY_A);
        QCoreApplication::sendEvent(window.get(), &up);
        QCOMPARE(seen.size(), 3);
        QVERIFY(seen.last().isKeyUp());
        QKeyEvent stale = nativeKey(QEvent::KeyRelease, KEY_ENTER);
        QCoreApplication::sendEvent(window.get(), &stale);
        QCOMPARE(seen.size(), 3);

        window->hide();
        QCOMPARE(KeyCapture::grabbingCount(), 0);
        window->show();
        QCOMPARE(KeyCapture::grabbingCount(), 1);
        capture->detach();
        QCOMPARE(KeyCapture::grabbingCount(), 0);
        QKeyEvent after = nativeKey(QEvent::KeyPress, KEY_B);
        QCoreApplication::sendEvent(window.get(), &after);
        QCOMPARE(seen.size(), 3);

        capture->attach(window.get()); // already shown: grabs at once
        QCOMPARE(KeyCapture::grabbingCount(), 1);
        window.reset();
        QVERIFY(!capture->isAttached());
        QCOMPARE(KeyCapture::grabbingCount(), 0);

        auto second = std::make_unique<CountingWindow>();
        capture->attach(second.get());
        second->show();
        QCOMPARE(KeyCapture::grabbingCount(), 1);
        capture.reset();
        QCOMPARE(KeyCapture::grabbingCount(), 0);
    }
};

QTEST_MAIN(TestKeyCapture)
#include "test_key_capture.moc"
