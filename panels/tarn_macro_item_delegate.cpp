#include "panels/tarn_macro_item_delegate.h"

#include "model/macro_steps.h"
#include "storage/key_table.h"
#include "storage/macro_file.h"
#include "storage/settings_file.h"
#include "widgets/skin.h"
#include "widgets/theme.h"

#include <QCoreApplication>
#include <QPainter>

#include <cstdlib>

namespace {

constexpr int kRowHeight = 24;
constexpr int kIconSize = 16;
constexpr int kPadding = 6;

QString macroText(const char *source)
{
    return QCoreApplication::translate("MacroDialog", source);
}

QString pressText(const MacroEvent &step)
{
    return isPressStep(step) ? macroText(QT_TRANSLATE_NOOP("MacroDialog", "Press"))
                             : macroText(QT_TRANSLATE_NOOP("MacroDialog", "Release"));
}

QString pressIcon(const MacroEvent &step)
{
    return isPressStep(step) ? QStringLiteral("keydown.png") : QStringLiteral("keyup.png");
}

} // namespace

StepCell stepCell(const MacroEvent &step, int column)
{
    switch (stepKind(step)) {
    case StepKind::Key: {
        uint8_t code = 0;
        const QString name = hidToKey(step.DataL, code) ? keyName(code) : QString();
        if (column == 0)
            return {QStringLiteral("keybo.png"), name.isEmpty() ? QStringLiteral("#%1").arg(step.DataL) : name};
        if (column == 1)
            return {pressIcon(step), pressText(step)};
        break;
    }
    case StepKind::Button: {
        const char *name = macroButtonName(step.DataL);
        if (column == 0)
            return {QStringLiteral("mouse_move.png"), name ? macroText(name) : QStringLiteral("#%1").arg(step.DataL)};
        if (column == 1)
            return {pressIcon(step), pressText(step)};
        break;
    }
    case StepKind::Move: {
        const DecodedMove move = decodeMove(step);
        if (column == 0)
            return {QStringLiteral("mouse_move.png"),
                    move.valid ? moveDirectionText(move.direction) : macroText(QT_TRANSLATE_NOOP("MacroDialog", "MOVE"))};
        if (column == 1)
            return {QString(), QString::number(move.valid ? move.distance : 0)};
        break;
    }
    case StepKind::Delay:
        if (column == 2)
            return {QStringLiteral("delay.png"), QString::number(delayMs(step))};
        break;
    case StepKind::Other:
        break;
    }
    return {};
}

MacroEvent stepOfRow(const QModelIndex &index)
{
    const QAbstractItemModel *model = index.model();
    MacroEvent step;
    if (!model)
        return step;
    const int row = index.row();
    step.Map = static_cast<uint8_t>(model->index(row, 0).data(kStepValueRole).toInt());
    step.DataH = static_cast<uint8_t>(model->index(row, 1).data(kStepValueRole).toInt());
    step.DataL = static_cast<uint8_t>(model->index(row, 2).data(kStepValueRole).toInt());
    return step;
}

void TarnMacroItemDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    painter->save();
    const QRect area = option.rect;
    if (option.state & QStyle::State_Selected) {
        QColor fill = themeColour();
        fill.setAlpha(110);
        painter->fillRect(area, fill);
    } else if (index.row() % 2) {
        painter->fillRect(area, QColor(255, 255, 255, 8));
    }
    const StepCell cell = stepCell(stepOfRow(index), index.column());
    QRect content = area.adjusted(scaledUnits(kPadding), 0, -scaledUnits(2), 0);
    if (!cell.icon.isEmpty()) {
        const int side = scaledUnits(kIconSize);
        const QRect iconArea(content.left(), content.top() + (content.height() - side) / 2, side, side);
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const QPixmap icon = loadSkinPixmap(skinPath(cell.icon), iconArea.size() * ratio);
        painter->setRenderHint(QPainter::SmoothPixmapTransform);
        painter->drawPixmap(iconArea, icon);
        content.setLeft(iconArea.right() + scaledUnits(kPadding));
    }
    if (!cell.text.isEmpty()) {
        painter->setFont(fontFittingText(languageFont(), cell.text, content.size()));
        painter->setPen((option.state & QStyle::State_Selected) ? QColor(255, 255, 255) : QColor(210, 210, 210));
        painter->drawText(content, Qt::AlignLeft | Qt::AlignVCenter, cell.text);
    }
    painter->restore();
}

QSize TarnMacroItemDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    Q_UNUSED(option)
    Q_UNUSED(index)
    return QSize(scaledUnits(160), scaledUnits(kRowHeight));
}
