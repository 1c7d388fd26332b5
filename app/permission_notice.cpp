#include "app/permission_notice.h"

#include "storage/log_categories.h"
#include "widgets/dialog_parts.h"
#include "widgets/skin.h"
#include "widgets/tarn_message_box.h"
#include "widgets/theme.h"

#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Design units: wider and taller than a message box, for sentences and command lines.
constexpr int kWidth = 620;
constexpr int kHeight = 440;
constexpr int kMargin = 24;
constexpr int kWideButton = 150;

QString escaped(const QString &text)
{
    return text.toHtmlEscaped();
}

} // namespace

PermissionNotice::PermissionNotice(QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setObjectName("PermissionNotice");
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaledUnits(kWidth), scaledUnits(kHeight));

    m_pHeading = makeMessageLabel(QString(), "permissionHeading", this);
    m_pIntro = makeMessageLabel(QString(), "permissionIntro", this);

    m_pBody = new QTextBrowser(this);
    m_pBody->setObjectName("permissionBody");
    m_pBody->setFont(m_pIntro->font());
    m_pBody->setFrameShape(QFrame::NoFrame);
    m_pBody->setOpenLinks(false);
    m_pBody->setStyleSheet("QTextBrowser { color: rgb(255, 255, 255); background: rgba(0, 0, 0, 90); }");

    m_pCopy = makeMessageButton(QString(), "permissionCopyBtn", QString(), messageBoxButtonStyle(), this);
    m_pRecheck = makeMessageButton(QString(), "permissionRecheckBtn", QString(), messageBoxButtonStyle(), this);
    m_pClose = makeMessageButton(QString(), "permissionCloseBtn", QString(), messageBoxButtonStyle(), this);
    for (QToolButton *button : {m_pCopy, m_pRecheck})
        button->setFixedWidth(scaledUnits(kWideButton));
    connect(m_pCopy, &QToolButton::clicked, this, [this] {
        QApplication::clipboard()->setText(m_Report.commands().join('\n') + '\n');
    });
    connect(m_pRecheck, &QToolButton::clicked, this, &PermissionNotice::recheckRequested);
    connect(m_pClose, &QToolButton::clicked, this, &QDialog::accept);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_pCopy);
    buttons->addSpacing(scaledUnits(kMargin / 2));
    buttons->addWidget(m_pRecheck);
    buttons->addSpacing(scaledUnits(kMargin / 2));
    buttons->addWidget(m_pClose);
    buttons->addStretch();

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(scaledUnits(kMargin), scaledUnits(kMargin), scaledUnits(kMargin), scaledUnits(kMargin));
    column->setSpacing(scaledUnits(kMargin / 2));
    column->addWidget(m_pHeading);
    column->addWidget(m_pIntro);
    column->addWidget(m_pBody, 1);
    column->addLayout(buttons);
}

void PermissionNotice::showReport(const DoctorReport &report)
{
    m_Report = report;
    m_pHeading->setText(tr("The mouse cannot be opened"));
    m_pCopy->setText(tr("Copy commands"));
    m_pRecheck->setText(tr("Check again"));
    m_pClose->setText(tr("Close"));
    // A report without a problem cannot explain the failure: the mouse may have gone, or come
    // back, between the open and the check.
    m_pIntro->setText(report.healthy()
                          ? tr("The mouse is connected, but opening it failed, and no cause was found. Re-plug "
                               "the receiver, then check again.")
                          : tr("The mouse is connected, but this user may not open it, so no setting can be read "
                               "or sent. Here is why, with the commands that fix it:"));
    QString html;
    for (const DoctorFinding &finding : report.findings) {
        // What was found in order stays out: the notice is about what is not.
        if (finding.severity == DoctorSeverity::Ok && finding.verdict != DoctorVerdict::DeviceFound)
            continue;
        const QString colour = finding.severity == DoctorSeverity::Problem ? themeColour().name() : "#ffffff";
        html += QString("<p><span style=\"color:%1\">&#9679;</span> %2</p>").arg(colour, escaped(finding.text));
        for (const QString &command : finding.commands)
            // Wrapped rather than scrolled: the whole line is seen, and copied as one.
            html += "<p style=\"margin-left:16px; white-space:pre-wrap; font-family:monospace\">"
                    + escaped(command) + "</p>";
    }
    m_pBody->setHtml(html);
    m_pCopy->setEnabled(!report.commands().isEmpty());
}

QString PermissionNotice::bodyText() const
{
    return m_pIntro->text() + '\n' + m_pBody->toPlainText();
}

void PermissionNotice::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_background.isNull())
        m_background = loadSkinPixmap(skinPath("dlg.png"), size() * devicePixelRatioF());
    paintDialogFace(painter, rect(), m_background);
}

void updatePermissionNotice(QPointer<PermissionNotice> &notice, QWidget &window, bool unopened,
                            const std::function<void()> &recheck)
{
    if (!unopened) {
        if (notice) {
            qCDebug(lcApp) << "the mouse opens now: the permission notice closes";
            notice->accept();
            notice->deleteLater();
            notice = nullptr;
        }
        return;
    }
    if (!notice) {
        notice = new PermissionNotice(&window);
        notice->setAttribute(Qt::WA_DeleteOnClose);
        QObject::connect(notice, &PermissionNotice::recheckRequested, notice, recheck);
        // Modal over the window without a nested event loop, as the disconnect warning.
        notice->open();
        qCDebug(lcApp) << "the mouse is listed but cannot be opened: the permission notice is open";
    }
    notice->showReport(runDoctor());
    notice->raise();
}
