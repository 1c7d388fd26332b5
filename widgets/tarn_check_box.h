#pragma once
// A check box drawn from two skin images (clear, ticked) at the size of the scale, crisp at
// every scale factor, with its text in the language font beside it.

#include <QCheckBox>
#include <QPixmap>
#include <QString>

class TarnCheckBox : public QCheckBox {
    Q_OBJECT
public:
    // Image names relative to the skin folder.
    TarnCheckBox(const QString &clearImage, const QString &tickedImage, QWidget *parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;

private:
    QString m_clearImage;
    QString m_tickedImage;
    QPixmap m_cache;
    QString m_cachedImage;
};
