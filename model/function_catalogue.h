#pragma once
// The function catalogue: every function a button can be given, with the text of its entry, the
// menus it stands in, the code stored in ButtonInfo::Fun and the parameters it writes besides.
// The button panel builds its menus, labels and assignments from this one table; the device
// bytes of each code are in device/button_encoding.h.
//
// Entry texts are source texts of the translation context kCatalogueTextContext:
// QCoreApplication::translate(kCatalogueTextContext, entry.text).

#include <QString>
#include <QVector>

#include <array>

extern const char *const kCatalogueTextContext; // "TarnBtnWindow"

// What an entry writes besides Fun, and the dialog that asks for it.
enum class FunctionParams {
    None,      // Fun only
    SingleKey, // single key dialog; Res1 = key code
    ComboKey,  // combo key dialog; KeyInfo = press/release pairs
    FireKey,   // fire key dialog; Res1 = 129/130/132 or a HID usage, LoopNumber = times, KeyNumber = delay
    Sniper,    // sniper dialog; Res1 = the sniper step
    Macro,     // macro picker "MACRO SELECT"; macroname, LoopNumber, Res1, KeyNumber, KeyInfo
    GunSet,    // macro picker "GUNFILE SELECT"; as a macro, refused for the left button
};

// The submenus, in the order of their titles.
enum class Submenu { Basic, Windows, Advance, Media, Dpi, PollingRate, Profile, Count };
constexpr int kSubmenuCount = int(Submenu::Count);

// Menu bits of an entry.
constexpr unsigned kInMain = 1u << 0;   // the main menu itself
constexpr unsigned kInScroll = 1u << 1; // the wheel buttons' menu
constexpr unsigned inSubmenu(Submenu s) { return 1u << (2 + int(s)); }

struct FunctionEntry {
    const char *text; // source text
    int fun;
    unsigned menus;
    FunctionParams params;
};

constexpr int kFunctionEntryCount = 54;
// In catalogue order; a submenu lists its entries in this order.
extern const std::array<FunctionEntry, kFunctionEntryCount> kFunctionCatalogue;

// Function codes the panel and the dialogs refer to by name.
constexpr int kFunLeft = 1;
constexpr int kFunSingleKey = 6;
constexpr int kFunComboKey = 7;
constexpr int kFunFireKey = 12;
constexpr int kFunButtonOff = 16;
constexpr int kFunScrollUp = 52;
constexpr int kFunScrollDown = 53;
constexpr int kFunSniper = 55;

// The entry of a code, nullptr when the catalogue has none.
const FunctionEntry *findFunction(int fun);

// Title (source text) of a submenu.
const char *submenuTitle(Submenu submenu);
// The entries of a submenu, in catalogue order.
QVector<const FunctionEntry *> submenuEntries(Submenu submenu);

// One item of the main menu: an entry, or a submenu.
struct MainMenuItem {
    const FunctionEntry *entry = nullptr; // set for an entry
    Submenu submenu = Submenu::Count;     // set for a submenu
};
// The main menu in its order: Left..Back, the submenus Basic, Windows, Advance, Media, DPI,
// Polling Rate, then "Macro Manager" unless macros are disabled, "LED SWITCH", "Button Off".
// The profile functions and "GunFile Manager" have entries but are not offered.
QVector<MainMenuItem> mainMenuItems(bool macrosEnabled);
// The wheel buttons' menu in its order.
QVector<const FunctionEntry *> scrollMenuEntries();

// Button groups of the panel: 0 and 1 take the main menu (buttons 0..19, 20..39), 2 the scroll
// menu (buttons 40, 41).
constexpr int kButtonGroupCount = 3;
constexpr int kButtonGroupSize = 20; // the first button of group g is g * kButtonGroupSize
// The group of a button index, -1 outside 0..41.
int buttonGroupOf(int button);

// The label of a button: the macro's name for a macro or gun set that has one; else the text of
// the function's entry when the group's menu offers it. A code the group does not offer (52 on a
// main-menu button) still shows its entry's text, 0 (never assigned) reads as "Button Off",
// which the mouse does with it, and any other code without an entry shows "Function %1" with
// the code, so no label is left empty.
// `translate` turns a source text into the shown text.
QString buttonLabelText(int fun, const QString &macroname, QString (*translate)(const char *));
