#include "widgets/tarn_pop_box.h"

#include "storage/settings_file.h"
#include "widgets/skin.h"
#include "widgets/theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kBoxWidth = 478;
constexpr int kBoxHeight = 309;
constexpr int kSpacing = 30;
constexpr int kButtonWidth = 96;
constexpr int kButtonHeight = 30;
constexpr int kEditHeight = 28;
constexpr int kTextPixels = 14;

const char *const kButtonStyle = "QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);"
                                 "                border-radius: 3px;  border: 1px red;"
                                 "                border-style: outset;}";

QToolButton *makeButton(const QString &text, const QString &objectName, const QString &icon, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(objectName);
    button->setText(text);
    button->setIcon(QIcon(icon));
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setFixedSize(scaledUnits(kButtonWidth), scaledUnits(kButtonHeight));
    button->setFont(languageFont());
    button->setCursor(Qt::PointingHandCursor);
    button->setStyleSheet(kButtonStyle);
    return button;
}

} // namespace

TarnPopBox::TarnPopBox(const QString &message, const QString &name, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), m_pEdit(new QLineEdit(name, this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaledUnits(kBoxWidth), scaledUnits(kBoxHeight));

    auto *label = new QLabel(message, this);
    label->setObjectName("msgBoxInfoLabel2");
    QFont font("Consolas");
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(scaledUnits(kTextPixels));
    label->setFont(font);
    label->setWordWrap(true);
    label->setStyleSheet("color: rgb(255, 255, 255); background: transparent;");

    const QColor accent = themeColour();
    m_pEdit->setFixedHeight(scaledUnits(kEditHeight));
    m_pEdit->setFont(languageFont());
    m_pEdit->setStyleSheet(QString("QLineEdit{background: rgb(20, 21, 24); color: rgb(235, 235, 235);"
                                   " border: 1px solid rgb(70, 74, 82); border-radius: 3px; padding: 0 6px;}"
                                   "QLineEdit:focus{border: 1px solid rgb(%1, %2, %3);}")
                               .arg(accent.red())
                               .arg(accent.green())
                               .arg(accent.blue()));
    connect(m_pEdit, &QLineEdit::textChanged, this, &TarnPopBox::NameChanged);

    auto *yes = makeButton(tr("Yes"), "msgBoxYesBtn", ":/yes_Btn", this);
    auto *no = makeButton(tr("No"), "msgBoxNoBtn", ":/no_Btn", this);
    connect(yes, &QToolButton::clicked, this, &QDialog::accept);
    connect(no, &QToolButton::clicked, this, &QDialog::reject);

    auto *column = new QVBoxLayout(this);
    column->setContentsMargins(scaledUnits(kSpacing), scaledUnits(kSpacing), scaledUnits(kSpacing), 0);
    column->setSpacing(scaledUnits(12));
    column->addStretch();
    column->addWidget(label);
    column->addWidget(m_pEdit);
    column->addStretch();
    auto *buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(yes);
    buttonRow->addStretch();
    buttonRow->addWidget(no);
    buttonRow->addStretch();
    column->addLayout(buttonRow);
    column->addSpacing(scaledUnits(kSpacing));
    m_pEdit->setFocus();
}

QString TarnPopBox::name() const { return m_pEdit->text(); }

void TarnPopBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_background.isNull())
        m_background = loadSkinPixmap(skinPath("dlg.png"), size() * devicePixelRatioF());
    paintDialogFace(painter, rect(), m_background);
}
