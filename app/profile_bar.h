#pragma once
// The window's profile controls: the five slot buttons (and the slot drop-down, which the layout
// gives no room), the name label and edit, and the profile-file button whose menu lists the
// stored-profile library. They show the working set's current slot and its name; what the user
// picks there they announce, for profile management to act on.

#include "storage/profile_data.h"

#include <QObject>
#include <QStringList>

#include <array>

class QAction;
class QLabel;
class QMenu;
class QWidget;
class TarnLineEdit;
class TarnPushButton;

class ProfileBar : public QObject {
    Q_OBJECT
public:
    // Makes its controls on `window`, which must outlive the bar.
    explicit ProfileBar(QWidget &window);

    // Null for a slot outside the five.
    TarnPushButton *slotButton(int slot) const;
    QMenu *slotMenu() const { return m_pSlotMenu; }
    TarnLineEdit *nameEdit() const { return m_pNameEdit; }
    TarnPushButton *fileButton() const { return m_pFileButton; }
    QMenu *fileMenu() const { return m_pFileMenu; }
    // "Automatic switching…", last in the profile-file menu.
    QAction *autoSwitchAction() const { return m_pAutoSwitchAction; }

    // The library's stored profiles as checkable entries, at most as many as can be stored.
    void showLibrary(const QStringList &library);
    // The current slot with its name; the library entry of that name checked.
    void showSlot(const ProfileSet &working);
    // Only the current slot's button marked.
    void markSlot(const ProfileSet &working);
    // Off while a macro is recorded: switching profiles would lose its slot.
    void setControlsEnabled(bool enabled);
    // The menus' width and look at the window's scale.
    void rescale();
    void retranslate();

signals:
    void slotChosen(int slot);
    // Enter in the name edit, or a click on the profile-file button that its menu did not take.
    void renameRequested(const QString &name);
    void storedProfileChosen(const QString &name);

private:
    void onSlotButtonClicked();

    std::array<TarnPushButton *, kProfileSlotCount> m_SlotButtons{};
    std::array<QAction *, kProfileSlotCount> m_SlotActions{};
    TarnPushButton *m_pSlotDropDown;
    QMenu *m_pSlotMenu;
    QLabel *m_pNameLabel;
    TarnLineEdit *m_pNameEdit;
    TarnPushButton *m_pFileButton;
    QMenu *m_pFileMenu;
    QAction *m_pAutoSwitchAction;
};
