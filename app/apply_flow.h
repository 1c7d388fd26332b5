#pragma once
// The apply flow: one send of the working set with the progress dialog over the window. The
// download worker runs on its own thread while the window's event loop goes on inside the modal
// dialog; afterwards the user learns of a failed send, a failed save and macros that did not fit,
// and is told briefly when it all went well.

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

class CommandSink;
class DeviceLinkObserver;
class HidDevice;
class QWidget;
class TarnProcessDialog;
class TarnProcessThread;
struct DownloadOutcome;
struct AppSettings;
struct ProfileSet;
struct SendOutcome;

// The notice naming the macros a download left out (empty when none was left out).
QString macroLimitMessage(const DownloadOutcome &outcome);
// The notices a finished send leaves for the user, in order: its failure (`result` not 0), a
// failed save of the state (when `tellUnsaved`: the window says it once until a save works
// again), the macros left out. Empty when all went well.
QStringList sendNotices(uint8_t result, const SendOutcome &outcome, bool tellUnsaved = true);

class ApplyFlow {
    Q_DECLARE_TR_FUNCTIONS(ApplyFlow)
public:
    using Notice = std::function<void(const QString &text)>;
    using HandleSource = std::function<HidDevice *()>;

    // The sets, the sink and the observer must outlive the flow; `window` owns the dialogs.
    // `commandHandle` gives the handle the battery query before each send goes to. `notice`
    // tells of a failure (a box); `confirmation` tells briefly of a send that went well.
    ApplyFlow(ProfileSet &working, ProfileSet &saved, const AppSettings &settings, CommandSink &sink,
              DeviceLinkObserver *observer, HandleSource commandHandle, QWidget *window, Notice notice,
              Notice confirmation);

    // The confirmation of a send that went well (translated).
    static QString confirmationText();

    // One send; `all` sends every block (Reset All, a loaded configuration). Returns the device
    // result code. The sets belong to the worker until this returns.
    uint8_t send(bool all);
    // True while a send runs (the window leaves the sets alone meanwhile).
    bool isBusy() const { return m_bBusy; }
    // The progress dialog while a send runs, else null.
    TarnProcessDialog *progressDialog() const { return m_pDialog; }
    // Blocks until the running worker (if any) has finished with the device: for a device close
    // that arrives while a send runs.
    void waitForWorker();

private:
    ProfileSet &m_Working;
    ProfileSet &m_Saved;
    const AppSettings &m_Settings;
    CommandSink &m_Sink;
    DeviceLinkObserver *m_pObserver;
    HandleSource m_CommandHandle;
    QWidget *m_pWindow;
    Notice m_Notice;
    Notice m_Confirmation;
    bool m_bBusy = false;
    bool m_bToldUnsaved = false;  // the user knows the state is not being saved
    TarnProcessDialog *m_pDialog = nullptr;
    TarnProcessThread *m_pWorker = nullptr;
};
