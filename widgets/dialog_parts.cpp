#include "widgets/dialog_parts.h"

#include "widgets/theme.h"

#include <QLabel>
#include <QToolButton>

namespace {

constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 30;
constexpr int kTextPixels = 14;
constexpr int kIconPixels = 16;

} // namespace

QLabel *makeMessageLabel(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    QFont font("Consolas");
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(scaledUnits(kTextPixels));
    label->setFont(font);
    label->setWordWrap(true);
    label->setStyleSheet("color: rgb(255, 255, 255); background: transparent;");
    return label;
}

QToolButton *makeMessageButton(const QString &text, const QString &objectName, const QString &icon,
                               const QString &styleSheet, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setText(text);
    if (!icon.isEmpty()) {
        button->setIcon(QIcon(icon));
        button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        button->setIconSize(QSize(scaledUnits(kIconPixels), scaledUnits(kIconPixels)));
    }
    button->setFixedSize(scaledUnits(kButtonWidth), scaledUnits(kButtonHeight));
    button->setFont(languageFont());
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(styleSheet);
    return button;
}
