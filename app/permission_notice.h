#pragma once
// The notice the window shows, instead of working blind, when the device table lists a mouse whose
// command collection cannot be opened: the permission check's findings in the window's language,
// with the commands that fix them, a button that copies those and one that tries again.

#include "platform/device_doctor.h"

#include <QDialog>
#include <QPixmap>
#include <QPointer>

#include <functional>

class QLabel;
class QTextBrowser;
class QToolButton;

class PermissionNotice : public QDialog {
    Q_OBJECT
public:
    explicit PermissionNotice(QWidget *parent = nullptr);

    // Also takes the window's language as it is now.
    void showReport(const DoctorReport &report);
    const DoctorReport &report() const { return m_Report; }
    // The findings as shown, in plain text.
    QString bodyText() const;
    QToolButton *copyButton() const { return m_pCopy; }
    QToolButton *recheckButton() const { return m_pRecheck; }

signals:
    // "Check again": the window reopens the mouse and calls updatePermissionNotice() again.
    void recheckRequested();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    DoctorReport m_Report;
    QLabel *m_pHeading = nullptr;
    QLabel *m_pIntro = nullptr;
    QTextBrowser *m_pBody = nullptr;
    QToolButton *m_pCopy = nullptr;
    QToolButton *m_pRecheck = nullptr;
    QToolButton *m_pClose = nullptr;
    QPixmap m_background;
};

// With `unopened` (a mouse is listed, but its commands cannot be sent) opens the notice over
// `window`, or refreshes the one open, with this machine's diagnosis; otherwise closes it.
// "Check again" runs `recheck`.
void updatePermissionNotice(QPointer<PermissionNotice> &notice, QWidget &window, bool unopened,
                            const std::function<void()> &recheck);
