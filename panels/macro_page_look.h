#pragma once
// The look the macro page's parts share (number fields, labels, the lists and the step editor's
// drop-down menus, in the theme colour at the current scale) and reading a number field.

#include <QString>

class QLineEdit;

QString macroFieldStyle();
QString macroLabelStyle();
// The macro list, the mouse command tree and the step table.
QString macroListStyle();
QString macroMenuStyle();

// The field's number within minimum..maximum; `empty` when it holds none.
int macroFieldValue(const QLineEdit *edit, int minimum, int maximum, int empty);
