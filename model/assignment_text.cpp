#include "model/assignment_text.h"

#include "model/button_assignment.h"
#include "model/function_catalogue.h"
#include "model/sensor_tables.h"
#include "storage/key_table.h"
#include "storage/profile_data.h"

#include <QStringList>
#include <QtGlobal>

namespace {

// A key code's name; a code the table does not name is shown as its number.
QString keyText(int code, QString (*translate)(const char *))
{
    const QString name = keyName(code);
    return name.isEmpty() ? translate(QT_TRANSLATE_NOOP("TarnBtnWindow", "key %1")).arg(code) : name;
}

QString comboText(const ButtonInfo &button, QString (*translate)(const char *))
{
    const ComboChord chord = comboFromKeyInfo(button);
    // Written the way shortcuts are usually written: Ctrl, Shift, Alt, Win, then the key.
    static const int order[] = {1, 0, 3, 2};
    QStringList keys;
    for (int row : order) {
        if (chord.rows[size_t(row)])
            keys << comboRowName(row);
    }
    if (chord.mainKey)
        keys << keyText(chord.mainKey, translate);
    if (keys.isEmpty())
        return translate(QT_TRANSLATE_NOOP("TarnBtnWindow", "Combo key without keys"));
    return keys.join(QStringLiteral(" + "));
}

QString fireText(const ButtonInfo &button, QString (*translate)(const char *))
{
    const FireKeySetting fire = fireKeyFromButton(button);
    QString what;
    switch (fire.mode) {
    case FireMode::Left: what = translate(QT_TRANSLATE_NOOP("TarnBtnWindow", "left click")); break;
    case FireMode::Right: what = translate(QT_TRANSLATE_NOOP("TarnBtnWindow", "right click")); break;
    case FireMode::Middle: what = translate(QT_TRANSLATE_NOOP("TarnBtnWindow", "middle click")); break;
    case FireMode::KeyboardKey: what = keyText(fire.keyCode, translate); break;
    }
    return translate(QT_TRANSLATE_NOOP("TarnBtnWindow", "Fire %1, %2 times, %3 ms apart"))
        .arg(what)
        .arg(fire.times)
        .arg(fire.delay);
}

QString macroText(const ButtonInfo &button, QString (*translate)(const char *))
{
    const QString kind = button.Fun == kFunGunSet
                             ? translate(QT_TRANSLATE_NOOP("TarnBtnWindow", "Gun set \"%1\""))
                             : translate(QT_TRANSLATE_NOOP("TarnBtnWindow", "Macro \"%1\""));
    QString repeat;
    // The repeat modes as the device plays them; any other mode is sent as a count.
    switch (button.Res1) {
    case 1: repeat = translate(QT_TRANSLATE_NOOP("TarnBtnWindow", "repeated while held")); break;
    case 2: repeat = translate(QT_TRANSLATE_NOOP("TarnBtnWindow", "repeated until pressed again")); break;
    default:
        repeat = translate(QT_TRANSLATE_NOOP("TarnBtnWindow", "%1 times")).arg(button.LoopNumber);
        break;
    }
    return kind.arg(button.macroname) + QStringLiteral(", ") + repeat;
}

} // namespace

QString describeAssignment(const ButtonInfo &button, int sensorId, QString (*translate)(const char *))
{
    switch (button.Fun) {
    case kFunSingleKey: return keyText(button.Res1, translate);
    case kFunComboKey: return comboText(button, translate);
    case kFunFireKey: return fireText(button, translate);
    case kFunSniper: {
        const int dpi = dpiForStep(button.Res1, sensorId);
        return dpi > 0 ? translate(QT_TRANSLATE_NOOP("TarnBtnWindow", "Sniper %1 DPI")).arg(dpi)
                       : translate(QT_TRANSLATE_NOOP("TarnBtnWindow", "Sniper step %1")).arg(button.Res1);
    }
    case kFunMacro:
    case kFunGunSet: return macroText(button, translate);
    default: return buttonLabelText(button.Fun, button.macroname, translate);
    }
}
