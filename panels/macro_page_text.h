#pragma once
// The macro page's words: every part of the page translates in one context, "MacroDialog", so
// the page reads as one in each language; and the notices the page shows over its window.

#include <QString>

class QWidget;

// `source` (marked with QT_TRANSLATE_NOOP("MacroDialog", ...)) in the current language.
QString macroText(const char *source);

// A notice over `page`'s window under the title "Warning"; returns once it is closed.
void showMacroWarning(QWidget *page, const QString &message);
// The notice that the library holds 50 macros already.
void showTooManyMacros(QWidget *page);
// A yes/no question over `page`'s window under the title "Warning"; true for yes.
bool askMacroQuestion(QWidget *page, const QString &message);
