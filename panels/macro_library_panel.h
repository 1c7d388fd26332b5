#pragma once
// The macro library on the page: the list of up to 50 macros, the name field, and new, rename,
// delete, import, export (one macro, or the ticked ones in batch mode) and the gun set editor's
// new macro. Every change is written at once; the macro made current is announced for the page
// to open. The library's rules beyond storage are macro_library_actions'.

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QWidget;
class TarnLineEdit;
struct ImportOutcome;
struct StoredProfilesOutcome;
struct ProfileSet;

// The file dialogs the library opens; tests replace them.
struct MacroFileDialogs {
    std::function<QString(QWidget *parent, const QString &title, const QString &filter)> openFile;
    std::function<QStringList(QWidget *parent, const QString &title, const QString &filter)> openFiles;
    std::function<QString(QWidget *parent, const QString &title, const QString &proposed, const QString &filter)> saveFile;
    std::function<QString(QWidget *parent, const QString &title, const QString &start)> folder;
};
MacroFileDialogs standardMacroFileDialogs();

class MacroLibraryPanel : public QObject {
    Q_OBJECT
public:
    explicit MacroLibraryPanel(QWidget *page);

    void layout();
    void retranslate();
    void setFileDialogs(const MacroFileDialogs &dialogs) { m_FileDialogs = dialogs; }
    // The working set, whose buttons follow a renamed macro.
    void setWorkingSet(ProfileSet *working) { m_pWorking = working; }

    QString current() const { return m_strCurrent; }
    bool hasMacros() const;
    bool isBatch() const { return m_bBatch; }
    QListWidget *list() const { return m_pList; }
    TarnLineEdit *nameEdit() const { return m_pNameEdit; }

    // Lists the library again and makes `select` current, else the first macro, else none.
    void reload(const QString &select);
    // The list entry of a macro; nullptr when it is not listed.
    QListWidgetItem *entry(const QString &name) const;
    // Makes the macro of a list entry current.
    void choose(QListWidgetItem *item);
    // Announces the current macro again: the page opens it afresh from its file.
    void reopenCurrent();
    // Batch mode: the entries carry tick boxes, and import and export take several files.
    void setBatch(bool batch);
    // The list and its header give way to the mouse command tree.
    void setListShown(bool shown);

    void createMacro();
    void renameCurrent();
    void deleteCurrent();
    void importFiles();
    void exportFiles();
    void createGunSet();

signals:
    // `name` is the current macro now (empty: none).
    void currentChanged(const QString &name);

private:
    void makeCurrent(const QString &name);
    void importBatch(const QString &title);
    void showImportOutcome(const ImportOutcome &outcome);
    void reportStoredProfiles(const StoredProfilesOutcome &outcome);
    void exportBatch(const QString &title);
    QStringList checkedMacros() const;

    QWidget *m_pPage;
    QLabel *m_pHeader = nullptr;
    QListWidget *m_pList = nullptr;
    TarnLineEdit *m_pNameEdit = nullptr;
    ProfileSet *m_pWorking = nullptr;
    QString m_strCurrent;
    bool m_bBatch = false;
    MacroFileDialogs m_FileDialogs;
};
