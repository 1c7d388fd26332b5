#include "widgets/tarn_pop_box.h"

#include "storage/settings_file.h"
#include "widgets/dialog_parts.h"
#include "widgets/skin.h"
#include "widgets/theme.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kEditHeight = 28;
constexpr int kRowSpacing = 12;

const char *const kButtonStyle = "QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);"
                                 "                border-radius: 3px;  border: 1px red;"
                                 "                border-style: outset;}";

} // namespace

TarnPopBox::TarnPopBox(const QString &message, const QString &name, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), m_pEdit(new QLineEdit(name, this))
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaledUnits(kMessageBoxWidth), scaledUnits(kMessageBoxHeight));

    auto *label = makeMessageLabel(message, "msgBoxInfoLabel2", this);

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

    auto *yes = makeMessageButton(tr("Yes"), "msgBoxYesBtn", ":/yes_Btn", kButtonStyle, this);
    auto *no = makeMessageButton(tr("No"), "msgBoxNoBtn", ":/no_Btn", kButtonStyle, this);
    connect(yes, &QToolButton::clicked, this, &QDialog::accept);
    connect(no, &QToolButton::clicked, this, &QDialog::reject);

    auto *column = new QVBoxLayout(this);
    const int margin = scaledUnits(kMessageBoxSpacing);
    column->setContentsMargins(margin, margin, margin, 0);
    column->setSpacing(scaledUnits(kRowSpacing));
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
    column->addSpacing(margin);
    m_pEdit->setFocus();
}

QString TarnPopBox::name() const
{
    return m_pEdit->text();
}

void TarnPopBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_background.isNull())
        m_background = loadSkinPixmap(skinPath("dlg.png"), size() * devicePixelRatioF());
    paintDialogFace(painter, rect(), m_background);
}
