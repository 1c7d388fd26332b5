#include "widgets/tarn_message_box.h"

#include "storage/settings_file.h"
#include "widgets/dialog_parts.h"
#include "widgets/skin.h"
#include "widgets/theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kIconSize = 45;
constexpr int kWatchIntervalMs = 100;

std::function<bool()> &mouseBackProbe()
{
    static std::function<bool()> probe;
    return probe;
}

} // namespace

QString messageBoxButtonStyle()
{
    const QColor c = themeColour();
    return QString::asprintf("QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);"
                             "                       border-radius: 3px;  border: 1px rgb(%d, %d, %d);"
                             "                       border-style: outset;}",
                             c.red(), c.green(), c.blue());
}

void TarnMessageBox::setMouseBackProbe(std::function<bool()> probe)
{
    mouseBackProbe() = std::move(probe);
}

TarnMessageBox::TarnMessageBox(int kind, const QString &windowTitle, const QString &heading,
                               const QString &message, QWidget *parent, bool watch, Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::FramelessWindowHint | Qt::Dialog), m_iKind(kind)
{
    setWindowTitle(windowTitle);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaledUnits(kMessageBoxWidth), scaledUnits(kMessageBoxHeight));

    auto *icon = new QLabel(this);
    icon->setFixedSize(scaledUnits(kIconSize), scaledUnits(kIconSize));
    icon->setPixmap(loadSkinPixmap(skinPath(kind == Receiver ? "dongle2.png" : "warn.png"),
                                   icon->size() * devicePixelRatioF()));
    icon->setScaledContents(true);

    m_pHeading = makeMessageLabel(heading, "msgBoxInfoLabel1", this);
    m_pMessage = makeMessageLabel(message, "msgBoxInfoLabel2", this);

    auto *messageRow = new QHBoxLayout;
    messageRow->addSpacing(scaledUnits(kMessageBoxSpacing));
    messageRow->addWidget(icon);
    messageRow->addSpacing(scaledUnits(kMessageBoxSpacing));
    messageRow->addWidget(m_pMessage, 1);
    messageRow->addSpacing(scaledUnits(kMessageBoxSpacing));

    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    if (kind == Question) {
        m_pYes = makeMessageButton(tr("Yes"), "msgBoxYesBtn", ":/yes_Btn", messageBoxButtonStyle(), this);
        m_pNo = makeMessageButton(tr("No"), "msgBoxNoBtn", ":/no_Btn", messageBoxButtonStyle(), this);
        buttonRow->addWidget(m_pYes);
        buttonRow->addStretch();
        buttonRow->addWidget(m_pNo);
        connect(m_pNo, &QToolButton::clicked, this, &QDialog::reject);
    } else {
        m_pYes = makeMessageButton(tr("Ok"), "msgBoxYesBtn", QString(), messageBoxButtonStyle(), this);
        buttonRow->addWidget(m_pYes);
    }
    buttonRow->addStretch();
    connect(m_pYes, &QToolButton::clicked, this, &QDialog::accept);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(0, scaledUnits(kMessageBoxSpacing), 0, 0);
    column->setSpacing(0);
    auto *headingRow = new QHBoxLayout;
    headingRow->addSpacing(scaledUnits(kMessageBoxSpacing));
    headingRow->addWidget(m_pHeading, 1);
    headingRow->addSpacing(scaledUnits(kMessageBoxSpacing));
    column->addLayout(headingRow);
    column->addStretch();
    column->addLayout(messageRow);
    column->addStretch();
    column->addLayout(buttonRow);
    column->addSpacing(scaledUnits(kMessageBoxSpacing));

    if (watch) {
        m_pWatch = new QTimer(this);
        m_pWatch->setInterval(kWatchIntervalMs);
        connect(m_pWatch, &QTimer::timeout, this, &TarnMessageBox::GetPlugInSignal);
        m_pWatch->start();
    }
}

void TarnMessageBox::GetPlugInSignal()
{
    const std::function<bool()> &probe = mouseBackProbe();
    if (probe && probe()) {
        if (m_pWatch)
            m_pWatch->stop();
        accept();
    }
}

void TarnMessageBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_background.isNull())
        m_background = loadSkinPixmap(skinPath("dlg.png"), size() * devicePixelRatioF());
    paintDialogFace(painter, rect(), m_background);
}
