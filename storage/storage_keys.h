#pragma once
// Every key text of the settings, profile, configuration and model description files, in one
// place. Indexed keys append the decimal index without leading zeros.

#include <QString>

#include <charconv>
#include <system_error>

// Configs/Config.ini
inline const QString kKeyProfileID = QStringLiteral("Config/ProfileID");
inline const QString kKeyCount = QStringLiteral("Config/Count");
inline const QString kKeyAngleValue = QStringLiteral("Config/AngleValue");
inline const QString kKeyLiftHigh = QStringLiteral("Config/LiftHigh");
inline const QString kKeyDiff = QStringLiteral("Config/Diff");
inline const QString kKeyBattery = QStringLiteral("Config/Battery");
inline const QString kKeyBatteryFull = QStringLiteral("Config/BatteryFull");
inline const QString kKeyGColorID = QStringLiteral("Config/GColorID");
inline const QString kKeyModel = QStringLiteral("Config/Model");
inline const QString kKeyCurrentProductName = QStringLiteral("Config/CurrentProductName");
inline const QString kKeyLangNum = QStringLiteral("FONT_LIST/LANGNUM");
inline const QString kKeySensor = QStringLiteral("MouseSenSor/1");
inline const QString kKeyMouseListName = QStringLiteral("Mouse_List/0");
inline QString keySlotName(int slot) { return QStringLiteral("Config/Profile%1").arg(slot + 1); }  // slot 0..4
inline QString keyLangName(int i) { return QStringLiteral("FONT_LIST/LangName_%1").arg(i); }
inline QString keyLangFile(int i) { return QStringLiteral("FONT_LIST/LangFile_%1").arg(i); }
inline QString keyFont(int i) { return QStringLiteral("FONT_LIST/FONT_%1").arg(i); }
inline QString keyFontSize(int i) { return QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(i); }
inline QString keyLedCapability(const QString &product) { return QStringLiteral("MouseLEDMode/") + product; }
constexpr int kBatteryFullDefault = 4200;

// Configs/AutoSwitch.ini: automatic profile switching. Rules are numbered from 1 in their order.
inline const QString kAutoSwitchFileName = QStringLiteral("AutoSwitch.ini");
inline const QString kKeyAutoSwitchEnabled = QStringLiteral("AutoSwitch/Enabled");
inline const QString kKeyAutoSwitchDefault = QStringLiteral("AutoSwitch/Default"); // 0: leave as is
inline const QString kKeyAutoSwitchCount = QStringLiteral("AutoSwitch/Count");
inline QString keyAutoSwitchApp(int i) { return QStringLiteral("Rule%1/App").arg(i + 1); }   // i from 0
inline QString keyAutoSwitchSlot(int i) { return QStringLiteral("Rule%1/Slot").arg(i + 1); } // 1..5

// Configs/LangConfig.ini
inline const QString kKeyLangID = QStringLiteral("Config/LangID");

// The product folder's Config.ini (stored-profile list)
inline const QString kGroupProfileList = QStringLiteral("PROFILE_LIST");
inline const QString kKeyListCount = QStringLiteral("Count");
inline const QString kKeyProtectedCount = QStringLiteral("SCount");
inline QString keyListEntry(int i) { return QString::number(i); }  // 1-based, inside the group
inline QString keyProtectedEntry(int i) { return QStringLiteral("S%1").arg(i); }

// A key's bytes put together in place and made a text once: profile keys are made by the
// thousand, and formatting them with arg(), printf or by appending texts cost more than reading
// the file. Keys are short ASCII; anything past the buffer is cut.
class KeyBytes {
public:
    KeyBytes &operator<<(const char *text)
    {
        while (*text && m_length < int(sizeof m_bytes))
            m_bytes[m_length++] = *text++;
        return *this;
    }
    KeyBytes &operator<<(int number)
    {
        const std::to_chars_result end = std::to_chars(m_bytes + m_length, m_bytes + sizeof m_bytes, number);
        if (end.ec == std::errc())
            m_length = int(end.ptr - m_bytes);
        return *this;
    }
    QString text() const { return QString::fromLatin1(m_bytes, m_length); }

private:
    char m_bytes[96];
    int m_length = 0;
};
// "<prefix><index>_<field>"
inline QString indexedKey(const char *prefix, int index, const char *field)
{
    return (KeyBytes() << prefix << index << "_" << field).text();
}

// Profile files (group PROFILE), configuration files (groups PROFILE_0..PROFILE_4) and the
// model description (group PROFILE). Names below are relative to the group.
inline const QString kGroupProfile = QStringLiteral("PROFILE");
inline QString groupConfigSlot(int slot) { return QStringLiteral("PROFILE_%1").arg(slot); }
inline const QString kKeyPollrate = QStringLiteral("pollrate");
inline const QString kKeyDpi = QStringLiteral("dpi");
inline const QString kKeyMousespeed = QStringLiteral("mousespeed");
inline const QString kKeyDbclickspeed = QStringLiteral("dbclickspeed");
inline const QString kKeyScrollispage = QStringLiteral("scrollispage");
inline const QString kKeyScrollspeed = QStringLiteral("scrollspeed");
inline const QString kKeyAccelenable = QStringLiteral("accelenable");
inline const QString kKeyAcee = QStringLiteral("acee");
inline const QString kKeyProfileName = QStringLiteral("ProfileName");
inline const QString kKeyProfilePath = QStringLiteral("ProfilePath");
inline const QString kKeyLedMode = QStringLiteral("LedMode");
inline const QString kKeyLedMoveOFF = QStringLiteral("LedMoveOFF");
inline const QString kKeyLedSleepTime = QStringLiteral("LedSleepTime");
// The parts of the indexed profile keys (each profile key's text is made by ProfileKeys).
inline constexpr char kDpiInfoPrefix[] = "DPI_INFO_";
inline constexpr char kButtonInfoPrefix[] = "BUTTON_INFO_";
// "BUTTON_INFO_%d_KeyInfo_%d_<part>", a button's key steps, with part "map", "" (low byte) or "H"
// (high byte)
inline constexpr char kKeyInfoInfix[] = "KeyInfo_";
inline constexpr char kLedModeGroup[] = "LedMode";  // "LedMode/LED_MODE_%d_<field>"
inline constexpr char kLedModePrefix[] = "LED_MODE_";
// "DPI_INFO_%d_<field>" with field used, link, xy, x, y
inline QString keyDpiInfo(int stage, const char *field) { return indexedKey(kDpiInfoPrefix, stage, field); }
// "BUTTON_INFO_%d_<field>" with field ID, Fun, LoopNumber, KeyNumber, Res1..Res4, macroname,
// Matrix, Matrix2
inline QString keyButtonInfo(int button, const char *field) { return indexedKey(kButtonInfoPrefix, button, field); }
// "LedMode/LED_MODE_%d_<field>" with field RGB, h, s, v, bright, breath
inline QString keyLedInfo(int mode, const char *field)
{
    return (KeyBytes() << kLedModeGroup << "/" << kLedModePrefix << mode << "_" << field).text();
}

// Export tag of profile and configuration files
inline const QString kKeyMouseName = QStringLiteral("MouseName/Name");

// Model description only (group PROFILE)
inline const QString kKeyProductName = QStringLiteral("ProductName");
inline const QString kKeyVersion = QStringLiteral("Version");
inline const QString kKeyButtonCount = QStringLiteral("ButtonCount");
inline const QString kKeyMouseDpi = QStringLiteral("MouseDpi");
inline const QString kKeyDpiCount = QStringLiteral("DPICount");
inline const QString kKeyDisableMacro = QStringLiteral("DisableMacro");
inline const QString kKeyShowSleep = QStringLiteral("ShowSleep");

// File and folder names inside the data folder
inline const QString kSettingsFileName = QStringLiteral("Config.ini");
inline const QString kLangSettingsFileName = QStringLiteral("LangConfig.ini");
inline const QString kProfileFolderName = QStringLiteral("Profile");
inline const QString kProfileExtension = QStringLiteral(".prof");
inline const QString kDefaultProfileName = QStringLiteral("DefaultProfile");
