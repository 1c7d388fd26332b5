#include "panels/tarn_tree_widget.h"

#include "model/macro_steps.h"
#include "storage/settings_file.h"
#include "widgets/skin.h"
#include "widgets/theme.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QIntValidator>
#include <QLineEdit>
#include <QMouseEvent>

namespace {

constexpr int kDistanceColumnWidth = 44;
constexpr int kDefaultDistance = 10;

QString macroText(const char *source)
{
    return QCoreApplication::translate("MacroDialog", source);
}

} // namespace

TarnTreeItem::TarnTreeItem(Role role, uint8_t buttonBit, MoveDirection direction)
    : m_role(role), m_buttonBit(buttonBit), m_direction(direction)
{
}

int TarnTreeItem::distance() const
{
    if (!m_pDistance)
        return kMacroMinMoveDistance;
    return qBound(kMacroMinMoveDistance, m_pDistance->text().toInt(), kMacroMaxMoveDistance);
}

TarnTreeWidget::TarnTreeWidget(QWidget *parent) : QTreeWidget(parent)
{
    setColumnCount(2);
    setRootIsDecorated(false);
    setExpandsOnDoubleClick(false);
    setItemsExpandable(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(0, QHeaderView::Stretch);
    header()->setSectionResizeMode(1, QHeaderView::Fixed);
    header()->setSectionsClickable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    for (const MacroButton &button : kMacroButtons) {
        auto *row = new TarnTreeItem(TarnTreeItem::ButtonRow, button.bit);
        row->addChild(new TarnTreeItem(TarnTreeItem::PressRow, button.bit));
        row->addChild(new TarnTreeItem(TarnTreeItem::ReleaseRow, button.bit));
        addTopLevelItem(row);
        m_buttonRows << row;
    }
    for (MoveDirection direction : kMoveDirections) {
        auto *row = new TarnTreeItem(TarnTreeItem::MoveRow, 0, direction);
        addTopLevelItem(row);
        auto *edit = new QLineEdit(QString::number(kDefaultDistance), this);
        edit->setMaxLength(3);
        edit->setValidator(new QIntValidator(kMacroMinMoveDistance, kMacroMaxMoveDistance, edit));
        edit->setAlignment(Qt::AlignCenter);
        row->setDistanceEdit(edit);
        setItemWidget(row, 1, edit);
        m_moveRows << row;
    }
    retranslate();
    rescale();
}

void TarnTreeWidget::retranslate()
{
    setHeaderLabels({macroText(QT_TRANSLATE_NOOP("MacroDialog", "MOUSE COMMAND")), QString()});
    header()->setDefaultAlignment(Qt::AlignCenter);
    for (int i = 0; i < m_buttonRows.size(); ++i) {
        TarnTreeItem *row = m_buttonRows[i];
        row->setText(0, macroText(kMacroButtons[i].name));
        row->child(0)->setText(0, macroText(QT_TRANSLATE_NOOP("MacroDialog", "PRESS DOWN")));
        row->child(1)->setText(0, macroText(QT_TRANSLATE_NOOP("MacroDialog", "BOUNCE UP")));
    }
    for (TarnTreeItem *row : qAsConst(m_moveRows))
        row->setText(0, moveDirectionText(row->direction()));
}

void TarnTreeWidget::rescale()
{
    const QFont font = languageFont();
    setFont(font);
    header()->setFont(font);
    header()->resizeSection(1, scaledUnits(kDistanceColumnWidth));
    setIndentation(scaledUnits(16));
    for (TarnTreeItem *row : qAsConst(m_moveRows))
        row->distanceEdit()->setFont(font);
    // Buttons and moves carry the step icons of the table; a press and a release theirs.
    const int side = scaledUnits(14);
    setIconSize(QSize(side, side));
    const QIcon mouse(loadSkinPixmap(skinPath("mouse_move.png"), QSize(side, side) * devicePixelRatioF()));
    const QIcon down(loadSkinPixmap(skinPath("keydown.png"), QSize(side, side) * devicePixelRatioF()));
    const QIcon up(loadSkinPixmap(skinPath("keyup.png"), QSize(side, side) * devicePixelRatioF()));
    for (TarnTreeItem *row : qAsConst(m_buttonRows)) {
        row->setIcon(0, mouse);
        row->child(0)->setIcon(0, down);
        row->child(1)->setIcon(0, up);
    }
    for (TarnTreeItem *row : qAsConst(m_moveRows))
        row->setIcon(0, mouse);
}

void TarnTreeWidget::clearHover()
{
    if (m_pHovered) {
        for (int column = 0; column < columnCount(); ++column)
            m_pHovered->setData(column, Qt::BackgroundRole, QVariant());
    }
    m_pHovered = nullptr;
}

void TarnTreeWidget::mouseMoveEvent(QMouseEvent *event)
{
    QTreeWidgetItem *item = itemAt(event->pos());
    if (item != m_pHovered) {
        clearHover();
        if (item) {
            QColor mark = themeColour();
            mark.setAlpha(60);
            for (int column = 0; column < columnCount(); ++column)
                item->setBackground(column, mark);
        }
        m_pHovered = item;
    }
    QTreeWidget::mouseMoveEvent(event);
}

void TarnTreeWidget::leaveEvent(QEvent *event)
{
    emit mouseLeft();
    QTreeWidget::leaveEvent(event);
}
