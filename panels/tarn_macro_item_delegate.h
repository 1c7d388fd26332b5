#pragma once
// Draws the rows of the step table: each row is one macro step, shown across the columns
// "KEY", "ACTION" and "DELAY(ms)" with the step icons of the skin.

#include "storage/macro_event.h"

#include <QString>
#include <QStyledItemDelegate>

// What one cell of a step shows: a skin image name (empty: none) and a text.
struct StepCell {
    QString icon;
    QString text;
};
// The cell of `column` (0 KEY, 1 ACTION, 2 DELAY(ms)) for a step, texts translated.
StepCell stepCell(const MacroEvent &step, int column);

// Step values are kept in the model's rows: column 0 Map, 1 DataH, 2 DataL, each in this role.
constexpr int kStepValueRole = Qt::UserRole + 1;
MacroEvent stepOfRow(const QModelIndex &index);

class TarnMacroItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
};
