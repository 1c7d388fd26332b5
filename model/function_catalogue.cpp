#include "model/function_catalogue.h"

#include "storage/profile_data.h"

#include <QtGlobal>

const char *const kCatalogueTextContext = "TarnBtnWindow";

namespace {

constexpr unsigned kMainScroll = kInMain | kInScroll;
constexpr unsigned kBasic = inSubmenu(Submenu::Basic);
constexpr unsigned kWindows = inSubmenu(Submenu::Windows);
constexpr unsigned kAdvance = inSubmenu(Submenu::Advance);
constexpr unsigned kMedia = inSubmenu(Submenu::Media);
constexpr unsigned kDpi = inSubmenu(Submenu::Dpi);
constexpr unsigned kRate = inSubmenu(Submenu::PollingRate);
constexpr unsigned kProfile = inSubmenu(Submenu::Profile);
constexpr FunctionParams kNone = FunctionParams::None;

const char *const kSubmenuTitles[kSubmenuCount] = {
    QT_TRANSLATE_NOOP("TarnBtnWindow", "Basic"),  QT_TRANSLATE_NOOP("TarnBtnWindow", "Windows"),
    QT_TRANSLATE_NOOP("TarnBtnWindow", "Advance"), QT_TRANSLATE_NOOP("TarnBtnWindow", "Media"),
    QT_TRANSLATE_NOOP("TarnBtnWindow", "DPI"),    QT_TRANSLATE_NOOP("TarnBtnWindow", "Polling Rate"),
    QT_TRANSLATE_NOOP("TarnBtnWindow", "Profile Menu"),
};

const char kUnknownFunction[] = QT_TRANSLATE_NOOP("TarnBtnWindow", "Function %1");

// Main-menu order after the five mouse buttons and before the last entries.
constexpr Submenu kMainSubmenus[] = {Submenu::Basic, Submenu::Windows, Submenu::Advance,
                                     Submenu::Media, Submenu::Dpi,     Submenu::PollingRate};
constexpr int kScrollOrder[] = {52, 53, 43, 44, 1, 2, 3, 4, 5, 6, 7};

} // namespace

const std::array<FunctionEntry, kFunctionEntryCount> kFunctionCatalogue = {{
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Left"), 1, kMainScroll, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Right"), 2, kMainScroll, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Middle"), 3, kMainScroll, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Forward"), 4, kMainScroll, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Back"), 5, kMainScroll, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "SINGLE KEY"), 6, kAdvance | kInScroll, FunctionParams::SingleKey},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "COMBO KEY"), 7, kAdvance | kInScroll, FunctionParams::ComboKey},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "FIRE KEY"), 12, kAdvance, FunctionParams::FireKey},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Button Off"), 16, kInMain, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Cut"), 17, kBasic, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Copy"), 18, kBasic, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Paste"), 19, kBasic, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "All"), 20, kBasic, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Find"), 21, kBasic, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "New"), 22, kBasic, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Print"), 23, kBasic, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Save"), 24, kBasic, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Switch Window"), 25, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Close Window"), 26, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "My Computer"), 27, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Run"), 28, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Show Desktop"), 29, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Lock PC"), 30, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Browser Home"), 31, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Browser Backward"), 32, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Browser Forward"), 33, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Browser Stop"), 34, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Browser Refresh"), 35, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Browser Search"), 36, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Browser Favorite"), 37, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Mail"), 38, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Boss Key"), 62, kWindows, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Play/Pause"), 39, kMedia, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Stop"), 40, kMedia, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Previous Track"), 41, kMedia, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Next Track"), 42, kMedia, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Volume Up"), 43, kMedia | kInScroll, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Volume Down"), 44, kMedia | kInScroll, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Mute"), 45, kMedia, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Media Player"), 46, kMedia, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "DPI Switch"), 47, kDpi, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "DPI +"), 48, kDpi, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "DPI -"), 49, kDpi, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Rate +"), 50, kRate, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Rate -"), 51, kRate, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Scroll Up"), 52, kInScroll, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Scroll Down"), 53, kInScroll, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "LED SWITCH"), 54, kInMain, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "SNIPER"), 55, kAdvance, FunctionParams::Sniper},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Profile +"), 57, kProfile, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Profile -"), 58, kProfile, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Profile Switch"), 59, kProfile, kNone},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "Macro Manager"), kFunMacro, kInMain, FunctionParams::Macro},
    {QT_TRANSLATE_NOOP("TarnBtnWindow", "GunFile Manager"), kFunGunSet, 0, FunctionParams::GunSet},
}};

const FunctionEntry *findFunction(int fun)
{
    for (const FunctionEntry &entry : kFunctionCatalogue) {
        if (entry.fun == fun)
            return &entry;
    }
    return nullptr;
}

const char *submenuTitle(Submenu submenu)
{
    const int i = int(submenu);
    return i >= 0 && i < kSubmenuCount ? kSubmenuTitles[i] : "";
}

QVector<const FunctionEntry *> submenuEntries(Submenu submenu)
{
    QVector<const FunctionEntry *> entries;
    for (const FunctionEntry &entry : kFunctionCatalogue) {
        if (entry.menus & inSubmenu(submenu))
            entries << &entry;
    }
    return entries;
}

QVector<MainMenuItem> mainMenuItems(bool macrosEnabled)
{
    QVector<MainMenuItem> items;
    for (int fun = 1; fun <= 5; ++fun)
        items.push_back({findFunction(fun), Submenu::Count});
    for (Submenu submenu : kMainSubmenus)
        items.push_back({nullptr, submenu});
    if (macrosEnabled)
        items.push_back({findFunction(kFunMacro), Submenu::Count});
    items.push_back({findFunction(54), Submenu::Count});
    items.push_back({findFunction(kFunButtonOff), Submenu::Count});
    return items;
}

QVector<const FunctionEntry *> scrollMenuEntries()
{
    QVector<const FunctionEntry *> entries;
    for (int fun : kScrollOrder)
        entries << findFunction(fun);
    return entries;
}

int buttonGroupOf(int button)
{
    if (button < 0 || button >= kButtonCount)
        return -1;
    return button / kButtonGroupSize;
}

QString buttonLabelText(int fun, const QString &macroname, QString (*translate)(const char *))
{
    if ((fun == kFunMacro || fun == kFunGunSet) && !macroname.isEmpty())
        return macroname;
    // A button that was never given a function sends four zero bytes, as "Button Off" does.
    if (const FunctionEntry *entry = findFunction(fun ? fun : kFunButtonOff))
        return translate(entry->text);
    return translate(kUnknownFunction).arg(fun);
}
