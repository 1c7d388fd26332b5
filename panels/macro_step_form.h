#pragma once
// The fields that edit one step while "EDIT" runs, in the place of the delay and loop options:
// a key step shows its key's name (the key itself comes through the keyboard), a mouse-button
// step a button menu, a move its direction menu and distance, a delay its milliseconds. The form
// shows a step and tells what the user picks or types; the step editor decides what it changes.

#include "storage/macro_file.h"

#include <QObject>

class QLabel;
class QLineEdit;
class QMenu;
class QWidget;
class TarnPushButton;

class MacroStepForm : public QObject {
    Q_OBJECT
public:
    explicit MacroStepForm(QWidget *page);

    void layout();
    void retranslate();

    // Shows the fields of `step`; without one, a hint to select a step. True for a key step,
    // whose key is then taken from the keyboard.
    bool showStep(const MacroEvent *step);
    // The drop-down texts of a step the user changed.
    void showChangedStep(const MacroEvent &step);
    void showKeyName(const QString &name);
    void hide();

    QMenu *buttonMenu() const { return m_pButtonMenu; }
    QMenu *moveMenu() const { return m_pMoveMenu; }
    QLineEdit *distanceEdit() const { return m_pDistance; }
    QLineEdit *delayEdit() const { return m_pDelay; }

signals:
    void buttonChosen(uint8_t buttonBit);
    // A direction from the menu, with the distance in the field (1 when it holds none).
    void directionChosen(MoveDirection direction, int distance);
    void distanceEdited(const QString &text);
    void delayEdited(const QString &text);

private:
    void hideFields();

    QLabel *m_pTitle = nullptr;
    QLabel *m_pKeyName = nullptr;
    TarnPushButton *m_pButton = nullptr;
    QMenu *m_pButtonMenu = nullptr;
    TarnPushButton *m_pMoveButton = nullptr;
    QMenu *m_pMoveMenu = nullptr;
    QLineEdit *m_pDistance = nullptr;
    QLineEdit *m_pDelay = nullptr;
    QLabel *m_pDelayUnit = nullptr;
};
