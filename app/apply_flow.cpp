#include "app/apply_flow.h"

#include "device/download_worker.h"
#include "storage/log_categories.h"
#include "widgets/tarn_process_dialog.h"
#include "widgets/theme.h"

QString macroLimitMessage(const DownloadOutcome &outcome)
{
    const QStringList &left = outcome.macros.overLimit;
    if (left.isEmpty())
        return QString();
    return ApplyFlow::tr("The mouse holds 20 macros. These were not sent: %1").arg(left.join(QStringLiteral(", ")));
}

QStringList sendNotices(uint8_t result, const SendOutcome &outcome, bool tellUnsaved)
{
    QStringList notices;
    if (result != 0)
        notices << downloadResultMessage(result);
    if (tellUnsaved && !outcome.save.ok())
        notices << ApplyFlow::tr("The settings could not be saved: %1").arg(outcome.save.message());
    const QString macros = macroLimitMessage(outcome.download);
    if (!macros.isEmpty())
        notices << macros;
    return notices;
}

ApplyFlow::ApplyFlow(ProfileSet &working, ProfileSet &saved, const AppSettings &settings, CommandSink &sink,
                     DeviceLinkObserver *observer, HandleSource commandHandle, QWidget *window, Notice notice,
                     Notice confirmation)
    : m_Working(working), m_Saved(saved), m_Settings(settings), m_Sink(sink), m_pObserver(observer),
      m_CommandHandle(std::move(commandHandle)), m_pWindow(window), m_Notice(std::move(notice)),
      m_Confirmation(std::move(confirmation))
{
}

QString ApplyFlow::confirmationText() { return tr("Settings applied."); }

void ApplyFlow::waitForWorker()
{
    if (m_pWorker)
        m_pWorker->wait();
}

uint8_t ApplyFlow::send(bool all)
{
    if (m_bBusy)
        return 0;
    m_bBusy = true;
    TarnProcessDialog dialog(m_pWindow, uiScale());
    m_pDialog = &dialog;
    TarnProcessThread worker(m_Working, m_Saved, m_Settings, m_Sink, m_pObserver, m_CommandHandle);
    m_pWorker = &worker;
    worker.setForce(all);
    // Queued: the dialog closes from its own loop, even when the worker ends before it runs. A
    // dialog closed some other way (Escape) opens again: the sets are the worker's until it ends.
    bool ended = false;
    QObject::connect(&worker, &TarnProcessThread::DoProcessDlg, &dialog, [&] {
        ended = true;
        dialog.slotProcessDlg();
    }, Qt::QueuedConnection);
    worker.start(QThread::InheritPriority);
    int shown = 0;
    while (!ended)
        shown = dialog.exec();
    worker.wait();
    m_pWorker = nullptr;
    m_pDialog = nullptr;
    m_bBusy = false;

    const uint8_t result = worker.result();
    qCDebug(lcApp) << "send" << (all ? "everything" : "changes") << "result" << result;
    const SendOutcome &outcome = worker.outcome();
    // A failed save is said once, not at every apply, until a save works again.
    const bool tellUnsaved = !outcome.save.ok() && !m_bToldUnsaved;
    m_bToldUnsaved = !outcome.save.ok();
    if (shown != 1)
        return result;
    const QStringList notices = sendNotices(result, outcome, tellUnsaved);
    if (result == 0 && outcome.save.ok())
        m_Confirmation(confirmationText());
    for (const QString &text : notices)
        m_Notice(text);
    return result;
}
