#include "platform/key_capture_codes.h"

#include <linux/input-event-codes.h>

#include <QtCore/qnamespace.h>

#include <algorithm>

namespace {

constexpr ScanCode plain(uint8_t code) { return {code, false}; }
constexpr ScanCode ext(uint8_t code) { return {code, true}; }

} // namespace

// Evdev codes 1..88 are the set-1 make codes of the AT keyboard; the keys that send the 0xE0
// prefix got codes of their own above 95.
const std::array<EvdevScanRow, kEvdevScanRowCount> kEvdevScanCodes = {{
    {KEY_ESC, plain(1)},         {KEY_1, plain(2)},           {KEY_2, plain(3)},
    {KEY_3, plain(4)},           {KEY_4, plain(5)},           {KEY_5, plain(6)},
    {KEY_6, plain(7)},           {KEY_7, plain(8)},           {KEY_8, plain(9)},
    {KEY_9, plain(10)},          {KEY_0, plain(11)},          {KEY_MINUS, plain(12)},
    {KEY_EQUAL, plain(13)},      {KEY_BACKSPACE, plain(14)},  {KEY_TAB, plain(15)},
    {KEY_Q, plain(16)},          {KEY_W, plain(17)},          {KEY_E, plain(18)},
    {KEY_R, plain(19)},          {KEY_T, plain(20)},          {KEY_Y, plain(21)},
    {KEY_U, plain(22)},          {KEY_I, plain(23)},          {KEY_O, plain(24)},
    {KEY_P, plain(25)},          {KEY_LEFTBRACE, plain(26)},  {KEY_RIGHTBRACE, plain(27)},
    {KEY_ENTER, plain(28)},      {KEY_LEFTCTRL, plain(29)},   {KEY_A, plain(30)},
    {KEY_S, plain(31)},          {KEY_D, plain(32)},          {KEY_F, plain(33)},
    {KEY_G, plain(34)},          {KEY_H, plain(35)},          {KEY_J, plain(36)},
    {KEY_K, plain(37)},          {KEY_L, plain(38)},          {KEY_SEMICOLON, plain(39)},
    {KEY_APOSTROPHE, plain(40)}, {KEY_GRAVE, plain(41)},      {KEY_LEFTSHIFT, plain(42)},
    {KEY_BACKSLASH, plain(43)},  {KEY_Z, plain(44)},          {KEY_X, plain(45)},
    {KEY_C, plain(46)},          {KEY_V, plain(47)},          {KEY_B, plain(48)},
    {KEY_N, plain(49)},          {KEY_M, plain(50)},          {KEY_COMMA, plain(51)},
    {KEY_DOT, plain(52)},        {KEY_SLASH, plain(53)},      {KEY_RIGHTSHIFT, plain(54)},
    {KEY_KPASTERISK, plain(55)}, {KEY_LEFTALT, plain(56)},    {KEY_SPACE, plain(57)},
    {KEY_CAPSLOCK, plain(58)},   {KEY_F1, plain(59)},         {KEY_F2, plain(60)},
    {KEY_F3, plain(61)},         {KEY_F4, plain(62)},         {KEY_F5, plain(63)},
    {KEY_F6, plain(64)},         {KEY_F7, plain(65)},         {KEY_F8, plain(66)},
    {KEY_F9, plain(67)},         {KEY_F10, plain(68)},        {KEY_NUMLOCK, ext(69)},
    {KEY_SCROLLLOCK, plain(70)}, {KEY_KP7, plain(71)},        {KEY_KP8, plain(72)},
    {KEY_KP9, plain(73)},        {KEY_KPMINUS, plain(74)},    {KEY_KP4, plain(75)},
    {KEY_KP5, plain(76)},        {KEY_KP6, plain(77)},        {KEY_KPPLUS, plain(78)},
    {KEY_KP1, plain(79)},        {KEY_KP2, plain(80)},        {KEY_KP3, plain(81)},
    {KEY_KP0, plain(82)},        {KEY_KPDOT, plain(83)},      {KEY_F11, plain(87)},
    {KEY_F12, plain(88)},        {KEY_KPENTER, ext(28)},      {KEY_RIGHTCTRL, ext(29)},
    {KEY_KPSLASH, ext(53)},      {KEY_SYSRQ, ext(55)},        {KEY_RIGHTALT, ext(56)},
    {KEY_HOME, ext(71)},         {KEY_UP, ext(72)},           {KEY_PAGEUP, ext(73)},
    {KEY_LEFT, ext(75)},         {KEY_RIGHT, ext(77)},        {KEY_END, ext(79)},
    {KEY_DOWN, ext(80)},         {KEY_PAGEDOWN, ext(81)},     {KEY_INSERT, ext(82)},
    {KEY_DELETE, ext(83)},       {KEY_PAUSE, plain(69)},      {KEY_LEFTMETA, ext(91)},
    {KEY_RIGHTMETA, ext(92)},    {KEY_COMPOSE, ext(93)},
}};

std::optional<ScanCode> scanCodeFromEvdev(int evdev)
{
    const auto it = std::lower_bound(kEvdevScanCodes.begin(), kEvdevScanCodes.end(), evdev,
                                     [](const EvdevScanRow &row, int code) { return row.evdev < code; });
    if (it == kEvdevScanCodes.end() || it->evdev != evdev)
        return std::nullopt;
    return it->scan;
}

namespace {

struct QtKeyRow {
    int key;
    ScanCode scan;
};

// Keys as Qt reports them without the keypad modifier.
constexpr QtKeyRow kQtKeys[] = {
    {Qt::Key_Escape, plain(1)},      {Qt::Key_1, plain(2)},           {Qt::Key_2, plain(3)},
    {Qt::Key_3, plain(4)},           {Qt::Key_4, plain(5)},           {Qt::Key_5, plain(6)},
    {Qt::Key_6, plain(7)},           {Qt::Key_7, plain(8)},           {Qt::Key_8, plain(9)},
    {Qt::Key_9, plain(10)},          {Qt::Key_0, plain(11)},          {Qt::Key_Minus, plain(12)},
    {Qt::Key_Equal, plain(13)},      {Qt::Key_Backspace, plain(14)},  {Qt::Key_Tab, plain(15)},
    {Qt::Key_Backtab, plain(15)},    {Qt::Key_Q, plain(16)},          {Qt::Key_W, plain(17)},
    {Qt::Key_E, plain(18)},          {Qt::Key_R, plain(19)},          {Qt::Key_T, plain(20)},
    {Qt::Key_Y, plain(21)},          {Qt::Key_U, plain(22)},          {Qt::Key_I, plain(23)},
    {Qt::Key_O, plain(24)},          {Qt::Key_P, plain(25)},          {Qt::Key_BracketLeft, plain(26)},
    {Qt::Key_BracketRight, plain(27)}, {Qt::Key_Return, plain(28)},   {Qt::Key_Control, plain(29)},
    {Qt::Key_A, plain(30)},          {Qt::Key_S, plain(31)},          {Qt::Key_D, plain(32)},
    {Qt::Key_F, plain(33)},          {Qt::Key_G, plain(34)},          {Qt::Key_H, plain(35)},
    {Qt::Key_J, plain(36)},          {Qt::Key_K, plain(37)},          {Qt::Key_L, plain(38)},
    {Qt::Key_Semicolon, plain(39)},  {Qt::Key_Apostrophe, plain(40)}, {Qt::Key_QuoteLeft, plain(41)},
    {Qt::Key_Shift, plain(42)},      {Qt::Key_Backslash, plain(43)},  {Qt::Key_Z, plain(44)},
    {Qt::Key_X, plain(45)},          {Qt::Key_C, plain(46)},          {Qt::Key_V, plain(47)},
    {Qt::Key_B, plain(48)},          {Qt::Key_N, plain(49)},          {Qt::Key_M, plain(50)},
    {Qt::Key_Comma, plain(51)},      {Qt::Key_Period, plain(52)},     {Qt::Key_Slash, plain(53)},
    {Qt::Key_Print, ext(55)},        {Qt::Key_SysReq, ext(55)},       {Qt::Key_Alt, plain(56)},
    {Qt::Key_AltGr, ext(56)},        {Qt::Key_Space, plain(57)},      {Qt::Key_CapsLock, plain(58)},
    {Qt::Key_F1, plain(59)},         {Qt::Key_F2, plain(60)},         {Qt::Key_F3, plain(61)},
    {Qt::Key_F4, plain(62)},         {Qt::Key_F5, plain(63)},         {Qt::Key_F6, plain(64)},
    {Qt::Key_F7, plain(65)},         {Qt::Key_F8, plain(66)},         {Qt::Key_F9, plain(67)},
    {Qt::Key_F10, plain(68)},        {Qt::Key_Pause, plain(69)},      {Qt::Key_NumLock, ext(69)},
    {Qt::Key_ScrollLock, plain(70)}, {Qt::Key_Home, ext(71)},         {Qt::Key_Up, ext(72)},
    {Qt::Key_PageUp, ext(73)},       {Qt::Key_Left, ext(75)},         {Qt::Key_Right, ext(77)},
    {Qt::Key_End, ext(79)},          {Qt::Key_Down, ext(80)},         {Qt::Key_PageDown, ext(81)},
    {Qt::Key_Insert, ext(82)},       {Qt::Key_Delete, ext(83)},       {Qt::Key_F11, plain(87)},
    {Qt::Key_F12, plain(88)},        {Qt::Key_Meta, ext(91)},         {Qt::Key_Super_L, ext(91)},
    {Qt::Key_Super_R, ext(92)},      {Qt::Key_Menu, ext(93)},
    // The US layout's shifted symbols, on their keys.
    {Qt::Key_Exclam, plain(2)},      {Qt::Key_At, plain(3)},          {Qt::Key_NumberSign, plain(4)},
    {Qt::Key_Dollar, plain(5)},      {Qt::Key_Percent, plain(6)},     {Qt::Key_AsciiCircum, plain(7)},
    {Qt::Key_Ampersand, plain(8)},   {Qt::Key_Asterisk, plain(9)},    {Qt::Key_ParenLeft, plain(10)},
    {Qt::Key_ParenRight, plain(11)}, {Qt::Key_Underscore, plain(12)}, {Qt::Key_Plus, plain(13)},
    {Qt::Key_BraceLeft, plain(26)},  {Qt::Key_BraceRight, plain(27)}, {Qt::Key_Colon, plain(39)},
    {Qt::Key_QuoteDbl, plain(40)},   {Qt::Key_AsciiTilde, plain(41)}, {Qt::Key_Bar, plain(43)},
    {Qt::Key_Less, plain(51)},       {Qt::Key_Greater, plain(52)},    {Qt::Key_Question, plain(53)},
};

// Keys as Qt reports them with the keypad modifier, in either Num Lock state.
constexpr QtKeyRow kQtKeypadKeys[] = {
    {Qt::Key_7, plain(71)},        {Qt::Key_Home, plain(71)},     {Qt::Key_8, plain(72)},
    {Qt::Key_Up, plain(72)},       {Qt::Key_9, plain(73)},        {Qt::Key_PageUp, plain(73)},
    {Qt::Key_Minus, plain(74)},    {Qt::Key_4, plain(75)},        {Qt::Key_Left, plain(75)},
    {Qt::Key_5, plain(76)},        {Qt::Key_Clear, plain(76)},    {Qt::Key_6, plain(77)},
    {Qt::Key_Right, plain(77)},    {Qt::Key_Plus, plain(78)},     {Qt::Key_1, plain(79)},
    {Qt::Key_End, plain(79)},      {Qt::Key_2, plain(80)},        {Qt::Key_Down, plain(80)},
    {Qt::Key_3, plain(81)},        {Qt::Key_PageDown, plain(81)}, {Qt::Key_0, plain(82)},
    {Qt::Key_Insert, plain(82)},   {Qt::Key_Period, plain(83)},   {Qt::Key_Comma, plain(83)},
    {Qt::Key_Delete, plain(83)},   {Qt::Key_Asterisk, plain(55)}, {Qt::Key_Slash, ext(53)},
    {Qt::Key_Enter, ext(28)},      {Qt::Key_NumLock, ext(69)},
};

template <size_t N>
std::optional<ScanCode> findQtKey(const QtKeyRow (&rows)[N], int key)
{
    for (const QtKeyRow &row : rows) {
        if (row.key == key)
            return row.scan;
    }
    return std::nullopt;
}

} // namespace

std::optional<ScanCode> scanCodeFromQtKey(int qtKey, bool keypad)
{
    // Qt reports keypad Enter as Key_Enter; take it as such even without the keypad modifier.
    if (keypad || qtKey == Qt::Key_Enter)
        return findQtKey(kQtKeypadKeys, qtKey);
    return findQtKey(kQtKeys, qtKey);
}

