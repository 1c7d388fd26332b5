#pragma once
// The mouse command tree of the macro page: the five buttons with their "PRESS DOWN" and
// "BOUNCE UP" children, and the four move rows, each with a distance field (1..120).

#include "storage/macro_file.h"

#include <QTreeWidget>

class QLineEdit;

// A row of the tree. Button rows and their children carry the button bit; move rows carry
// their direction and a distance field.
class TarnTreeItem : public QTreeWidgetItem {
public:
    enum Role { ButtonRow, PressRow, ReleaseRow, MoveRow };

    TarnTreeItem(Role role, uint8_t buttonBit, MoveDirection direction = MoveDirection::Right);

    Role role() const { return m_role; }
    uint8_t buttonBit() const { return m_buttonBit; }
    MoveDirection direction() const { return m_direction; }
    // The distance field of a move row (null for other rows); created by the tree.
    QLineEdit *distanceEdit() const { return m_pDistance; }
    void setDistanceEdit(QLineEdit *edit) { m_pDistance = edit; }
    // The field's distance, bounded to 1..120 (1 when the field is empty).
    int distance() const;

private:
    Role m_role;
    uint8_t m_buttonBit;
    MoveDirection m_direction;
    QLineEdit *m_pDistance = nullptr;
};

class TarnTreeWidget : public QTreeWidget {
    Q_OBJECT
public:
    explicit TarnTreeWidget(QWidget *parent = nullptr);

    // The five button rows and the four move rows, in tree order.
    QList<TarnTreeItem *> buttonRows() const { return m_buttonRows; }
    QList<TarnTreeItem *> moveRows() const { return m_moveRows; }
    void retranslate();
    void rescale();
    // Removes the hover mark.
    void clearHover();

signals:
    void mouseLeft();

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;

private:
    QList<TarnTreeItem *> m_buttonRows;
    QList<TarnTreeItem *> m_moveRows;
    QTreeWidgetItem *m_pHovered = nullptr;
};
