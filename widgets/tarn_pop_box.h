#pragma once
// The name-entry box: laid out like the message box, with a line edit for a name.

#include <QDialog>
#include <QPixmap>

class QLineEdit;

class TarnPopBox : public QDialog {
    Q_OBJECT
public:
    explicit TarnPopBox(const QString &message, const QString &name = QString(), QWidget *parent = nullptr);

    QString name() const;

signals:
    void NameChanged(const QString &name);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLineEdit *m_pEdit;
    QPixmap m_background;
};
