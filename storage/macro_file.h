#pragma once
// The macro library: one INI file per macro in Configs/MacroDB/ (name + ".MSMACRO", every key in
// the group "Setting") and the 50-slot name list "MACRO_LIST/0".."MACRO_LIST/49" of
// Configs/Config.ini. Every operation opens the file afresh; nothing is cached.
//
// A macro name is used as a file name. Names that could leave the macro folder (empty, ".",
// "..", containing '/', '\\' or a NUL, or too long for a file name) are refused by every
// function here: they form no path, read as an empty macro and are never written.

#include "storage/macro_event.h"
#include "storage/profile_data.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

// ---- step encoding -------------------------------------------------------------------------

// Map values of the step kinds. Bit 7 marks a press; the low seven bits give the kind.
constexpr uint8_t kMacroKeyPress = 0x84;
constexpr uint8_t kMacroKeyRelease = 0x04;
constexpr uint8_t kMacroButtonPress = 0x81;
constexpr uint8_t kMacroButtonRelease = 0x01;
constexpr uint8_t kMacroMove = 0x02;
constexpr uint8_t kMacroDelay = 0x06;
constexpr uint8_t kMacroPressBit = 0x80;
constexpr uint8_t kMacroKindMask = 0x7F;

// Button bits of mouse-button steps.
constexpr uint8_t kMacroLeftButton = 1;
constexpr uint8_t kMacroRightButton = 2;
constexpr uint8_t kMacroMiddleButton = 4;
constexpr uint8_t kMacroForwardButton = 8;
constexpr uint8_t kMacroBackwardButton = 16;

constexpr int kMacroMinMoveDistance = 1;
constexpr int kMacroMaxMoveDistance = 120;
constexpr int kMacroMaxDelayUnits = 0xFFFF; // delays are 16-bit counts of 10 ms

enum class MoveDirection { Left, Right, Up, Down };

// Key press/release step carrying a HID keyboard usage.
MacroEvent keyStep(uint8_t usage, bool press);
// Mouse-button press/release step carrying a button bit.
MacroEvent buttonStep(uint8_t buttonBit, bool press);

// Move step along one axis; the distance is clamped to 1..120 so it always reads back as the
// same direction.
MacroEvent encodeMove(MoveDirection direction, int distance);
// Signed value of a stored offset byte: 1..120 positive, 121..255 negative (two's complement).
int decodeMoveOffset(uint8_t offset);

struct DecodedMove {
    bool valid = false; // false when both axes or neither is non-zero
    MoveDirection direction = MoveDirection::Right;
    int distance = 0;
};
DecodedMove decodeMove(const MacroEvent &step);

// Delay step of ms milliseconds: ms / 10 rounded down, at least 1 (10 ms), at most 65535.
MacroEvent encodeDelay(int ms);
// Milliseconds of a delay step: (DataH * 256 + DataL) * 10.
int delayMs(const MacroEvent &step);

// ---- macro files ---------------------------------------------------------------------------

// A button's key list holds 63 steps: the most a download or a button assignment takes.
constexpr int kMacroDeviceMaxSteps = 63;
// Bound on the steps read from or written to a macro file. Far above what the editor records;
// it keeps a hostile "Setting/Count" from driving a huge loop or allocation.
constexpr int kMacroFileMaxSteps = 1024;

// The five settings of a macro file. The defaults are those of a new macro.
struct MacroSettings {
    QString MacroFilePath; // as stored; saveMacro always writes the file's actual path
    int DefaultDelay = 10;
    int DelayType = 0; // 0 no delays, 1 recorded delays, 2 default delay inserted
    int LoopType = 0;  // 0 none, 1..3 the editor's loop modes
    int LoopTime = 1;  // 1..255
};

struct MacroData {
    MacroSettings settings;
    QVector<MacroEvent> steps;
};

enum class MacroWriteSign {
    Set, // the editor's save: "Setting/WriteSign" = 1 written last
    Omit // the gun set editor's file: no "Setting/WriteSign"
};

QString macroFolder(); // Configs/MacroDB (no trailing slash)
// Configs/MacroDB/<name>.MSMACRO, or the empty string for an unsafe name.
QString macroFilePath(const QString &name);
bool isSafeMacroName(const QString &name);
bool macroFileExists(const QString &name);

// Writes the whole file (earlier keys are dropped): MacroFilePath, DefaultDelay, DelayType,
// LoopType, LoopTime, Count, the step keys, then WriteSign when asked. At most
// kMacroFileMaxSteps steps are written, and Count says how many. False for an unsafe name or
// when the file could not be written.
bool saveMacro(const QString &name, const MacroSettings &settings, const QVector<MacroEvent> &steps,
               MacroWriteSign writeSign = MacroWriteSign::Set);

// Settings and steps of a macro file. Missing keys read as 0. Steps are kept as stored, except
// that move steps become Map 2 and delay steps are dropped when DelayType is 0. Count is bounded
// by kMacroFileMaxSteps.
MacroData loadMacro(const QString &name);

// The steps exactly as stored (Map, DataL, DataH of 0..Count-1, each the low byte of its
// integer, no step dropped), as the macro download and the button assignment read them. Count
// is bounded to 0..kMacroDeviceMaxSteps.
QVector<MacroEvent> readMacroSteps(const QString &name);

// "Setting/Count" of a macro file, bounded to 0..kMacroFileMaxSteps (0 when the file is missing):
// tells whether readMacroSteps left steps out.
int readMacroStepCount(const QString &name);

// "Setting/WriteSign" of a macro file (0 when absent or the file is missing).
int readMacroWriteSign(const QString &name);
// Writes "Setting/WriteSign" = 0 into an existing macro file; a missing file is not created.
void clearMacroWriteSign(const QString &name);

// Removes the macro file when it exists. False when an existing file could not be removed.
bool deleteMacroFile(const QString &name);

// The longest macro name the program makes or accepts.
constexpr int kMacroNameMaxLength = 20;

// The name itself when no macro file of that name exists, else name + "_2", "_3", ... the first
// without a file, the name shortened so that the result has at most kMacroNameMaxLength
// characters. The empty string for an unsafe name.
QString uniqueMacroName(const QString &name);

// ---- macro list ----------------------------------------------------------------------------

constexpr int kMacroListSlots = 50;

// Texts the window shows when the list is full (title and message), translated in the context
// kMacroTextContext: QCoreApplication::translate(kMacroTextContext, kTooManyMacrosMessage).
extern const char *const kMacroTextContext;     // "MacroLibrary"
extern const char *const kTooManyMacrosTitle;   // "WARNING"
extern const char *const kTooManyMacrosMessage; // "TOO MANY MACROS TO BE CREATE!"

// "MACRO_LIST/<slot>" for slot 0..49.
QString macroListKey(int slot);

int macroCount();              // non-empty slots among 0..49
QStringList listMacroNames();  // names of the non-empty slots, in slot order
bool isMacroListFull();        // macroCount() >= 50

// Puts the name into the first empty slot. Nothing is stored (false) when the list is full or
// the name is unsafe.
bool addMacroName(const QString &name);
// Empties the first slot holding the name.
void removeMacroName(const QString &name);

// Renames old to new: when new differs from old, new is made unique among the macro files
// (uniqueMacroName), the file is renamed (when it exists) and every slot holding old gets the
// new name. Returns the name actually used; old when the names are equal, either name is unsafe
// or the file could not be renamed (then the list is left as it was).
QString renameMacro(const QString &oldName, const QString &newName);

enum class NewMacroStatus { Created, ListFull, WriteFailed };
struct NewMacroResult {
    NewMacroStatus status = NewMacroStatus::ListFull;
    QString name; // the created macro's name when status is Created
};

// Creates "name_<n>" with the smallest n >= 1 without a file, saved with the new-macro settings
// and no steps, and adds it to the list. Nothing is created when the list is full.
NewMacroResult newMacro();

// The macro and gun-set files the buttons of a set name, each read once: what a download builds
// the macro block from, read before the download so that building it reads no file.
using MacroStepsByName = QHash<QString, QVector<MacroEvent>>;
MacroStepsByName readNamedMacroSteps(const ProfileSet &set);

// compareProfileSets against the macro files as stored: the edited files are those with
// "Setting/WriteSign" set, and the one whose edit the comparison reports has its sign cleared
// (the edit is now counted as sent). Returns the kChange* bits.
int compareWithMacroFiles(const ProfileSet &working, const ProfileSet &saved);
