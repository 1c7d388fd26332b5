#pragma once
// The parts that the message box and the name-entry box share: their size, their text labels
// and their Yes/No/Ok buttons.

#include <QSize>
#include <QString>

class QLabel;
class QToolButton;
class QWidget;

// Size of the boxes in design units.
constexpr int kMessageBoxWidth = 478;
constexpr int kMessageBoxHeight = 309;
// Margin and spacing of their rows, in design units.
constexpr int kMessageBoxSpacing = 30;

// A white, word-wrapped label in "Consolas" (the language font where that is not installed) at
// 14 px × scale.
QLabel *makeMessageLabel(const QString &text, const QString &objectName, QWidget *parent);
// A fixed-size button with the given style sheet; `icon` is a resource path, none when empty.
QToolButton *makeMessageButton(const QString &text, const QString &objectName, const QString &icon,
                               const QString &styleSheet, QWidget *parent);
