#pragma once
// The mouse picture in the window: the front and side views with their "Front" and "Side"
// buttons, the hot-spots over them (the front view's, the side view's and the up/down pair),
// which hot-spot is selected, and the picture of the button the pointer is over.

#include "app/window_rules.h"

#include "widgets/skin.h"

#include <QObject>

#include <array>

class QImage;
class QLabel;
class QPixmap;
class QWidget;
class TarnPushButton;

// The skin image a product's front picture is drawn from in a window at `scale` and device pixel
// ratio `ratio`; no path where the product has no such picture. What the view loads first, so
// that a start can have it decoded ahead (decodeSkinImagesAhead).
SkinImageRequest mouseFrontPictureRequest(const QString &product, double scale, double ratio);

class MouseView : public QObject {
    Q_OBJECT
public:
    // Makes its controls on `window`, which must outlive the view.
    explicit MouseView(QWidget &window);

    QLabel *frontPicture() const { return m_pFrontPicture; }
    QLabel *sidePicture() const { return m_pSidePicture; }
    TarnPushButton *frontButton() const { return m_pFrontButton; }
    TarnPushButton *sideButton() const { return m_pSideButton; }
    // Null for a view or index outside the hot-spot tables.
    TarnPushButton *hotspot(int view, int index) const;
    // The selected hot-spot of a view, -1 for none or a view outside the tables.
    int selected(int view) const;

    // The current mouse's front and side pictures at the window's scale. The side picture, shown
    // on one view of one page only, is decoded when it is first shown.
    void reloadPictures();
    // The current mouse's up and down hot-spot images.
    void setUpDownImages();
    // Marks the "Front" or the "Side" button.
    void markView(bool front);
    // Makes hot-spot `index` of `view` the one selected; false (and nothing changed) for a
    // hot-spot outside the tables.
    bool select(int index, int view);
    void clearSelection();
    // The pointer entered (`over`) or left a front hot-spot or a row of the button panel (its
    // "buttonRow" property numbers it from 1): that button's picture and marker.
    void hover(TarnPushButton *button, bool over);
    void applyVisibility(const PageVisibility &visibility);
    void retranslate();

signals:
    void viewClicked(bool front);
    void hotspotClicked(int index, int view);

private:
    void onClicked();
    void showFront(const QImage &picture);
    void showSideWhenShown();

    QWidget &m_Window;
    QLabel *m_pFrontPicture;
    QLabel *m_pSidePicture;
    TarnPushButton *m_pFrontButton;
    TarnPushButton *m_pSideButton;
    std::array<std::array<TarnPushButton *, kHotspotsPerView>, 2> m_Hotspots{}; // front, side
    std::array<TarnPushButton *, 2> m_UpDown{};                                 // up, down
    std::array<int, ViewCount> m_Selected{{-1, -1, -1}};
    bool m_bSideStale = true;  // the side picture is not the current mouse's yet
};
