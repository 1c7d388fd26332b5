#include "widgets/tarn_process_dialog.h"

#include "widgets/skin.h"

#include <QLabel>
#include <QMovie>

TarnProcessDialog::TarnProcessDialog(QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog),
      m_pMovie(new QMovie(loadingAnimationPath(), QByteArray(), this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setModal(true);
    setFixedSize(kSide, kSide);

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
