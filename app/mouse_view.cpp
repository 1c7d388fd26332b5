#include "app/mouse_view.h"

#include "app/window_controls.h"
#include "storage/data_paths.h"
#include "widgets/skin.h"
#include "widgets/skin_names.h"
#include "widgets/tarn_push_button.h"
#include "widgets/theme.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>

#include <algorithm>

namespace {

// The picture frames, in design units.
const QSize kFrontBox(300, 400);
const QSize kSideBox(300, 300);

QSize scaledSize(const QSize &design, double scale)
{
    return QSize(scaled(design.width(), scale), scaled(design.height(), scale));
}

// A front picture fits its frame keeping its proportions.
SkinImageRequest frontPictureRequest(const QString &path, double scale, double ratio)
{
    if (path.isEmpty())
        return {};
    const QSize natural = QImageReader(path).size();
    if (!natural.isValid())
        return {};
    return {path, natural.scaled(scaledSize(kFrontBox, scale), Qt::KeepAspectRatio) * ratio};
}

QImage loadRequested(const SkinImageRequest &request)
{
    return loadSkinImage(request.path, request.pixels);
}

QPixmap pixmapAtRatio(const QImage &picture, double ratio)
{
    QPixmap pixmap = QPixmap::fromImage(picture);
    pixmap.setDevicePixelRatio(ratio);
    return pixmap;
}

} // namespace

SkinImageRequest mouseFrontPictureRequest(const QString &product, double scale, double ratio)
{
    return frontPictureRequest(mouseFrontPicturePath(product), scale, ratio);
}

MouseView::MouseView(QWidget &window) : QObject(&window), m_Window(window)
{
    m_pFrontPicture = new QLabel(&m_Window);
    m_pFrontPicture->setProperty("layoutItem", static_cast<int>(LayoutItem::FrontPicture));
    m_pFrontPicture->setAlignment(Qt::AlignCenter);
    m_pSidePicture = new QLabel(&m_Window);
    m_pSidePicture->setProperty("layoutItem", static_cast<int>(LayoutItem::SidePicture));
    // On the bottom of its frame, so the side view stands where the front view does.
    m_pSidePicture->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    m_pFrontButton = makeWindowButton(&m_Window, tabFaceImages(), LayoutItem::FrontButton);
    m_pSideButton = makeWindowButton(&m_Window, tabFaceImages(), LayoutItem::SideButton);
    for (TarnPushButton *button : {m_pFrontButton, m_pSideButton}) {
        button->setCheckable(true);
        connect(button, &QPushButton::clicked, this, &MouseView::onClicked);
    }

    for (int view = ViewFront; view <= ViewSide; ++view) {
        for (int i = 0; i < kHotspotsPerView; ++i) {
            const LayoutItem item =
                view == ViewFront && i < kPlacedFrontHotspots
                    ? static_cast<LayoutItem>(static_cast<int>(LayoutItem::FrontHotspot1) + i)
                    : LayoutItem::Count;
            TarnPushButton *spot = makeWindowButton(&m_Window, hotspotImageNames(), item);
            m_Hotspots[view][i] = spot;
            if (view == ViewFront)
                connect(spot, &TarnPushButton::OverSignal, this, &MouseView::hover);
        }
    }
    m_UpDown[0] = makeWindowButton(&m_Window, {}, LayoutItem::UpHotspot);
    m_UpDown[1] = makeWindowButton(&m_Window, {}, LayoutItem::DownHotspot);
    for (int view = 0; view < ViewCount; ++view) {
        for (int i = 0; i < hotspotCount(view); ++i) {
            hotspot(view, i)->setCheckable(true);
            connect(hotspot(view, i), &QPushButton::clicked, this, &MouseView::onClicked);
        }
    }
}

TarnPushButton *MouseView::hotspot(int view, int index) const
{
    if (index < 0 || index >= hotspotCount(view))
        return nullptr;
    if (view == ViewUpDown)
        return m_UpDown[static_cast<size_t>(index)];
    return m_Hotspots[static_cast<size_t>(view)][static_cast<size_t>(index)];
}

int MouseView::selected(int view) const
{
    return view >= 0 && view < ViewCount ? m_Selected[static_cast<size_t>(view)] : -1;
}

void MouseView::reloadPictures()
{
    const double ratio = m_Window.devicePixelRatioF();
    showFront(loadRequested(mouseFrontPictureRequest(readCurrentProductName(), uiScale(), ratio)));
    m_pSidePicture->clear();
    m_bSideStale = true;
    showSideWhenShown();
}

void MouseView::showSideWhenShown()
{
    if (!m_bSideStale || !m_pSidePicture->isVisibleTo(&m_Window))
        return;
    m_bSideStale = false;
    const double ratio = m_Window.devicePixelRatioF();
    const QImage side = loadRequested({mouseSidePicturePath(readCurrentProductName()), scaledSize(kSideBox, uiScale()) * ratio});
    if (!side.isNull())
        m_pSidePicture->setPixmap(pixmapAtRatio(side, ratio));
}

void MouseView::showFront(const QImage &picture)
{
    if (!picture.isNull())
        m_pFrontPicture->setPixmap(pixmapAtRatio(picture, m_Window.devicePixelRatioF()));
}

void MouseView::setUpDownImages()
{
    const UpDownImages images = upDownHotspotImages(readCurrentProductName());
    m_UpDown[0]->setImages(skinPaths(images.up));
    m_UpDown[1]->setImages(skinPaths(images.down));
}

void MouseView::markView(bool front)
{
    m_pFrontButton->setSelected(front);
    m_pSideButton->setSelected(!front);
}

bool MouseView::select(int index, int view)
{
    TarnPushButton *spot = hotspot(view, index);
    if (!spot)
        return false;
    clearSelection();
    m_Selected[static_cast<size_t>(view)] = index;
    spot->setSelected(true);
    return true;
}

void MouseView::clearSelection()
{
    m_Selected.fill(-1);
    for (int view = 0; view < ViewCount; ++view) {
        for (int i = 0; i < hotspotCount(view); ++i)
            hotspot(view, i)->setSelected(false);
    }
}

void MouseView::hover(TarnPushButton *button, bool over)
{
    // k is the button's place (1-based): a front hot-spot's own, or the row number the button
    // panel gives its rows.
    int k = 0;
    const auto it = std::find(m_Hotspots[ViewFront].begin(), m_Hotspots[ViewFront].end(), button);
    if (it != m_Hotspots[ViewFront].end())
        k = int(it - m_Hotspots[ViewFront].begin()) + 1;
    else if (button)
        k = button->property("buttonRow").toInt();
    else
        return;
    if (k < 1 || k > kHotspotsPerView)
        return;
    const QString name = readCurrentProductName();
    showFront(loadRequested(frontPictureRequest(over ? mouseHoverPicturePath(name, k) : mouseFrontPicturePath(name),
                                                uiScale(), m_Window.devicePixelRatioF())));
    // The marker is lit while the pointer is over its button (the hot-spot or its panel row) and
    // otherwise shows whether it is the selected one. Marking it selected on every leave would
    // leave lit markers behind the pointer and hide which button is selected.
    m_Hotspots[ViewFront][static_cast<size_t>(k - 1)]->setSelected(over || m_Selected[ViewFront] == k - 1);
}

void MouseView::applyVisibility(const PageVisibility &visibility)
{
    m_pFrontPicture->setVisible(visibility.frontPicture);
    m_pSidePicture->setVisible(visibility.sidePicture);
    m_pFrontButton->setVisible(visibility.viewButtons);
    m_pSideButton->setVisible(visibility.viewButtons);
    for (TarnPushButton *spot : m_Hotspots[ViewFront])
        spot->setVisible(visibility.frontHotspots);
    for (TarnPushButton *spot : m_UpDown)
        spot->setVisible(visibility.frontHotspots);
    for (TarnPushButton *spot : m_Hotspots[ViewSide])
        spot->setVisible(visibility.sideHotspots);
    showSideWhenShown();
}

void MouseView::retranslate()
{
    // The window's texts: translated in its context, where the language files keep them.
    m_pFrontButton->setText(QCoreApplication::translate("MousecfgWidget", "Front"));
    m_pSideButton->setText(QCoreApplication::translate("MousecfgWidget", "Side"));
}

void MouseView::onClicked()
{
    auto *source = qobject_cast<TarnPushButton *>(sender());
    if (source == m_pFrontButton || source == m_pSideButton) {
        emit viewClicked(source == m_pFrontButton);
        return;
    }
    for (int view = 0; view < ViewCount; ++view) {
        for (int i = 0; i < hotspotCount(view); ++i) {
            if (hotspot(view, i) == source) {
                emit hotspotClicked(i, view);
                return;
            }
        }
    }
}
