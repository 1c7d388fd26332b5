#pragma once
// The main window: a frameless, image-shaped window on a 999 x 640 design grid scaled by the
// screen's logical DPI. It hosts the page tabs, the profile slots, the battery and connection
// indicators, the mouse picture with its hot-spots, the language drop-down and the tray icon,
// and it is the device link's observer: hot-plug reaches it as warnings, list rebuilds and
// indicator changes.

#include "app/language_table.h"
#include "app/profile_manager.h"
#include "panels/profile_panel.h"
#include "app/status_rules.h"
#include "app/window_rules.h"
#include "device/device_link_observer.h"
#include "storage/profile_data.h"
#include "widgets/tarn_message_box.h"

#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QSystemTrayIcon>
#include <QVector>
#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class ApplyFlow;
class DeviceLink;
class HidBackend;
class HotplugSource;
class MacroDialog;
class PollerControl;
class QAction;
class QLabel;
class QMenu;
class QTranslator;
class TarnDPIWindow;
class TarnBtnWindow;
class TarnLineEdit;
class TarnPointSpeed;
class TarnProcessbar;
class TarnPushButton;
class TarnReportRate;

class OsdClient;
class VerifiedTransfer;

class MousecfgWidget : public QWidget, public DeviceLinkObserver, private ProfileHost {
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
    int mouseCount() const { return m_iMouseCount; }
    bool isMouseBack() const { return m_bMouseBack; }
    bool isWarningOpen() const { return m_bWarningOpen; }
    double scaleFactor() const { return m_dScale; }
    int scaleStep() const { return m_iDpiVal; }
    int currentPage() const { return m_iPage; }
    bool isFrontView() const { return m_bFrontView; }
    int connectionStateValue() const { return m_iConnection; }
    int currentLanguage() const { return m_iLanguage; }
    const LanguageTable &languageTable() const { return m_Languages; }
    int lastBatteryLevel() const { return m_iLastBattery; }
    int selectedHotspot(int view) const;
    // The settings the window runs with (read once at start; the language follows the menu).
    const AppSettings &settings() const { return m_Settings; }
    const ProfileSet &workingSet() const { return m_WorkingSet; }
    const ProfileSet &savedSet() const { return m_SavedSet; }
    DeviceLink &deviceLink() { return *m_pLink; }
    ProfileManager &profileManager() { return *m_pProfiles; }
    ApplyFlow &applyFlow() { return *m_pApply; }
    OsdClient *osdClient() const { return m_pOsd; }
    MacroDialog *macroPage() const { return m_pMacroPage; }

    // ---- controls, for the screenshots and the tests
    TarnPushButton *button(int index) const;
    TarnPushButton *profileSlotButton(int slot) const;
    TarnPushButton *hotspot(int view, int index) const;
    TarnPushButton *languageButton() const { return m_pLangButton; }
    QMenu *languageMenu() const { return m_pLangMenu; }
    TarnPushButton *mouseSelector() const { return m_pMouseSelector; }
    QMenu *mouseMenu() const { return m_pMouseMenu; }
    TarnPushButton *closeButton() const { return m_pClose; }
    TarnPushButton *minimiseButton() const { return m_pMinimise; }
    TarnPushButton *frontViewButton() const { return m_pFrontButton; }
    TarnPushButton *sideViewButton() const { return m_pSideButton; }
    TarnProcessbar *batteryBar() const { return m_pBatteryBar; }
    QLabel *chargingIcon() const { return m_pChargingIcon; }
    QLabel *receiverIcon() const { return m_pReceiverIcon; }
    QLabel *frontPicture() const { return m_pFrontPicture; }
    QLabel *versionLabel() const { return m_pVersionLabel; }
    QMenu *trayMenu() const { return m_pTrayMenu; }
    QSystemTrayIcon *trayIcon() const { return m_pTrayIcon; }
    TarnLineEdit *nameEdit() const { return m_pNameEdit; }
    TarnPushButton *profileFileButton() const { return m_pProfileFileButton; }
    QMenu *profileFileMenu() const { return m_pProfileFileMenu; }
    QMenu *slotMenu() const { return m_pSlotMenu; }
    TarnPushButton *firmwareButton() const { return m_pFirmwareButton; }
    QAction *loadConfigAction() const { return m_pLoadAction; }
    QAction *quitAction() const { return m_pQuitAction; }
    TarnDPIWindow *dpiWindow() const { return m_pDpiWindow; }
    TarnPointSpeed *pointSpeed() const { return m_pPointSpeed; }
    TarnReportRate *reportRate() const { return m_pReportRate; }
    TarnBtnWindow *buttonPanel() const { return m_pButtonPanel; }
    // "Start with the desktop": checked while the autostart entry is in force.
    QAction *autostartAction() const { return m_pAutostartAction; }
    // Whether a hidden window can be brought back through the tray icon: taken from the desktop
    // at construction. Without a tray, hiding becomes minimising.
    bool isTrayAvailable() const { return m_bTrayAvailable; }
    void setTrayAvailable(bool available) { m_bTrayAvailable = available; }
    // The "Dongle Disconnect!" box while it is open, else null.
    TarnMessageBox *warningBox() const { return m_pWarningBox; }
    // A new "Dongle Disconnect!" box over the window (receiver kind, watching for the mouse).
    TarnMessageBox *createWarningBox();

    // ---- routines other parts call
    // --hidden: the start-up check leaves the window in the tray (minimised without a tray)
    // while a mouse is there; without one it still shows the "Dongle Disconnect!" warning.
    void startHidden() { m_bStartHidden = true; }
    void showPage(int page);
    void setFrontView(bool front);
    void refreshPanels();
    void retranslate();
    void layoutControls();
    void reloadMousePictures();
    void setUpDownImages();
    // Adds a content panel (construction step 17): `widget` is placed at `design` (design
    // units), shown on the page of `kind`, refreshed by refreshPanels(), asked for its values
    // by copyPanelValues() and re-translated and rescaled with the window.
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

    // ---- DeviceLinkObserver
    void stopPoller() override;
    void startPoller() override;
    void mouseListChanged(const QStringList &names, bool selectorVisible) override;
    void connectionIndicators(bool receiverCommandPresent, bool cableCommandPresent) override;
    void noDevice() override;
    void warning() override;
    void warnClose() override;
    void reload() override;

signals:
    // The "Dongle Disconnect!" box closed with this result (1: accepted, by its button or by the
    // mouse coming back).
    void warningClosed(int result);
    // The tray's low-battery notification was shown with this text.
    void lowBatteryNotified(const QString &text);

public slots:
    void iconActivated(QSystemTrayIcon::ActivationReason reason);
    void slotWarning();
    void slotWarnClose();
    void slotGotoMacro();
    void SelBtnChanged(int iBtn, int iType);
    void slotMouseOver(TarnPushButton *btn, bool bType);
    void slot_show_mousename(QAction *action);
    void slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte);
    // A profile changed on the mouse: the window follows it and the host takes its pointer speed.
    void slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8 iMode);
    void slotRefreshProfile(quint8 iProfile);
    void slotRefreshDPIStage(quint8 iDPI);
    void slotRefreshRate(quint8 iRate);
    void slotRefreshWriteStatus(quint8 iStatus);
    void slotLiftChange(quint8 iLift);
    void slotEnableButtons(bool bEnable);
    // The button panel refused to take the last click function off the buttons.
    void slotPopOneClickBox();
    // Enter in the name edit: the current slot's stored profile takes the edit's text.
    void slotProfileNameChange();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private slots:
    void onButtonClicked();
    void onButtonEntered(TarnPushButton *button);
    void onLanguageTriggered(QAction *action);
    void onWarningFinished(int result);
    void onStartCheck();
    void onAutostartToggled(bool on);

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
    void hideWindow() override;

    // One send through the apply flow, then what waited for it.
    uint8_t send(bool all);
    // Runs `step` now, or after the send in progress: the sets are the worker's meanwhile.
    void whenIdle(std::function<void()> step);
    void updateTrayToolTip();
    void setScaleStep(int step);
    int screenScaleStep() const;
    void ensureBackground();
    void buildControls();
    void buildLanguageMenu();
    void buildTray();
    void hideToTray();
    // Every text of the window through the translator (no layout, no poller restart).
    void retranslateTexts();
    bool loadTranslation(int language, std::unique_ptr<QTranslator> *translator) const;
    void placeControl(QWidget *widget, LayoutItem item);
    void applyPageVisibility();
    void applyFonts();
    void showSlotAndName();
    void clearHotspotSelection();
    void loadProfiles();
    void ensureDefaultProfileFile();
    void applyConnectionIndicators();
    QPixmap frontPicturePixmap(const QString &path) const;
    TarnPushButton *makeButton(const QStringList &skinImages, LayoutItem item);
    QString currentProductName() const;

    // Device side. The poller is declared after the link: it reads the link's handles, so it
    // must go first.
    std::unique_ptr<DeviceLink> m_pLink;
    std::unique_ptr<PollerControl> m_pPoller;
    std::unique_ptr<VerifiedTransfer> m_pTransfer;

    // Scale.
    int m_iForcedStep = -1;
    int m_iDpiVal = 0;
    double m_dScale = 1.0;
    int m_iResizeStep = -1;
    std::array<QPixmap, kLastScaleStep + 1> m_Backgrounds;

    // Drag state.
    bool m_bPressed = false;
    QPoint m_PressGlobal;
    QPoint m_WindowAtPress;

    // Controls.
    std::array<TarnPushButton *, ButtonCount> m_Buttons{};
    std::array<TarnPushButton *, kProfileSlotCount> m_SlotButtons{};
    std::array<QAction *, kProfileSlotCount> m_SlotActions{};
    std::array<std::array<TarnPushButton *, kHotspotsPerView>, 2> m_Hotspots{}; // front, side
    std::array<TarnPushButton *, 2> m_UpDown{};                                 // up, down
    std::array<int, ViewCount> m_SelectedHotspot{{-1, -1, -1}};
    QLabel *m_pLogo = nullptr;
    QLabel *m_pVersionLabel = nullptr;
    QLabel *m_pModelLabel = nullptr;
    QLabel *m_pNameLabel = nullptr;
    QLabel *m_pFrontPicture = nullptr;
    QLabel *m_pSidePicture = nullptr;
    QLabel *m_pChargingIcon = nullptr;
    QLabel *m_pReceiverIcon = nullptr;
    TarnLineEdit *m_pNameEdit = nullptr;
    TarnPushButton *m_pProfileFileButton = nullptr;
    QMenu *m_pProfileFileMenu = nullptr;
    TarnPushButton *m_pSlotDropDown = nullptr;
    QMenu *m_pSlotMenu = nullptr;
    TarnPushButton *m_pFirmwareButton = nullptr;
    TarnPushButton *m_pMinimise = nullptr;
    TarnPushButton *m_pClose = nullptr;
    TarnPushButton *m_pFrontButton = nullptr;
    TarnPushButton *m_pSideButton = nullptr;
    TarnProcessbar *m_pBatteryBar = nullptr;
    TarnPushButton *m_pMouseSelector = nullptr;
    QMenu *m_pMouseMenu = nullptr;
    QStringList m_MouseNames;
    int m_iMouseCount = 0;

    // Language.
    int m_iLanguage = 0;
    LanguageTable m_Languages;
    std::unique_ptr<QTranslator> m_pTranslator;
    bool m_bTranslatorInstalled = false;
    TarnPushButton *m_pLangButton = nullptr;
    QMenu *m_pLangMenu = nullptr;
    QVector<QAction *> m_LangActions;

    // Tray.
    QSystemTrayIcon *m_pTrayIcon = nullptr;
    QMenu *m_pTrayMenu = nullptr;
    QAction *m_pLoadAction = nullptr;
    QAction *m_pQuitAction = nullptr;
    QAction *m_pAutostartAction = nullptr;
    bool m_bTrayAvailable = false;
    bool m_bStartHidden = false;

    // Pages and status.
    int m_iPage = PageLighting;
    bool m_bFrontView = true;
    bool m_bReceiverPresent = false;
    bool m_bCablePresent = false;
    int m_iConnection = 3;
    int m_iBatteryFull = 4200;
    int m_iLastBattery = 0;
    bool m_bMouseOffShown = false;
    bool m_bCharging = false;
    LowBatteryWatch m_LowBattery;
    OsdClient *m_pOsd = nullptr;
    bool m_bWarningOpen = false;
    bool m_bMouseBack = false;
    QPointer<TarnMessageBox> m_pWarningBox;

    // Content panels, in the order they were added.
    struct PanelEntry {
        PanelKind kind;
        QWidget *widget;
        ProfilePanel *panel;
        QRect design;
    };
    QVector<PanelEntry> m_Panels;
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
    std::unique_ptr<ApplyFlow> m_pApply;
    QVector<std::function<void()>> m_AfterSend;
};
