#pragma once
// The modal message box: a question (Yes/No) or a notice (Ok), drawn over the dialog skin.
// A watched box also closes itself, accepted, once the mouse is back.

#include <QDialog>
#include <QPixmap>

#include <functional>

class QLabel;
class QTimer;
class QToolButton;

class TarnMessageBox : public QDialog {
    Q_OBJECT
public:
    enum Kind { Question = 1, Notice = 2, Receiver = 4 }; // any kind but 1 is a notice

    // The system passes an empty window title and the frameless flag. A box with `watch` set
    // looks at the mouse-back probe every 100 ms.
    TarnMessageBox(int kind, const QString &windowTitle, const QString &heading, const QString &message,
                   QWidget *parent = nullptr, bool watch = false,
                   Qt::WindowFlags flags = Qt::FramelessWindowHint);

    // What a watched box asks: true once a mouse came back. The main window sets it once; without
    // it a watched box closes only through its button.
    static void setMouseBackProbe(std::function<bool()> probe);

    int kind() const { return m_iKind; }
    bool isQuestion() const { return m_iKind == Question; }

public slots:
    void GetPlugInSignal();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int m_iKind;
    QLabel *m_pHeading = nullptr;
    QLabel *m_pMessage = nullptr;
    QToolButton *m_pYes = nullptr;
    QToolButton *m_pNo = nullptr;
    QTimer *m_pWatch = nullptr;
    QPixmap m_background;
};

// The style of the box's buttons, with the theme colour in the border.
QString messageBoxButtonStyle();
