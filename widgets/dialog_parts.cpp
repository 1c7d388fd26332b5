#include "widgets/dialog_parts.h"

#include "widgets/theme.h"

#include <QFontDatabase>
#include <QLabel>
#include <QToolButton>

namespace {

constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 30;
constexpr int kTextPixels = 14;
constexpr int kIconPixels = 16;
const char kMessageFontFamily[] = "Consolas";

} // namespace

QLabel *makeMessageLabel(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(objectName);
    // Where "Consolas" is not installed, the language font: a stand-in monospace font would make
    // the box read like a terminal.
    QFont font = QFontDatabase().hasFamily(kMessageFontFamily) ? QFont(kMessageFontFamily) : languageFont();
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
