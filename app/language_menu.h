#pragma once
// The language drop-down on the window's language button: the languages of the settings' table,
// the translation of the one in force and the saved choice.

#include "app/language_table.h"

#include <QObject>

#include <memory>

struct AppSettings;
class QAction;
class QMenu;
class QTranslator;
class TarnPushButton;

class LanguageMenu : public QObject {
    Q_OBJECT
public:
    // Reads the saved choice and the table, and gives `button` their menu.
    // `settings` (the window's) give the language table and the language in force; a choice is
    // written to them and to the settings file.
    LanguageMenu(AppSettings &settings, TarnPushButton *button, QObject *parent = nullptr);
    // Takes an installed translation out again.
    ~LanguageMenu() override;

    // The saved choice's translation (when it has a file that loads) and font into force.
    void installSaved();
    // The menu's width and look at the window's scale.
    void rescale();

    // The saved index, which may lie outside the table.
    int current() const { return m_iLanguage; }
    const LanguageTable &table() const { return m_Languages; }
    TarnPushButton *button() const { return m_pButton; }
    QMenu *menu() const { return m_pMenu; }

signals:
    // A chosen language's translation is in force: the window's texts are due again.
    void translationChanged();

private:
    void onTriggered(QAction *action);
    // Loads into a fresh translator, so a file that fails leaves the one in force intact.
    bool load(int language);
    void install();

    AppSettings &m_Settings;
    TarnPushButton *m_pButton;
    QMenu *m_pMenu = nullptr;
    int m_iLanguage;
    LanguageTable m_Languages;
    std::unique_ptr<QTranslator> m_pTranslator;
    bool m_bInstalled = false;
};
