#pragma once
// The main window: a frameless, image-shaped window on a 999 x 640 design grid scaled by the
// screen's logical DPI. It builds and lays out its controls and content panels, switches pages
// and wires the rooms that do the rest: the device status (hot-plug, battery, the mouse's own
// changes), the mouse view with its hot-spots, the profile bar, the language menu, the tray,
// profile management and the apply flow.

#include "app/auto_switch.h"
#include "app/content_panels.h"
#include "app/device_status.h"
#include "app/language_menu.h"
#include "app/mouse_view.h"
#include "app/profile_bar.h"
#include "app/profile_manager.h"
#include "app/stored_set_watch.h"
#include "app/tray.h"
#include "app/window_face.h"
#include "app/window_rules.h"
#include "panels/profile_panel.h"
#include "storage/profile_data.h"
#include "widgets/tarn_message_box.h"

#include <QStringList>
#include <QVector>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class ApplyFlow;
class DesktopIntegration;
class DeviceLink;
class HidBackend;
class HotplugSource;
class MacroDialog;
class OsdClient;
class PollerControl;
class QAction;
class QLabel;
class QMenu;
class TarnDPIWindow;
class TarnBtnWindow;
class TarnLineEdit;
class TarnPointSpeed;
class TarnProcessbar;
class TarnPushButton;
class TarnReportRate;
class TarnStatusText;
class VerifiedTransfer;

class MousecfgWidget : public QWidget, private ProfileHost, private StatusHost, private AutoSwitch::Host {
    Q_OBJECT
public:
    // Fixed indices of buttons().
    enum ButtonIndex {
        BtnLighting = 0,
        BtnCustomize = 1,
        BtnDpi = 2,
        BtnMacro = 3,
        BtnExportProfile = 4,
        BtnImportProfile = 5,
        BtnResetProfile = 6,
        BtnAddProfile = 7,
        BtnDeleteProfile = 8,
        BtnCopyProfile = 9,
        BtnResetAll = 10,
        BtnOk = 11,
        BtnCancel = 12,
        BtnApply = 13,
        BtnLoadConfig = 14,
        BtnSaveConfig = 15,
        ButtonCount = 16
    };

    // `backend` must outlive the window; `hotplug` (may be null: no hot-plug) is connected and
    // started by the window. `forcedScaleStep` 0..16 replaces the screen's scale step.
    MousecfgWidget(HidBackend &backend, HotplugSource *hotplug, int forcedScaleStep = -1,
                   QWidget *parent = nullptr);
    // Stops the battery poller (joining it), closes the device and shuts the HID layer down.
    ~MousecfgWidget() override;

    // The one main window, or null.
    static MousecfgWidget *instance();

    // ---- state
    int mouseCount() const { return m_pStatus->mouseCount(); }
    bool isMouseBack() const { return m_pStatus->isMouseBack(); }
    bool isWarningOpen() const { return m_pStatus->isWarningOpen(); }
    double scaleFactor() const { return m_pFace->factor(); }
    int scaleStep() const { return m_pFace->step(); }
    int currentPage() const { return m_iPage; }
    bool isFrontView() const { return m_bFrontView; }
    int connectionStateValue() const { return m_pStatus->connection(); }
    int currentLanguage() const { return m_pLanguage->current(); }
    const LanguageTable &languageTable() const { return m_pLanguage->table(); }
    int lastBatteryLevel() const { return m_pStatus->lastBatteryLevel(); }
    int selectedHotspot(int view) const { return m_pView->selected(view); }
    // The settings the window runs with (read once at start; the language follows the menu).
    const AppSettings &settings() const { return m_Settings; }
    const ProfileSet &workingSet() const { return m_WorkingSet; }
    const ProfileSet &savedSet() const { return m_SavedSet; }
    DeviceLink &deviceLink() { return *m_pLink; }
    DeviceStatus &deviceStatus() { return *m_pStatus; }
    ProfileManager &profileManager() { return *m_pProfiles; }
    AutoSwitch &autoSwitch() { return *m_pAutoSwitch; }
    ApplyFlow &applyFlow() { return *m_pApply; }
    OsdClient *osdClient() const { return m_pStatus->osdClient(); }
    MacroDialog *macroPage() const { return builtPanels().m_pMacroPage; }

    // ---- controls, for the screenshots and the tests
    TarnPushButton *button(int index) const;
    TarnPushButton *profileSlotButton(int slot) const { return m_pBar->slotButton(slot); }
    TarnPushButton *hotspot(int view, int index) const { return m_pView->hotspot(view, index); }
    TarnPushButton *languageButton() const { return m_pLanguage->button(); }
    QMenu *languageMenu() const { return m_pLanguage->menu(); }
    TarnPushButton *mouseSelector() const { return m_pStatus->mouseSelector(); }
    QMenu *mouseMenu() const { return m_pStatus->mouseMenu(); }
    TarnPushButton *closeButton() const { return m_pClose; }
    TarnPushButton *minimiseButton() const { return m_pMinimise; }
    TarnPushButton *frontViewButton() const { return m_pView->frontButton(); }
    TarnPushButton *sideViewButton() const { return m_pView->sideButton(); }
    TarnProcessbar *batteryBar() const { return m_pStatus->batteryBar(); }
    QLabel *chargingIcon() const { return m_pStatus->chargingIcon(); }
    QLabel *receiverIcon() const { return m_pStatus->receiverIcon(); }
    QLabel *frontPicture() const { return m_pView->frontPicture(); }
    QLabel *sidePicture() const { return m_pView->sidePicture(); }
    QLabel *versionLabel() const { return m_pVersionLabel; }
    // The line above the bottom buttons: the confirmation of an Apply, the missing model.
    TarnStatusText *statusText() const { return m_pStatusText; }
    QMenu *trayMenu() const { return m_pTray->menu(); }
    QSystemTrayIcon *trayIcon() const { return m_pTray->icon(); }
    QString lastTrayNotice() const { return m_pTray->lastNotice(); }
    TarnLineEdit *nameEdit() const { return m_pBar->nameEdit(); }
    TarnPushButton *profileFileButton() const { return m_pBar->fileButton(); }
    QMenu *profileFileMenu() const { return m_pBar->fileMenu(); }
    QMenu *slotMenu() const { return m_pBar->slotMenu(); }
    TarnPushButton *firmwareButton() const { return m_pFirmwareButton; }
    QAction *loadConfigAction() const { return m_pTray->loadAction(); }
    QAction *quitAction() const { return m_pTray->quitAction(); }
    TarnDPIWindow *dpiWindow() const { return builtPanels().m_pDpiWindow; }
    TarnPointSpeed *pointSpeed() const { return builtPanels().m_pPointSpeed; }
    TarnReportRate *reportRate() const { return builtPanels().m_pReportRate; }
    TarnBtnWindow *buttonPanel() const { return builtPanels().m_pButtonPanel; }
    QAction *autostartAction() const { return m_pTray->autostartAction(); }
    QAction *autoSwitchTrayAction() const { return m_pTray->autoSwitchAction(); }
    bool isTrayAvailable() const { return m_pTray->isAvailable(); }
    void setTrayAvailable(bool available) { m_pTray->setAvailable(available); }
    TarnMessageBox *warningBox() const { return m_pStatus->warningBox(); }
    TarnMessageBox *createWarningBox() { return m_pStatus->createWarningBox(); }

    // ---- routines other parts call
    // A click on the tray icon that came before the window was built.
    void activateTray(QSystemTrayIcon::ActivationReason reason) { m_pTray->activate(reason); }
    // --hidden: the start-up check leaves the window in the tray (minimised without a tray)
    // while a mouse is there; without one it still shows the "Dongle Disconnect!" warning.
    void startHidden() { m_bStartHidden = true; }
    // Before the window goes on screen: a scale step at which it fits `available` (the screen's
    // room without its panels; by default that of the window's screen), and a place inside it.
    void placeOnScreen(const QRect &available = QRect());
    // Another start of the program asked for the window: shown, restored and raised as the tray
    // icon would show it (with the "Dongle Disconnect!" warning while no mouse is there).
    void showOnRequest();
    void showPage(int page);
    void setFrontView(bool front);
    void refreshPanels() override;
    void retranslate();
    void layoutControls();
    void reloadMousePictures();
    // Adds a content panel (the constructor adds the window's own): `widget` is placed at
    // `design` (design units), shown on the page of `kind`, refreshed by refreshPanels(), asked
    // for its values by copyPanelValues() and re-translated and rescaled with the window.
    void addPanel(PanelKind kind, QWidget *widget, ProfilePanel *panel, const QRect &design);
    // Apply's first step: the panels' own values into the current profile.
    void copyPanelValues();
    // The apply flow: Apply copies the panels' values first; OK does not and hides the window
    // afterwards. Returns the device result code.
    uint8_t applyProfiles();
    uint8_t okProfiles();
    // The slot menu's and the slot buttons' action: slot `slot` becomes active on the mouse.
    void chooseSlot(int slot);
    // The "Firmware Update" button.
    void updateFirmware();
    // Rebuilds the profile-file menu from the library.
    void rebuildProfileFileMenu();

signals:
    // Passed on: the "Dongle Disconnect!" box closed with this result, and a low-battery notice
    // (a desktop notification or the tray's balloon) was given with this text.
    void warningClosed(int result);
    void lowBatteryNotified(const QString &text);
    // The current profile, or what was sent to the mouse, changed (the desktop bus follows).
    void mouseSettingsChanged();

public slots:
    void slotGotoMacro();
    void SelBtnChanged(int iBtn, int iType);
    void slotMouseOver(TarnPushButton *btn, bool bType);
    void slotLiftChange(quint8 iLift);
    void slotEnableButtons(bool bEnable);
    // The button panel refused to take the last click function off the buttons.
    void slotPopOneClickBox();

protected:
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private slots:
    void onButtonClicked();
    void onButtonEntered(TarnPushButton *button);

private:
    // ---- ProfileHost
    void notice(const QString &text) override;
    bool confirm(const QString &text) override;
    QString chooseProfileFile(const FileDialogRequest &request) override;
    void showCurrentSlot() override;
    void libraryChanged() override;
    void sendProfiles(bool all) override;
    void switchMouseProfile(int slot) override;
    void configurationLoaded() override;
    // Also the device status's.
    void hideWindow() override;

    // ---- StatusHost (whenIdle also the automatic switch's)
    bool isSending() const override;
    void waitForSend() override;
    void whenIdle(std::function<void()> step) override;

    // ---- AutoSwitch::Host
    int activeSlotIndex() const override { return m_WorkingSet.ProfileID; }
    void chooseSlotIndex(int index) override;
    void followSlot(int slot) override;
    void reloadMouse() override;
    void mouseBack() override;

    // One send through the apply flow, then what waited for it.
    uint8_t send(bool all);
    // Steps 1 to 4 of the construction: identity, scale, size, background.
    void buildFrame(int forcedScaleStep);
    // Steps 5 and 6: the device status as the link's observer, hot-plug, the known mice.
    void connectDevice(HotplugSource *hotplug);
    void buildControls();
    // Step 13: the panels the first page shows; buildHiddenPanels() makes the others.
    void buildPanels();
    struct BuiltPanel {
        QWidget *widget = nullptr;
        ProfilePanel *panel = nullptr;
    };
    BuiltPanel buildPanel(PanelKind kind);
    void buildHiddenPanels();
    // This window with every panel made (for the accessors of the panels).
    const MousecfgWidget &builtPanels() const;
    PanelContext panelContext();
    // Every text of the window through the translator (no layout, no poller restart).
    void retranslateTexts();
    void placeControl(QWidget *widget, LayoutItem item);
    void applyPageVisibility();
    void applyFonts();
    void loadProfiles();
    // The stored set as this window just read or wrote it; `clean`: the working set has no edits
    // of its own since (a load or a save), so another program's change can simply be taken.
    void rememberStoredSet(bool clean);
    // Another program changed the stored set: taken when this window has no edits of its own,
    // else the user chooses.
    void takeOutsideChange(const ProfileSet &stored);
    void ensureDefaultProfileFile();
    TarnPushButton *makeButton(const QStringList &skinImages, LayoutItem item);
    QString currentProductName() const;
    // A warning that stays on the status line (no model description, no tray); re-said in the
    // new language when the language changes.
    void showStandingWarning(QString (*text)());

    // Device side. The poller is declared after the link: it reads the link's handles, so it
    // must go first; the status, which uses both, goes before them.
    std::unique_ptr<DeviceLink> m_pLink;
    std::unique_ptr<PollerControl> m_pPoller;
    std::unique_ptr<VerifiedTransfer> m_pTransfer;
    std::unique_ptr<DeviceStatus> m_pStatus;
    bool m_bStartHidden = false;

    // The rooms made on the window (its children).
    LanguageMenu *m_pLanguage = nullptr;
    MouseView *m_pView = nullptr;
    ProfileBar *m_pBar = nullptr;
    Tray *m_pTray = nullptr;

    // Scale and background.
    std::unique_ptr<WindowFace> m_pFace;

    // Controls.
    std::array<TarnPushButton *, ButtonCount> m_Buttons{};
    QLabel *m_pLogo = nullptr;
    QLabel *m_pVersionLabel = nullptr;
    QLabel *m_pModelLabel = nullptr;
    TarnStatusText *m_pStatusText = nullptr;
    QString (*m_StandingWarning)() = nullptr;
    TarnPushButton *m_pFirmwareButton = nullptr;
    TarnPushButton *m_pMinimise = nullptr;
    TarnPushButton *m_pClose = nullptr;

    // Pages.
    int m_iPage = PageLighting;
    bool m_bFrontView = true;

    // Content panels. Those of the first page are built before the first frame, the others just
    // after it (or when first asked for): a start paints sooner.
    ContentPanels m_Panels;
    std::array<bool, kPanelKindCount> m_PanelBuilt{};
    bool m_bPanelsQueued = false;
    ProfileData *m_pPanelProfile = nullptr;  // the record the panels edit in place
    TarnDPIWindow *m_pDpiWindow = nullptr;
    TarnPointSpeed *m_pPointSpeed = nullptr;
    TarnReportRate *m_pReportRate = nullptr;
    TarnBtnWindow *m_pButtonPanel = nullptr;
    MacroDialog *m_pMacroPage = nullptr;

    // The working set (edited by the panels) and the saved set (as last sent).
    AppSettings m_Settings;
    ProfileSet m_WorkingSet;
    ProfileSet m_SavedSet;
    std::unique_ptr<ProfileManager> m_pProfiles;
    std::unique_ptr<AutoSwitch> m_pAutoSwitch;
    std::unique_ptr<ApplyFlow> m_pApply;
    QVector<std::function<void()>> m_AfterSend;
    StoredSetWatch *m_pSetWatch = nullptr;
    DesktopIntegration *m_pDesktop = nullptr;
    ProfileSet m_CleanSet;  // the working set at the last load or save
};
