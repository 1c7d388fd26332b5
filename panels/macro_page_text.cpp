#include "panels/macro_page_text.h"

#include "storage/macro_file.h"
#include "widgets/tarn_message_box.h"

#include <QCoreApplication>
#include <QWidget>

QString macroText(const char *source)
{
    return QCoreApplication::translate("MacroDialog", source);
}

namespace {

void showMacroNotice(QWidget *page, const QString &title, const QString &message)
{
    TarnMessageBox box(TarnMessageBox::Notice, QString(), title, message, page->window());
    box.exec();
}

} // namespace

void showMacroWarning(QWidget *page, const QString &message)
{
    showMacroNotice(page, macroText(QT_TRANSLATE_NOOP("MacroDialog", "Warning")), message);
}

void showTooManyMacros(QWidget *page)
{
    showMacroNotice(page, QCoreApplication::translate(kMacroTextContext, kTooManyMacrosTitle),
                    QCoreApplication::translate(kMacroTextContext, kTooManyMacrosMessage));
}

bool askMacroQuestion(QWidget *page, const QString &message)
{
    TarnMessageBox box(TarnMessageBox::Question, QString(), macroText(QT_TRANSLATE_NOOP("MacroDialog", "Warning")),
                       message, page->window());
    return box.exec() == 1;
}
