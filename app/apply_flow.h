#pragma once
// The apply flow: one send of the working set with the progress dialog over the window. The
// download worker runs on its own thread while the window's event loop goes on inside the modal
// dialog; afterwards the user learns of a failed send and of macros that did not fit.

#include <QCoreApplication>
#include <QString>

#include <cstdint>
#include <functional>

class CommandSink;
class DeviceLinkObserver;
class QWidget;
class TarnProcessDialog;
class TarnProcessThread;
struct DownloadOutcome;
struct AppSettings;
struct ProfileSet;

// The notice naming the macros a download left out (empty when none was left out).
QString macroLimitMessage(const DownloadOutcome &outcome);

class ApplyFlow {
    Q_DECLARE_TR_FUNCTIONS(ApplyFlow)
public:
    using Notice = std::function<void(const QString &text)>;

    // The sets, the sink and the observer must outlive the flow; `window` owns the dialogs.
    ApplyFlow(ProfileSet &working, ProfileSet &saved, const AppSettings &settings, CommandSink &sink,
              DeviceLinkObserver *observer, QWidget *window, Notice notice);

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
    QWidget *m_pWindow;
    Notice m_Notice;
    bool m_bBusy = false;
    bool m_bToldUnsaved = false;  // the user knows the state is not being saved
    TarnProcessDialog *m_pDialog = nullptr;
    TarnProcessThread *m_pWorker = nullptr;
};
