#pragma once
// The delay and loop options of the open macro: recorded delays or a default delay (or
// neither), and one of the three loop modes (or none) with its loop count. They read from and
// into the macro file's settings; a change by the user is announced so the page can write it.

#include "storage/macro_file.h"

#include <QObject>

class QCheckBox;
class QLabel;
class QLineEdit;
class QWidget;

class MacroOptionsPanel : public QObject {
    Q_OBJECT
public:
    explicit MacroOptionsPanel(QWidget *page);

    void layout();
    void retranslate();

    MacroSettings settings() const;
    void showSettings(const MacroSettings &settings);
    int delayType() const;
    int defaultDelayMs() const;

    // Hidden while a step is edited: the step's fields take their place.
    void setShown(bool shown);
    void setEnabled(bool enabled);

    QCheckBox *recordDelayBox() const { return m_pRecordDelay; }
    QCheckBox *defaultDelayBox() const { return m_pDefaultDelay; }
    QCheckBox *loopBox(int loopType) const; // 1..3, else nullptr
    QLineEdit *loopTimeEdit() const { return m_pLoopTimeEdit; }

signals:
    // The user changed an option.
    void changed();

private:
    void delayBoxClicked(QCheckBox *box);
    void loopBoxClicked(QCheckBox *box);
    int loopType() const;

    QCheckBox *m_pRecordDelay = nullptr;
    QCheckBox *m_pDefaultDelay = nullptr;
    QCheckBox *m_LoopBoxes[3] = {};
    QLineEdit *m_pDefaultDelayEdit = nullptr;
    QLabel *m_pDefaultDelayUnit = nullptr;
    QLineEdit *m_pLoopTimeEdit = nullptr;
};
