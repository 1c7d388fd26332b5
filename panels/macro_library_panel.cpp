#include "panels/macro_library_panel.h"

#include "model/macro_steps.h"
#include "panels/macro_library_actions.h"
#include "panels/macro_page_look.h"
#include "panels/macro_page_text.h"
#include "panels/tarn_gunset_dialog.h"
#include "storage/log_categories.h"
#include "storage/macro_file.h"
#include "storage/storage_result.h"
#include "widgets/tarn_line_edit.h"
#include "widgets/theme.h"

#include <QCoreApplication>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>

namespace {

const QRect kHeaderRect(0, 0, 170, 26);
const QRect kListRect(0, 26, 170, 232);
const QRect kNameRect(0, 298, 170, 26);
const char kMacroFilter[] = QT_TRANSLATE_NOOP("MacroDialog", "Macro File(*.MSMACRO)");
const QString kMacroSuffix = QStringLiteral(".MSMACRO");

// In batch mode an entry carries a tick box, clear at first.
void setTickable(QListWidgetItem *item, bool tickable)
{
    if (tickable) {
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    } else {
        item->setFlags(item->flags() & ~Qt::ItemIsUserCheckable);
        item->setData(Qt::CheckStateRole, QVariant());
    }
}

QString fileErrorText()
{
    return storageResultMessage(StorageResult::FileError);
}

} // namespace

MacroFileDialogs standardMacroFileDialogs()
{
    MacroFileDialogs dialogs;
    dialogs.openFile = [](QWidget *parent, const QString &title, const QString &filter) {
        return QFileDialog::getOpenFileName(parent, title, QString(), filter);
    };
    dialogs.openFiles = [](QWidget *parent, const QString &title, const QString &filter) {
        return QFileDialog::getOpenFileNames(parent, title, QString(), filter);
    };
    dialogs.saveFile = [](QWidget *parent, const QString &title, const QString &proposed, const QString &filter) {
        return QFileDialog::getSaveFileName(parent, title, proposed, filter);
    };
    dialogs.folder = [](QWidget *parent, const QString &title, const QString &start) {
        return QFileDialog::getExistingDirectory(parent, title, start);
    };
    return dialogs;
}

MacroLibraryPanel::MacroLibraryPanel(QWidget *page)
    : QObject(page), m_pPage(page), m_FileDialogs(standardMacroFileDialogs())
{
    m_pHeader = new QLabel(page);
    m_pHeader->setAlignment(Qt::AlignCenter);
    m_pHeader->setStyleSheet(macroLabelStyle());
    m_pList = new QListWidget(page);
    m_pList->setFocusPolicy(Qt::NoFocus);
    m_pList->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_pNameEdit = new TarnLineEdit(page);
    m_pNameEdit->setMaxLength(kMacroNameMaxLength);
    m_pNameEdit->setStyleSheet(macroFieldStyle());
}

void MacroLibraryPanel::layout()
{
    m_pHeader->setGeometry(scaledRect(kHeaderRect, uiScale()));
    m_pList->setGeometry(scaledRect(kListRect, uiScale()));
    m_pNameEdit->setGeometry(scaledRect(kNameRect, uiScale()));
    m_pList->setStyleSheet(macroListStyle());
}

void MacroLibraryPanel::retranslate()
{
    m_pHeader->setText(macroText(QT_TRANSLATE_NOOP("MacroDialog", "MACRO NAME")));
    m_pNameEdit->setPlaceholderText(macroText(QT_TRANSLATE_NOOP("MacroDialog", "Macro name")));
}

bool MacroLibraryPanel::hasMacros() const
{
    return m_pList->count() > 0;
}

void MacroLibraryPanel::reload(const QString &select)
{
    m_pList->clear();
    for (const QString &name : listMacroNames()) {
        auto *item = new QListWidgetItem(name, m_pList);
        if (m_bBatch)
            setTickable(item, true);
    }
    QListWidgetItem *chosen = select.isEmpty() ? nullptr : entry(select);
    if (!chosen)
        chosen = m_pList->item(0);
    if (chosen)
        m_pList->setCurrentItem(chosen);
    makeCurrent(chosen ? chosen->text() : QString());
}

QListWidgetItem *MacroLibraryPanel::entry(const QString &name) const
{
    const QList<QListWidgetItem *> found = m_pList->findItems(name, Qt::MatchExactly);
    return found.isEmpty() ? nullptr : found.first();
}

void MacroLibraryPanel::choose(QListWidgetItem *item)
{
    m_pList->setCurrentItem(item);
    makeCurrent(item->text());
}

void MacroLibraryPanel::reopenCurrent()
{
    makeCurrent(m_strCurrent);
}

void MacroLibraryPanel::makeCurrent(const QString &name)
{
    m_strCurrent = name;
    m_pNameEdit->setText(name);
    emit currentChanged(name);
}

void MacroLibraryPanel::setBatch(bool batch)
{
    m_bBatch = batch;
    for (int i = 0; i < m_pList->count(); ++i)
        setTickable(m_pList->item(i), batch);
}

void MacroLibraryPanel::setListShown(bool shown)
{
    m_pList->setVisible(shown);
    m_pHeader->setVisible(shown);
}

QStringList MacroLibraryPanel::checkedMacros() const
{
    QStringList names;
    for (int i = 0; i < m_pList->count(); ++i) {
        if (m_pList->item(i)->checkState() == Qt::Checked)
            names << m_pList->item(i)->text();
    }
    return names;
}

// ---------------------------------------------------------------- new, rename, delete

void MacroLibraryPanel::createMacro()
{
    const NewMacroResult result = newMacro();
    if (result.status == NewMacroStatus::ListFull) {
        showTooManyMacros(m_pPage);
        return;
    }
    if (result.status != NewMacroStatus::Created) {
        showMacroWarning(m_pPage, fileErrorText());
        return;
    }
    reload(result.name);
}

void MacroLibraryPanel::renameCurrent()
{
    const QString wanted = m_pNameEdit->text().trimmed();
    if (m_strCurrent.isEmpty() || wanted == m_strCurrent)
        return;
    const QString problem = macroNameProblem(wanted);
    if (!problem.isEmpty()) {
        showMacroWarning(m_pPage, problem);
        m_pNameEdit->setText(m_strCurrent);
        return;
    }
    const QString old = m_strCurrent;
    const QString used = renameMacro(old, wanted);
    if (used == old) {
        showMacroWarning(m_pPage, fileErrorText());
        m_pNameEdit->setText(old);
        return;
    }
    // Buttons refer to a macro by name: the ones bound to the old name follow it, so the next
    // download still finds their macro.
    if (m_pWorking) {
        const int rebound = rebindMacroButtons(*m_pWorking, old, used);
        qCDebug(lcPanels) << "renamed macro" << old << "to" << used << "buttons" << rebound;
    }
    reportStoredProfiles(rebindStoredProfiles(old, used));
    reload(used);
}

void MacroLibraryPanel::deleteCurrent()
{
    if (m_strCurrent.isEmpty())
        return;
    if (!askMacroQuestion(m_pPage, macroText(QT_TRANSLATE_NOOP("MacroDialog",
                                                            "Delete the macro \"%1\"? Buttons that use it "
                                                            "become \"Button Off\" in every profile."))
                                       .arg(m_strCurrent)))
        return;
    // A button left naming a deleted macro would download nothing for it.
    if (m_pWorking)
        unbindMacroButtons(*m_pWorking, m_strCurrent);
    reportStoredProfiles(unbindStoredProfiles(m_strCurrent));
    removeMacroName(m_strCurrent);
    deleteMacroFile(m_strCurrent);
    m_strCurrent.clear();
    reload(QString());
}

void MacroLibraryPanel::reportStoredProfiles(const StoredProfilesOutcome &outcome)
{
    if (outcome.failed.isEmpty())
        return;
    showMacroWarning(m_pPage, macroText(QT_TRANSLATE_NOOP("MacroDialog",
                                                          "These stored profiles could not be updated: %1"))
                                  .arg(outcome.failed.join(QStringLiteral(", "))));
}

void MacroLibraryPanel::createGunSet()
{
    if (isMacroListFull()) {
        showTooManyMacros(m_pPage);
        return;
    }
    TarnGunsetDialog dialog(m_pPage->window(), uiScale());
    if (dialog.exec() != QDialog::Accepted)
        return;
    const QString name = uniqueMacroName(dialog.fileName());
    if (name.isEmpty() || !dialog.storeMacro(name) || !addMacroName(name)) {
        showMacroWarning(m_pPage, fileErrorText());
        return;
    }
    reload(name);
}

// ---------------------------------------------------------------- import, export

void MacroLibraryPanel::importFiles()
{
    const QString title = macroText(QT_TRANSLATE_NOOP("MacroDialog", "Load Macro File"));
    if (m_bBatch) {
        importBatch(title);
        return;
    }
    const QString path = m_FileDialogs.openFile(m_pPage->window(), title, macroText(kMacroFilter));
    if (!path.isEmpty())
        showImportOutcome(importMacroFile(path));
}

void MacroLibraryPanel::importBatch(const QString &title)
{
    const QStringList paths = m_FileDialogs.openFiles(m_pPage->window(), title, macroText(kMacroFilter));
    if (paths.isEmpty())
        return;
    const BatchImportReport report = importMacroFiles(paths);
    QStringList lines;
    if (!report.skipped.isEmpty())
        lines << macroText(QT_TRANSLATE_NOOP(
                     "MacroDialog", "Not imported (a macro of that name exists, or the name or file cannot be used): %1"))
                     .arg(report.skipped.join(QStringLiteral(", ")));
    if (!report.notReached.isEmpty())
        lines << QCoreApplication::translate(kMacroTextContext, kTooManyMacrosMessage) + QLatin1Char(' ') +
                     macroText(QT_TRANSLATE_NOOP("MacroDialog", "Not imported: %1"))
                         .arg(report.notReached.join(QStringLiteral(", ")));
    reload(report.imported.isEmpty() ? m_strCurrent : report.imported.last());
    if (!lines.isEmpty())
        showMacroWarning(m_pPage, lines.join(QLatin1Char('\n')));
}

void MacroLibraryPanel::showImportOutcome(const ImportOutcome &outcome)
{
    switch (outcome.status) {
    case ImportStatus::Imported:
        reload(outcome.name);
        return;
    case ImportStatus::Exists:
        showMacroWarning(m_pPage, macroText(QT_TRANSLATE_NOOP("MacroDialog", "Macro Exist!")));
        return;
    case ImportStatus::BadName:
        showMacroWarning(m_pPage, macroNameProblem(outcome.name));
        return;
    case ImportStatus::ListFull:
        showTooManyMacros(m_pPage);
        return;
    case ImportStatus::FileError:
        showMacroWarning(m_pPage, fileErrorText());
        return;
    }
}

void MacroLibraryPanel::exportFiles()
{
    const QString title = macroText(QT_TRANSLATE_NOOP("MacroDialog", "Save Macro File"));
    if (m_bBatch) {
        exportBatch(title);
        return;
    }
    if (m_strCurrent.isEmpty())
        return;
    QString target = m_FileDialogs.saveFile(m_pPage->window(), title, m_strCurrent + kMacroSuffix, macroText(kMacroFilter));
    if (target.isEmpty())
        return;
    if (!target.endsWith(kMacroSuffix, Qt::CaseInsensitive))
        target += kMacroSuffix;
    if (!exportMacroFile(m_strCurrent, target))
        showMacroWarning(m_pPage, fileErrorText());
}

void MacroLibraryPanel::exportBatch(const QString &title)
{
    const QStringList names = checkedMacros();
    if (names.isEmpty())
        return;
    const QString folder = m_FileDialogs.folder(m_pPage->window(), title, QStringLiteral("./"));
    if (folder.isEmpty())
        return;
    const QStringList failed = exportMacroFiles(names, folder);
    if (!failed.isEmpty())
        showMacroWarning(m_pPage, fileErrorText() + QLatin1Char('\n') + failed.join(QStringLiteral(", ")));
}
