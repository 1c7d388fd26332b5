#pragma once
// Tells the on-screen-display companion what to show: profile, DPI-stage and report-rate
// changes made on the mouse.

#include <QObject>
#include <QString>

class OsdClient : public QObject {
    Q_OBJECT
public:
    explicit OsdClient(QObject *parent = nullptr);

    // Shows `text` through the companion. Never blocks the caller.
    void showText(const QString &text);

signals:
    // Every text handed to showText(), in order, whether or not the companion shows it.
    void textRequested(const QString &text);
};
