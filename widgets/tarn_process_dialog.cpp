#include "widgets/tarn_process_dialog.h"

#include "widgets/skin.h"
#include "widgets/theme.h"

#include <QLabel>
#include <QMovie>

TarnProcessDialog::TarnProcessDialog(QWidget *parent, double scale)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog),
      m_pMovie(new QMovie(loadingAnimationPath(), QByteArray(), this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setFixedSize(scaled(kSide, scale), scaled(kSide, scale));
    // The animation's frames are drawn for scale 1.0.
    if (m_pMovie->jumpToFrame(0) && scale != 1.0)
        m_pMovie->setScaledSize(m_pMovie->currentImage().size() * scale);

    auto *background = new QLabel(this);
    background->setGeometry(rect());
    background->setPixmap(loadSkinPixmap(skinPath("process.png"), size() * devicePixelRatioF()));
    background->setScaledContents(true);

    auto *animation = new QLabel(this);
    animation->setGeometry(rect());
    animation->setAlignment(Qt::AlignCenter);
    animation->setAttribute(Qt::WA_TranslucentBackground);
    animation->setMovie(m_pMovie);
    m_pMovie->start();
}

void TarnProcessDialog::showEvent(QShowEvent *event)
{
    if (QWidget *owner = parentWidget()) {
        const QRect window = owner->window()->geometry();
        move(window.center() - rect().center());
    }
    QDialog::showEvent(event);
}

void TarnProcessDialog::slotProcessDlg()
{
    done(1);
}

void TarnProcessDialog::updateProgress()
{
    m_pMovie->jumpToNextFrame();
}
