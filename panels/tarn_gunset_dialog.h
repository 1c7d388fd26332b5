#pragma once
// The gun set editor: a name and up to five bullets, each a delay and a vertical and
// horizontal pull, turned into a recoil macro on "Yes".

#include "model/gunset_steps.h"

#include <QDialog>
#include <QPixmap>
#include <QVector>

class QLabel;
class QLineEdit;
class QMenu;
class QSpinBox;
class QToolButton;
class TarnPushButton;

class TarnGunsetDialog : public QDialog {
    Q_OBJECT
public:
    TarnGunsetDialog(QWidget *parent, double scale);

    // The name entered (trimmed), kept when "Yes" accepted the dialog.
    QString fileName() const { return m_strFileName; }
    // The steps "Yes" generated.
    const QVector<MacroEvent> &steps() const { return m_Steps; }
    // Writes the generated steps as the macro `name` (the editor passes the final, unique name).
    bool storeMacro(const QString &name) const;

    int bulletCount() const { return m_iBullets; }
    void setBulletCount(int count);
    QLineEdit *nameEdit() const { return m_pName; }
    QMenu *bulletMenu() const { return m_pBulletMenu; }
    // The spin boxes of bullet i: 0 delay, 1 Y, 2 X.
    QSpinBox *spinBox(int bullet, int field) const;
    QToolButton *yesButton() const { return m_pYes; }
    QToolButton *noButton() const { return m_pNo; }

public slots:
    void OnYesClick();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    double m_dScale;
    int m_iBullets = kGunsetMaxBullets;
    QString m_strFileName;
    QVector<MacroEvent> m_Steps;
    QLineEdit *m_pName = nullptr;
    TarnPushButton *m_pBulletButton = nullptr;
    QMenu *m_pBulletMenu = nullptr;
    QSpinBox *m_Spins[kGunsetMaxBullets][3] = {};
    QToolButton *m_pYes = nullptr;
    QToolButton *m_pNo = nullptr;
    QPixmap m_background;
    QPixmap m_bullet;
    QPixmap m_slider;
};
