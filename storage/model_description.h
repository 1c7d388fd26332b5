#pragma once
// The model description: a read-only INI file (DefaultProfile.bin) shipped with the program that
// says which mouse model it serves and holds the factory values of a default profile. Every read
// opens the file afresh; a missing file is not an error.

#include "storage/record_sizes.h"

#include <QColor>
#include <QString>
#include <QVector>

#include <array>
#include <cstdint>

constexpr int kModelButtonSlots = 16;  // buttons with a matrix entry and a factory function
using ButtonMatrix = std::array<uint8_t, kModelButtonSlots>;

// Factory values of one lighting effect.
struct LedModeDefault {
    QColor color;  // invalid when the file holds none
    int32_t bright = 0;
    int32_t breath = 0;
};

// The factory values used for a default profile, read in one pass.
struct ModelDescription {
    uint8_t dpi = 0;
    std::array<uint32_t, kDpiStageCount> stages{};  // "DPI_INFO_%d_xy"
    int pollrate = 0;
    uint8_t LedMode = 0;
    std::array<int32_t, kModelButtonSlots> Fun{};  // "BUTTON_INFO_%d_Fun"
    std::array<LedModeDefault, kLedModeCount> leds{};
};

// Whether a model description can be read: the file in force exists and holds keys.
bool hasModelDescription();

// 0 when the file exists and was read, -1 when it does not exist (record unchanged).
int readModelDescription(ModelDescription &model);

// Derived counts (the file stores them combined by exclusive-or); 0 when the file is missing.
// Both are bounded to the tables they index: buttons to 0..kButtonCount, stages to
// 0..kDpiStageCount, so no user can index past a profile's records with them.
int modelButtonCount();
int modelDpiStageCount();

// The 16 "_Matrix" bytes (device slot of each button): 0, or -1 when the file is missing and
// the output is left untouched.
int readButtonMatrix(ButtonMatrix &out);
// The 16 "_Matrix2" bytes (button at each label position, 255 none): the derived button count,
// or -1 when the file is missing and the output is left untouched.
int readButtonMatrix2(ButtonMatrix &out);

// The buttons the front of the mouse shows, in label order: the label positions below the derived
// count whose Matrix2 entry is not 255 (the first laidOut of the 16 entries).
QVector<int> frontButtonIndices(const ButtonMatrix &matrix2, int laidOut);
// The same from the model description; none when it is missing.
QVector<int> modelFrontButtons();

QString modelProductName();
QString modelVersion();
int macrosDisabled();  // non-zero hides the macro features
int showSleep();       // non-zero shows the lighting sleep controls; 1 when absent
