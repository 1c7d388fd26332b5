#include "app/language_menu.h"

#include "app/window_controls.h"
#include "storage/settings_file.h"
#include "widgets/tarn_push_button.h"
#include "widgets/theme.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QTranslator>

LanguageMenu::LanguageMenu(AppSettings &settings, TarnPushButton *button, QObject *parent)
    : QObject(parent), m_Settings(settings), m_pButton(button), m_iLanguage(settings.language),
      m_Languages(LanguageTable::from(settings))
{
    m_pMenu = new QMenu(m_pButton);
    for (int i = 0; i < m_Languages.count; ++i)
        m_pMenu->addAction(m_Languages.name(i))->setData(i);
    connect(m_pMenu, &QMenu::triggered, this, &LanguageMenu::onTriggered);
    m_pButton->setMenu(m_pMenu);
    // The button shows the language in force; an index outside the table shows none.
    m_pButton->setText(m_Languages.name(m_iLanguage));
}

LanguageMenu::~LanguageMenu()
{
    if (m_bInstalled)
        QCoreApplication::removeTranslator(m_pTranslator.get());
}

void LanguageMenu::installSaved()
{
    if (load(m_iLanguage))
        install();
    setLook(m_Settings);
}

void LanguageMenu::rescale()
{
    m_pMenu->setFixedWidth(scaled(designRect(LayoutItem::LanguageButton).width(), uiScale()));
    applyMenuLook(m_pMenu);
}

void LanguageMenu::onTriggered(QAction *action)
{
    const int i = m_pMenu->actions().indexOf(action);
    if (!m_Languages.contains(i))
        return;
    m_iLanguage = i;
    const bool loaded = load(i);
    m_pButton->setText(action->text());
    writeLanguage(i);
    m_Settings.language = i;
    if (!loaded)
        return;
    install();
    setLook(m_Settings);
    emit translationChanged();
}

bool LanguageMenu::load(int language)
{
    const QString path = m_Languages.translationPath(language);
    if (path.isEmpty())
        return false;
    auto fresh = std::make_unique<QTranslator>();
    if (!fresh->load(path))
        return false;
    m_pTranslator = std::move(fresh);
    return true;
}

void LanguageMenu::install()
{
    // A replaced translator left Qt's list when it was deleted; installing puts the new one first.
    QCoreApplication::installTranslator(m_pTranslator.get());
    m_bInstalled = true;
}
