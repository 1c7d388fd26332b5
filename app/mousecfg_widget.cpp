#include "app/mousecfg_widget.h"

#include "app/apply_flow.h"
#include "app/auto_switch_dialog.h"
#include "app/desktop_integration.h"
#include "app/firmware_update.h"
#include "app/profile_rules.h"
#include "app/profiles_read_ahead.h"
#include "app/start_marks.h"
#include "app/window_controls.h"
#include "app/window_drag.h"
#include "app/window_messages.h"
#include "device/clock.h"
#include "device/command_set.h"
#include "device/device_link.h"
#include "device/host_actions.h"
#include "device/hotplug_source.h"
#include "device/poller_control.h"
#include "device/transfer.h"
#include "model/lighting_effects.h"
#include "panels/macro_dialog.h"
#include "panels/tarn_btn_window.h"
#include "panels/tarn_color_window.h"
#include "panels/tarn_dpi_window.h"
#include "panels/tarn_point_speed.h"
#include "panels/tarn_report_rate.h"
#include "platform/focused_app_bus.h"
#include "platform/pointer_speed.h"
#include "model/product_quirks.h"
#include "storage/log_categories.h"
#include "storage/model_description.h"
#include "storage/profile_files.h"
#include "storage/settings_file.h"
#include "storage/storage_keys.h"
#include "widgets/skin.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_status_text.h"
#include "widgets/theme.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QTimer>

#include <algorithm>

namespace {

MousecfgWidget *g_mainWindow = nullptr;

constexpr int kWarningDelayMs = 200;     // the start-up check for a mouse
constexpr int kRetranslatePauseMs = 500; // between stopping and restarting the poller
// The lighting page's panel: left of the mouse picture, from the tabs' top to above the bottom
// buttons, so that all its controls down to the sleep settings are inside it.
const QRect kLightingPanelDesign(285, 90, 352, 474);

// Content panels, in design units.
const QRect kDpiPanelRect(286, 75, 456, 386);
const QRect kPointerPanelRect(286, 463, 456, 77);
const QRect kReportRatePanelRect(746, 75, 199, 200);
// The window's own panels in the order they are made: their stacking and tab order.
constexpr PanelKind kPanelOrder[] = {PanelKind::Button, PanelKind::Macro, PanelKind::Lighting,
                                     PanelKind::Dpi, PanelKind::Pointer, PanelKind::ReportRate};
// Panels others add come after the window's own.
constexpr int kAddedPanelRank = kPanelKindCount;

} // namespace

MousecfgWidget *MousecfgWidget::instance() { return g_mainWindow; }

MousecfgWidget::MousecfgWidget(HidBackend &backend, HotplugSource *hotplug, int forcedScaleStep, QWidget *parent)
    : QWidget(parent),
      m_pLink(std::make_unique<DeviceLink>(backend)),
      m_pPoller(std::make_unique<PollerControl>(*m_pLink)),
      m_pTransfer(std::make_unique<VerifiedTransfer>(*m_pLink)),
      m_Settings(readAppSettings())
{
    // When the program's start has not begun reading the slots' profiles yet, they are read
    // while the window builds.
    startReadingProfilesAhead();
    setLook(m_Settings);
    buildFrame(forcedScaleStep);
    connectDevice(hotplug);
    markStart("frame built");

    // 7. Controls, with the language menu, and its translation.
    buildControls();
    m_pLanguage->installSaved();
    markStart("controls built");

    // 8. Profile management and the apply flow. The stored-profile list is read with the saved
    // set (step 11): a fresh library also names the slots that have no name yet.
    m_pProfiles = std::make_unique<ProfileManager>(m_WorkingSet, m_SavedSet, static_cast<ProfileHost &>(*this), m_Settings);
    m_pApply = std::make_unique<ApplyFlow>(
        m_WorkingSet, m_SavedSet, m_Settings, *m_pTransfer, m_pStatus.get(), [this] { return m_pLink->commandHandle(); },
        this, [this](const QString &text) { notice(text); },
        [this](const QString &text) { m_pStatusText->showText(text, TarnStatusText::Confirmation); });

    // 9. Open the current mouse.
    m_pLink->openMouse(readCurrentProductName());

    // 10. Battery poller; its reports arrive queued on this thread.
    m_pStatus->startPolling();

    // 11. Saved set into the working set; the host's pointer speed into the current profile.
    m_pSetWatch = new StoredSetWatch(this);
    connect(m_pSetWatch, &StoredSetWatch::changedElsewhere, this, &MousecfgWidget::takeOutsideChange);
    awaitProfilesReadAhead();
    loadProfiles();
    m_pProfiles->loadLibrary();
    takeHostPointerSpeed(systemPointerSpeed(), m_WorkingSet);
    rememberStoredSet(true);
    markStart("profiles loaded");

    // 12. The profile-file menu.
    rebuildProfileFileMenu();

    // 13. The content panels.
    buildPanels();
    markStart("first page's panels built");

    // 14. First page, texts, slot and name. (The poller was started just now: unlike a later
    // re-translation, this one has no reason to restart it.)
    showPage(PageLighting);
    setFrontView(true);
    refreshPanels();
    retranslateTexts();
    layoutControls();
    m_pBar->showSlot(m_WorkingSet);

    // 15. Default profile file, tray.
    ensureDefaultProfileFile();
    m_pTray = new Tray(*this, *m_pStatus);
    m_pAutoSwitch = std::make_unique<AutoSwitch>(static_cast<AutoSwitch::Host &>(*this), makeFocusedAppSource());
    for (QAction *action : {m_pTray->autoSwitchAction(), m_pBar->autoSwitchAction()})
        connect(action, &QAction::triggered, this, [this] { openAutoSwitchDialog(*this, *m_pAutoSwitch); });

    // 16. Background and shape, mouse pictures; battery display and connection indicator, from
    // the device table; what the window cannot show without a model description.
    m_pFace->ensureBackground();
    reloadMousePictures();
    dropSkinImagesAhead();  // the front picture is taken; the first frame asks for its own
    m_pStatus->showInitialStatus();
    if (!hasModelDescription())
        showStandingWarning(noModelDescriptionText);
    // The mouse on the session bus and the low-battery notices. The bus may choose a slot when a
    // slot button could be clicked: not while a send runs or a macro is recorded.
    m_pDesktop = new DesktopIntegration(*m_pStatus, *m_pTray, m_WorkingSet,
                                        {[this](int slot) { chooseSlot(slot); },
                                         [this] { return !isSending() && m_pBar->slotButton(0)->isEnabled(); },
                                         [this] { showOnRequest(); }},
                                        this);
    connect(m_pDesktop, &DesktopIntegration::lowBatteryNotified, this, &MousecfgWidget::lowBatteryNotified);
    connect(this, &MousecfgWidget::mouseSettingsChanged, m_pDesktop, &DesktopIntegration::refresh);
    // On Wayland the desktop's own script reports the window in front to the bus object.
    if (auto *reported = qobject_cast<BusFocusedAppSource *>(m_pAutoSwitch->source()))
        connect(&m_pDesktop->desktopBus(), &DesktopBus::focusReported, reported, &BusFocusedAppSource::report);

    // 17. Show the window or warn. Hidden without a tray it could never be brought back (and on
    // many desktops a minimised window has nowhere to show): it starts shown and says why.
    // A window the user asked for meanwhile (the tray icon, another start) is not hidden again.
    QTimer::singleShot(kWarningDelayMs, this, [this] {
        if (m_bStartHidden && !m_pTray->isAvailable()) {
            qCInfo(lcApp) << "no system tray: the window starts shown";
            showStandingWarning(noTrayText);
        }
        m_pStatus->startCheck(m_bStartHidden && m_pTray->isAvailable() && !isVisible());
    });
    markStart("window made");
}

void MousecfgWidget::buildFrame(int forcedScaleStep)
{
    // 1. Identity, and the style of every control: set before any is made, none is styled twice.
    setObjectName("MousecfgWidget");
    setWindowTitle("MousecfgWidget");
    setStyleSheet("*{outline:0px;}");

    // 2. Pictures and scale. The front picture of the mouse, like the background, is decoded
    // while the window builds and taken at step 16.
    m_pFace = std::make_unique<WindowFace>(*this, forcedScaleStep);
    decodeSkinImagesAhead({mouseFrontPictureRequest(readCurrentProductName(), scaleFactor(), devicePixelRatioF())});

    // 3. Size, centred on the primary screen's room.
    setBaseSize(kDesignWidth, kDesignHeight);
    setMinimumSize(kDesignWidth, kDesignHeight);
    resize(scaled(kDesignWidth, scaleFactor()), scaled(kDesignHeight, scaleFactor()));
    if (QScreen *screen = QGuiApplication::primaryScreen())
        move(windowPlacement(size(), screen->availableGeometry()));

    // 4. Dragging the window moves it (its background and shape are taken at step 16, decoded
    // meanwhile).
    new WindowDrag(*this);
}

void MousecfgWidget::placeOnScreen(const QRect &available)
{
    QRect room = available;
    if (room.isEmpty()) {
        QScreen *screen = QGuiApplication::screenAt(geometry().center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (!screen)
            return;
        room = screen->availableGeometry();
    }
    // A scale step forced by option is taken down too: a window whose title and Apply lie off
    // screen cannot be used at all.
    if (m_pFace->fitInto(room.size()))
        layoutControls();
    move(windowPlacement(size(), room));
}

void MousecfgWidget::showOnRequest()
{
    qCDebug(lcApp) << "the window is shown at the request of another start";
    if (isMinimized())
        setWindowState(windowState() & ~Qt::WindowMinimized);
    m_pStatus->slotWarning();
}

void MousecfgWidget::connectDevice(HotplugSource *hotplug)
{
    // 5. The device status (it makes the mouse selector) as the device link's observer, the
    // window pointer, no frame.
    m_pStatus = std::make_unique<DeviceStatus>(*this, *m_pLink, *m_pPoller, m_WorkingSet, m_Settings,
                                               static_cast<StatusHost &>(*this));
    connect(m_pStatus.get(), &DeviceStatus::warningClosed, this, &MousecfgWidget::warningClosed);
    m_pLink->setObserver(m_pStatus.get());
    if (hotplug)
        m_pLink->registerHotplug(hotplug);
    g_mainWindow = this;
    TarnMessageBox::setMouseBackProbe([] { return g_mainWindow && g_mainWindow->isMouseBack(); });
    setWindowFlags(windowFlags() | Qt::FramelessWindowHint);
    // A click on the window's background, on a picture or on a disabled field takes the keyboard
    // from whatever field had it, so nothing typed afterwards lands there.
    setFocusPolicy(Qt::ClickFocus);

    // 6. The known mice; the list rebuild counts them.
    m_pLink->loadMouseList(m_Settings.mouseListName);
    m_pLink->enumerateMice();
    m_pLink->refreshMouseList();
}

void MousecfgWidget::buildPanels()
{
    // The panels that edit in place keep the record that was current when they were made.
    m_pPanelProfile = &m_WorkingSet.current();
    const PageVisibility shown = pageVisibility(m_iPage, m_bFrontView);
    for (PanelKind kind : kPanelOrder) {
        if (panelVisible(kind, shown))
            buildPanel(kind);
    }
}

MousecfgWidget::BuiltPanel MousecfgWidget::buildPanel(PanelKind kind)
{
    const int rank = int(std::find(std::begin(kPanelOrder), std::end(kPanelOrder), kind) - std::begin(kPanelOrder));
    m_PanelBuilt[size_t(kind)] = true;
    switch (kind) {
    case PanelKind::Button: {
        m_pButtonPanel = new TarnBtnWindow(m_pPanelProfile, nullptr, scaleFactor());
        connect(m_pButtonPanel, &TarnBtnWindow::SelBtnControl, this, &MousecfgWidget::slotMouseOver);
        connect(m_pButtonPanel, &TarnBtnWindow::GotoMacroTab, this, &MousecfgWidget::slotGotoMacro);
        connect(m_pButtonPanel, &TarnBtnWindow::PopOneClickBox, this, &MousecfgWidget::slotPopOneClickBox);
        QWidget *area = makeButtonPanelArea(m_pButtonPanel, this);
        m_Panels.add(kind, area, m_pButtonPanel, kButtonPanelArea, scaleFactor(), pageVisibility(m_iPage, m_bFrontView), rank);
        return {area, m_pButtonPanel};
    }
    case PanelKind::Macro:
        m_pMacroPage = new MacroDialog(this);
        connect(m_pMacroPage, &MacroDialog::EnableButtonsSignal, this, &MousecfgWidget::slotEnableButtons);
        m_Panels.add(kind, m_pMacroPage, m_pMacroPage, designRect(LayoutItem::MacroEditor), scaleFactor(),
                     pageVisibility(m_iPage, m_bFrontView), rank);
        return {m_pMacroPage, m_pMacroPage};
    case PanelKind::Lighting: {
        auto *lighting = new TarnColorWindow(scaleFactor(), this);
        m_Panels.add(kind, lighting, lighting, kLightingPanelDesign, scaleFactor(), pageVisibility(m_iPage, m_bFrontView), rank);
        return {lighting, lighting};
    }
    case PanelKind::Dpi:
        m_pDpiWindow = new TarnDPIWindow(*m_pPanelProfile, scaleFactor(), this);
        m_Panels.add(kind, m_pDpiWindow, m_pDpiWindow, kDpiPanelRect, scaleFactor(), pageVisibility(m_iPage, m_bFrontView), rank);
        return {m_pDpiWindow, m_pDpiWindow};
    case PanelKind::Pointer:
        m_pPointSpeed = new TarnPointSpeed(m_pPanelProfile, scaleFactor(), this);
        m_Panels.add(kind, m_pPointSpeed, m_pPointSpeed, kPointerPanelRect, scaleFactor(), pageVisibility(m_iPage, m_bFrontView), rank);
        return {m_pPointSpeed, m_pPointSpeed};
    case PanelKind::ReportRate:
        m_pReportRate = new TarnReportRate(*m_pPanelProfile, scaleFactor(), this);
        connect(m_pReportRate, &TarnReportRate::RefreshLift, this, &MousecfgWidget::slotLiftChange);
        m_Panels.add(kind, m_pReportRate, m_pReportRate, kReportRatePanelRect, scaleFactor(),
                     pageVisibility(m_iPage, m_bFrontView), rank);
        return {m_pReportRate, m_pReportRate};
    }
    return {};
}

void MousecfgWidget::buildHiddenPanels()
{
    if (!m_pPanelProfile)
        return;  // the constructor has not reached the panels yet
    dropSkinImagesAhead();  // the first frame has taken them
    const PanelContext context = panelContext();
    const QFont font = languageFont(scaleFactor());
    for (PanelKind kind : kPanelOrder) {
        if (m_PanelBuilt[size_t(kind)])
            continue;
        // What the first page's panels went through since they were made: values, texts, scale
        // and font, and the button panel the view's selection.
        const BuiltPanel built = buildPanel(kind);
        built.panel->refreshFromProfile(context);
        built.panel->retranslatePanel();
        built.panel->rescalePanel(scaleFactor());
        built.widget->setFont(font);
        if (kind == PanelKind::Button) {
            const int view = m_bFrontView ? ViewFront : ViewSide;
            m_pButtonPanel->selectGroup(m_pView->selected(view), view);
        }
    }
    markStart("other pages built");
}

const MousecfgWidget &MousecfgWidget::builtPanels() const
{
    const_cast<MousecfgWidget *>(this)->buildHiddenPanels();
    return *this;
}

MousecfgWidget::~MousecfgWidget()
{
    m_pPoller->stopPoller();
    m_pLink->setObserver(nullptr);
    m_pLink->closeMouse();
    m_pLink->exitDeviceLayer();
    if (g_mainWindow == this)
        g_mainWindow = nullptr;
}

// ---------------------------------------------------------------- painting

void MousecfgWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    m_pFace->paint(painter);
    // The other pages' panels once the first frame is on screen.
    if (!m_bPanelsQueued) {
        m_bPanelsQueued = true;
        markStart("first frame painted");
        QMetaObject::invokeMethod(this, &MousecfgWidget::buildHiddenPanels, Qt::QueuedConnection);
    }
}

void MousecfgWidget::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && m_pFace)
        m_pFace->paletteChanged();
}

void MousecfgWidget::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // The faces of the first frame's buttons, decoded while the window is being shown.
    if (!m_bPanelsQueued) {
        QVector<SkinImageRequest> faces;
        for (const TarnPushButton *button : findChildren<TarnPushButton *>()) {
            if (button->isVisibleTo(this))
                faces << button->paintedImage();
        }
        decodeSkinImagesAhead(faces);
    }
}

void MousecfgWidget::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_pFace->followScreen())
        layoutControls();
    qCDebug(lcApp, "width = %d, height = %d m_iDpiVal = %d\n", width(), height(), scaleStep());
}

// ---------------------------------------------------------------- building

TarnPushButton *MousecfgWidget::makeButton(const QStringList &skinImages, LayoutItem item)
{
    TarnPushButton *button = makeWindowButton(this, skinImages, item);
    connect(button, &QPushButton::clicked, this, &MousecfgWidget::onButtonClicked);
    return button;
}

void MousecfgWidget::buildControls()
{
    const QStringList &tabImages = tabFaceImages();
    for (int i = 0; i < PageCount; ++i) {
        m_Buttons[i] = makeButton(tabImages, static_cast<LayoutItem>(static_cast<int>(LayoutItem::Tab0) + i));
        m_Buttons[i]->setCheckable(true);
        connect(m_Buttons[i], &TarnPushButton::EnterSignal, this, &MousecfgWidget::onButtonEntered);
    }
    m_Buttons[BtnExportProfile] = makeButton({"profile_import1.png", "profile_import2.png", "profile_import2.png"}, LayoutItem::Export);
    m_Buttons[BtnImportProfile] = makeButton({"profile_export1.png", "profile_export1.png", "profile_export1.png"}, LayoutItem::Import);
    m_Buttons[BtnResetProfile] = makeButton({"profile_reset1.png", "profile_reset2.png"}, LayoutItem::Reset);
    m_Buttons[BtnAddProfile] = makeButton({"profile_add1.png", "profile_add2.png"}, LayoutItem::Add);
    m_Buttons[BtnDeleteProfile] = makeButton({"profile_del1.png", "profile_del2.png"}, LayoutItem::Delete);
    m_Buttons[BtnCopyProfile] = makeButton({"profile_copy1.png", "profile_copy2.png"}, LayoutItem::Copy);
    m_Buttons[BtnResetAll] = makeButton(tabImages, LayoutItem::ResetAll);
    m_Buttons[BtnOk] = makeButton(tabImages, LayoutItem::Ok);
    m_Buttons[BtnCancel] = makeButton(tabImages, LayoutItem::Cancel);
    m_Buttons[BtnApply] = makeButton(tabImages, LayoutItem::Apply);
    m_Buttons[BtnLoadConfig] = makeButton(tabImages, LayoutItem::LoadConfig);
    m_Buttons[BtnSaveConfig] = makeButton(tabImages, LayoutItem::SaveConfig);

    m_pBar = new ProfileBar(*this);
    connect(m_pBar, &ProfileBar::slotChosen, this, &MousecfgWidget::chooseSlot);
    connect(m_pBar, &ProfileBar::renameRequested, this, [this](const QString &name) { m_pProfiles->renameProfile(name); });
    connect(m_pBar, &ProfileBar::storedProfileChosen, this,
            [this](const QString &name) { m_pProfiles->chooseProfile(name); });

    m_pLogo = new QLabel(this);
    m_pLogo->setProperty("layoutItem", static_cast<int>(LayoutItem::Logo));
    m_pVersionLabel = makeWindowLabel(this, LayoutItem::VersionLabel);
    // Left-aligned: the right end of its rectangle runs into the background's corner marks.
    m_pVersionLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_pModelLabel = makeWindowLabel(this, LayoutItem::ModelLabel);
    m_pModelLabel->setAlignment(Qt::AlignCenter);
    m_pStatusText = new TarnStatusText(this);
    m_pStatusText->setProperty("layoutItem", static_cast<int>(LayoutItem::StatusText));

    m_pFirmwareButton = makeButton({}, LayoutItem::FirmwareUpdate);
    m_pMinimise = makeButton({"min-1.png", "min-2.png", "min-3.png"}, LayoutItem::Minimise);
    m_pClose = makeButton({"close-1.png", "close-2.png", "close-3.png"}, LayoutItem::Close);

    m_pView = new MouseView(*this);
    connect(m_pView, &MouseView::viewClicked, this, &MousecfgWidget::setFrontView);
    connect(m_pView, &MouseView::hotspotClicked, this, &MousecfgWidget::SelBtnChanged);
    m_pStatus->buildIndicators();
    m_pLanguage = new LanguageMenu(m_Settings, makeButton({"lang.png", "lang.png", "lang.png"}, LayoutItem::LanguageButton), this);
    connect(m_pLanguage, &LanguageMenu::translationChanged, this, &MousecfgWidget::retranslate);
    m_pView->setUpDownImages();
}

// ---------------------------------------------------------------- layout

void MousecfgWidget::placeControl(QWidget *widget, LayoutItem item)
{
    if (item == LayoutItem::Count) {
        widget->setGeometry(QRect());
        return;
    }
    QRect design = designRect(item);
    design.setSize(visibleDesignSize(item));
    widget->setGeometry(scaledRect(design, scaleFactor()));
}

void MousecfgWidget::layoutControls()
{
    for (QObject *child : children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || !widget->property("layoutItem").isValid())
            continue;
        placeControl(widget, static_cast<LayoutItem>(widget->property("layoutItem").toInt()));
    }
    // The macro tab takes no room when the model has no macros.
    if (macrosDisabled())
        m_Buttons[BtnMacro]->setGeometry(scaledRect(QRect(designRect(LayoutItem::Tab3).topLeft(), QSize()), scaleFactor()));
    if (productQuirks(currentProductName()).has(ViewButtonsBelowPicture)) {
        frontViewButton()->setGeometry(530, 321, 96, 20);
        sideViewButton()->setGeometry(631, 321, 96, 20);
    }

    // The menus, at the window's scale.
    m_pBar->rescale();
    m_pLanguage->rescale();
    m_pStatus->rescaleMenu();
    if (m_pTray)
        m_pTray->rescale();
    m_pLogo->setPixmap(loadSkinPixmap(skinPath("mouselogo.png"), m_pLogo->size() * devicePixelRatioF()));
    QLabel *receiver = receiverIcon();
    receiver->setPixmap(loadSkinPixmap(skinPath("dongle.png"), receiver->size() * devicePixelRatioF()));
    m_Panels.place(scaleFactor());
    applyFonts();
}

void MousecfgWidget::applyFonts()
{
    const QFont font = languageFont(scaleFactor());
    for (QObject *child : children()) {
        if (auto *widget = qobject_cast<QWidget *>(child))
            widget->setFont(font);
    }
}

void MousecfgWidget::reloadMousePictures()
{
    m_pView->reloadPictures();
    const QSize chargeBox(scaled(26, scaleFactor()), scaled(40, scaleFactor()));
    const QString lightning = skinPath("lightning.png");
    const QSize chargeSize = QImageReader(lightning).size().scaled(chargeBox, Qt::KeepAspectRatio);
    QPixmap charge = loadSkinPixmap(lightning, chargeSize * devicePixelRatioF());
    if (!charge.isNull()) {
        charge.setDevicePixelRatio(devicePixelRatioF());
        chargingIcon()->setPixmap(charge);
    }
}

// ---------------------------------------------------------------- pages, views, hot-spots

void MousecfgWidget::showPage(int page)
{
    if (page < 0 || page >= PageCount)
        return;
    if (page != m_iPage)
        buildHiddenPanels();
    m_iPage = page;
    for (int i = 0; i < PageCount; ++i)
        m_Buttons[i]->setSelected(i == page);
    // No field keeps the keyboard across a page switch. The window takes it before the old
    // page's fields hide, or the toolkit would hand it (text selected) to the next field in
    // line, the profile name, and the next keys typed would rename the profile.
    setFocus(Qt::OtherFocusReason);
    applyPageVisibility();
}

void MousecfgWidget::setFrontView(bool front)
{
    m_bFrontView = front;
    m_pView->markView(front);
    applyPageVisibility();
    // The button panel shows the buttons of the view, with the view's selected one.
    if (m_pButtonPanel) {
        const int view = front ? ViewFront : ViewSide;
        m_pButtonPanel->selectGroup(m_pView->selected(view), view);
    }
}

void MousecfgWidget::applyPageVisibility()
{
    const PageVisibility v = pageVisibility(m_iPage, m_bFrontView);
    m_pModelLabel->setVisible(v.modelLabel);
    m_pView->applyVisibility(v);
    m_Panels.show(v);
}

void MousecfgWidget::addPanel(PanelKind kind, QWidget *widget, ProfilePanel *panel, const QRect &design)
{
    m_Panels.add(kind, widget, panel, design, scaleFactor(), pageVisibility(m_iPage, m_bFrontView), kAddedPanelRank);
}

void MousecfgWidget::copyPanelValues()
{
    m_Panels.copyValuesInto(m_WorkingSet.current());
}

void MousecfgWidget::SelBtnChanged(int iBtn, int iType)
{
    if (m_pView->select(iBtn, iType) && m_pButtonPanel)
        m_pButtonPanel->selectGroup(iBtn, iType);
}

void MousecfgWidget::slotMouseOver(TarnPushButton *btn, bool bType) { m_pView->hover(btn, bType); }

void MousecfgWidget::slotGotoMacro() { showPage(PageMacro); }

// ---------------------------------------------------------------- texts

void MousecfgWidget::retranslate()
{
    retranslateTexts();
    // Restart the poller, as after every change of the window's language.
    m_pPoller->stopPoller();
    deviceClock().sleepMs(kRetranslatePauseMs);
    m_pPoller->startPoller();
    layoutControls();
}

void MousecfgWidget::retranslateTexts()
{
    m_pBar->retranslate();
    m_pVersionLabel->setText(tr("Version") + " : " + modelVersion());
    // The profile tools are 22-unit icons: their names go in tooltips, not over the pictures.
    m_Buttons[BtnResetProfile]->setToolTip(tr("RESET"));
    m_Buttons[BtnAddProfile]->setToolTip(tr("ADD"));
    m_Buttons[BtnDeleteProfile]->setToolTip(tr("DELETE"));
    m_Buttons[BtnCopyProfile]->setToolTip(tr("COPY"));
    m_Buttons[BtnResetAll]->setText(tr("Reset All"));
    m_Buttons[BtnOk]->setText(tr("OK"));
    m_Buttons[BtnCancel]->setText(tr("Cancel"));
    m_Buttons[BtnApply]->setText(tr("Apply"));
    m_Buttons[BtnLoadConfig]->setText(tr("LOAD1"));
    m_Buttons[BtnSaveConfig]->setText(tr("SAVE"));
    m_Buttons[BtnLighting]->setText(tr("LIGHTING"));
    m_Buttons[BtnCustomize]->setText(tr("CUSTOMIZE"));
    m_Buttons[BtnDpi]->setText(tr("DPI"));
    m_Buttons[BtnMacro]->setText(tr("MACRO"));
    m_pFirmwareButton->setText(tr("Firmware Update"));
    m_pView->retranslate();
    if (m_pTray)
        m_pTray->retranslate();
    m_pStatus->retranslate();
    m_pModelLabel->setText(m_Settings.model);
    if (m_StandingWarning && m_pStatusText->kind() == TarnStatusText::Warning && !m_pStatusText->text().isEmpty())
        showStandingWarning(m_StandingWarning);
    m_Panels.retranslate();
    m_pBar->showSlot(m_WorkingSet);
}

// ---------------------------------------------------------------- profiles and panels

void MousecfgWidget::loadProfiles()
{
    loadProfileSet(m_SavedSet);
    m_WorkingSet = m_SavedSet;
    rememberStoredSet(true);
}

void MousecfgWidget::rememberStoredSet(bool clean)
{
    m_pSetWatch->rememberStoredSet();
    if (clean)
        m_CleanSet = m_WorkingSet;
}

void MousecfgWidget::takeOutsideChange(const ProfileSet &stored)
{
    if (isSending()) {
        whenIdle([this, stored] { takeOutsideChange(stored); });
        return;
    }
    copyPanelValues();
    const OutsideChange change = outsideChange(m_WorkingSet, m_CleanSet, stored);
    qCDebug(lcApp) << "the stored set was changed by another program:" << int(change);
    if (change == OutsideChange::None)
        return;
    if (change == OutsideChange::Ask
        && !confirm(tr("Another program changed the stored profiles. Take its changes and drop the ones "
                       "not applied here?"))) {
        return;
    }
    m_WorkingSet = stored;
    m_CleanSet = stored;
    m_pProfiles->loadLibrary();
    rebuildProfileFileMenu();
    m_pBar->showSlot(m_WorkingSet);
    refreshPanels();
}

void MousecfgWidget::ensureDefaultProfileFile()
{
    if (!fileExists(slotProfilePath(kDefaultProfileName)))
        writeDefaultProfileFile();
}

void MousecfgWidget::refreshPanels()
{
    m_pBar->markSlot(m_WorkingSet);
    m_Panels.refresh(panelContext());
    emit mouseSettingsChanged();
}

PanelContext MousecfgWidget::panelContext()
{
    PanelContext context;
    context.working = &m_WorkingSet;
    context.current = &m_WorkingSet.current();
    context.lighting = &m_WorkingSet.profiles[size_t(lightingSlot(m_WorkingSet, lightingUsesFirstSlot(currentProductName())))];
    context.sensor = m_Settings.sensorId;
    context.productName = currentProductName();
    context.lift = m_WorkingSet.LiftHigh;
    return context;
}

QString MousecfgWidget::currentProductName() const { return readCurrentProductName(); }

// ---------------------------------------------------------------- buttons

TarnPushButton *MousecfgWidget::button(int index) const
{
    return index >= 0 && index < ButtonCount ? m_Buttons[static_cast<size_t>(index)] : nullptr;
}

void MousecfgWidget::onButtonEntered(TarnPushButton *button)
{
    for (int i = 0; i < PageCount; ++i) {
        if (button == m_Buttons[i])
            showPage(i);
    }
}

void MousecfgWidget::onButtonClicked()
{
    auto *source = qobject_cast<TarnPushButton *>(sender());
    if (!source)
        return;
    if (source == m_pClose) {
        hideWindow(); // the process goes on
        return;
    }
    if (source == m_pMinimise) {
        showMinimized();
        return;
    }
    if (source == m_pFirmwareButton) {
        updateFirmware();
        return;
    }
    // Page tabs act on the press (onButtonEntered).
    switch (std::find(m_Buttons.begin(), m_Buttons.end(), source) - m_Buttons.begin()) {
    case BtnAddProfile: m_pProfiles->addProfile(); break;
    case BtnDeleteProfile: m_pProfiles->deleteProfile(); break;
    case BtnCopyProfile: m_pProfiles->copyProfile(); break;
    case BtnImportProfile: m_pProfiles->importProfile(); break;
    case BtnExportProfile: m_pProfiles->exportProfile(); break;
    case BtnResetProfile: m_pProfiles->resetProfile(); break;
    case BtnResetAll: m_pProfiles->resetAllProfiles(); break;
    case BtnLoadConfig: m_pProfiles->loadConfiguration(); break;
    case BtnSaveConfig: m_pProfiles->saveConfiguration(); break;
    case BtnCancel: m_pProfiles->cancel(); break;
    case BtnOk: okProfiles(); break;
    case BtnApply: applyProfiles(); break;
    default: break;
    }
}

void MousecfgWidget::closeEvent(QCloseEvent *event)
{
    // Closing only hides the window; "&Quit" in the tray ends the program. Without a tray there
    // is no "&Quit" to reach, so a close request from the desktop ends the program instead.
    event->ignore();
    if (m_pTray->isAvailable())
        hide();
    else
        QCoreApplication::quit();
}

void MousecfgWidget::slotLiftChange(quint8 iLift) { m_WorkingSet.LiftHigh = iLift; }

void MousecfgWidget::slotEnableButtons(bool bEnable)
{
    QList<QWidget *> controls = {languageButton(), m_pClose, m_pMinimise, m_pFirmwareButton, mouseSelector()};
    for (int i = 0; i < PageCount; ++i)
        controls << m_Buttons[static_cast<size_t>(i)];
    for (int i = BtnExportProfile; i <= BtnSaveConfig; ++i)
        controls << m_Buttons[static_cast<size_t>(i)];
    for (QWidget *control : qAsConst(controls))
        control->setEnabled(bEnable);
    m_pBar->setControlsEnabled(bEnable);
}

void MousecfgWidget::slotPopOneClickBox() { notice(windowMessage(WindowMessage::OneClick)); }

// ---------------------------------------------------------------- profile management and apply

void MousecfgWidget::rebuildProfileFileMenu()
{
    m_pBar->showLibrary(m_pProfiles->library());
    m_pBar->showSlot(m_WorkingSet);
}

void MousecfgWidget::chooseSlot(int slot) { m_pProfiles->chooseSlot(slot); }

uint8_t MousecfgWidget::applyProfiles()
{
    copyPanelValues();
    return send(false);
}

uint8_t MousecfgWidget::okProfiles()
{
    const uint8_t result = send(false);
    hideWindow();
    return result;
}

uint8_t MousecfgWidget::send(bool all)
{
    m_pSetWatch->setPaused(true);
    const uint8_t result = m_pApply->send(all);
    m_pSetWatch->setPaused(false);
    // The send saved the working set (the panels' values included).
    rememberStoredSet(true);
    emit mouseSettingsChanged();
    // What arrived while the worker held the sets.
    const QVector<std::function<void()>> pending = std::exchange(m_AfterSend, {});
    for (const std::function<void()> &step : pending)
        step();
    return result;
}

bool MousecfgWidget::isSending() const { return m_pApply && m_pApply->isBusy(); }

void MousecfgWidget::waitForSend() { m_pApply->waitForWorker(); }

void MousecfgWidget::whenIdle(std::function<void()> step)
{
    if (!m_pApply->isBusy()) {
        step();
        return;
    }
    m_AfterSend.push_back(std::move(step));
}

void MousecfgWidget::notice(const QString &text)
{
    TarnMessageBox box(TarnMessageBox::Notice, QString(), tr("Warning"), text, this);
    box.exec();
}

bool MousecfgWidget::confirm(const QString &text)
{
    TarnMessageBox box(TarnMessageBox::Question, QString(), tr("Warning"), text, this);
    return box.exec() == 1;
}

QString MousecfgWidget::chooseProfileFile(const FileDialogRequest &request) { return chooseFile(this, request); }

void MousecfgWidget::showCurrentSlot()
{
    m_pBar->showSlot(m_WorkingSet);
    refreshPanels();
    rememberStoredSet(false);
}

void MousecfgWidget::libraryChanged()
{
    rebuildProfileFileMenu();
    rememberStoredSet(false);
}

void MousecfgWidget::sendProfiles(bool all) { send(all); }

void MousecfgWidget::switchMouseProfile(int slot)
{
    // The poller reads the command collection too: it must not take the switch's echoes.
    m_pPoller->stopPoller();
    const uint8_t result = switchProfile(slot, *m_pTransfer);
    m_pPoller->startPoller();
    qCDebug(lcApp) << "profile" << slot + 1 << "made active on the mouse, result" << result;
    applyPointerSpeed(systemPointerSpeed(), m_WorkingSet.profiles[static_cast<size_t>(slot)]);
}

void MousecfgWidget::configurationLoaded()
{
    showPage(PageLighting);
    m_pView->setUpDownImages();
    showCurrentSlot();
}

// An automatic switch is not the user's click: it is announced as a switch made on the mouse.
void MousecfgWidget::chooseSlotIndex(int index)
{
    chooseSlot(index);
    m_pStatus->showProfileOsd(index);
}

void MousecfgWidget::showStandingWarning(QString (*text)())
{
    m_StandingWarning = text;
    m_pStatusText->showText(text(), TarnStatusText::Warning);
}

void MousecfgWidget::hideWindow() { m_pTray->hideWindow(); }

void MousecfgWidget::followSlot(int slot)
{
    m_pProfiles->selectSlot(slot, false);
    rebuildProfileFileMenu();
    rememberStoredSet(false);
}

void MousecfgWidget::reloadMouse()
{
    m_pView->clearSelection();
    loadProfiles();
    // Another mouse has a library of its own.
    m_pProfiles->loadLibrary();
    rebuildProfileFileMenu();
    reloadMousePictures();
    m_pView->setUpDownImages();
    layoutControls();
    m_pBar->showSlot(m_WorkingSet);
    refreshPanels();
}

void MousecfgWidget::mouseBack()
{
    // Pictures and layout for this mouse.
    m_pView->clearSelection();
    setFrontView(true);
    reloadMousePictures();
    layoutControls();
    // The saved profiles.
    loadProfiles();
    // The library and its menu, page, selection, images, panels.
    m_pProfiles->loadLibrary();
    m_pBar->showSlot(m_WorkingSet);
    rebuildProfileFileMenu();
    ensureDefaultProfileFile();
    showPage(PageLighting);
    SelBtnChanged(0, ViewFront);
    m_pView->setUpDownImages();
    refreshPanels();
}

void MousecfgWidget::updateFirmware()
{
    m_pFirmwareButton->setSelected(false);
    runFirmwareUpdate(*m_pLink, *m_pPoller, currentLanguage(),
                      {[this](const QString &text) { notice(text); },
                       [this](const QString &question) { return confirm(question); }});
}
