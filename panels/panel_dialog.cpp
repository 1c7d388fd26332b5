#include "panels/panel_dialog.h"

#include "model/button_assignment.h"
#include "storage/settings_file.h"
#include "widgets/dialog_parts.h"
#include "widgets/skin.h"
#include "widgets/skin_names.h"
#include "widgets/tarn_message_box.h"
#include "widgets/theme.h"

#include <QCheckBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

namespace {

constexpr int kButtonGap = 40;
constexpr int kCheckBoxPixels = 16;

QString accentRgb()
{
    const QColor c = themeColour();
    return QString("rgb(%1, %2, %3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

// A skin image for a style sheet, which cannot choose a variant itself: the @2x one above 1.0.
QString skinImageFor(const QString &name)
{
    return skinPath(uiScale() > 1.0 ? hiResVariantName(name) : name);
}

} // namespace

TarnPanelDialog::TarnPanelDialog(int designWidth, int designHeight, QWidget *parent)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(scaledUnits(designWidth), scaledUnits(designHeight));
    setFont(languageFont());
}

void TarnPanelDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (m_background.isNull())
        m_background = loadSkinPixmap(skinPath("dlg.png"), size() * devicePixelRatioF());
    paintDialogFace(painter, rect(), m_background);
}

void TarnPanelDialog::place(QWidget *widget, int x, int y, int w, int h)
{
    widget->setGeometry(scaledUnits(x), scaledUnits(y), scaledUnits(w), scaledUnits(h));
}

QLabel *TarnPanelDialog::makeHeading(const QString &text)
{
    auto *label = new QLabel(text, this);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    label->setFont(languageFont());
    label->setStyleSheet("color: rgb(255, 255, 255); background: transparent;");
    return label;
}

QLabel *TarnPanelDialog::makeKeyField()
{
    auto *label = new QLabel(this);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(languageFont());
    label->setFocusPolicy(Qt::StrongFocus);
    label->setStyleSheet(QString("QLabel{color: rgb(255, 255, 255); background: rgb(16, 17, 20);"
                                 " border: 1px solid rgb(70, 74, 82); border-radius: 3px;}"
                                 "QLabel:focus{border: 1px solid %1;}")
                             .arg(accentRgb()));
    return label;
}

QCheckBox *TarnPanelDialog::makeCheckBox(const QString &text)
{
    auto *box = new QCheckBox(text, this);
    box->setFont(languageFont());
    box->setCursor(Qt::PointingHandCursor);
    const int side = scaledUnits(kCheckBoxPixels);
    box->setStyleSheet(QString("QCheckBox{color: rgb(235, 235, 235); background: transparent; spacing: %1px;}"
                               "QCheckBox::indicator{width: %2px; height: %2px;}"
                               "QCheckBox::indicator:unchecked{border-image: url(\"%3\");}"
                               "QCheckBox::indicator:checked{border-image: url(\"%4\");}")
                           .arg(scaledUnits(6))
                           .arg(side)
                           .arg(skinImageFor("checkbox2-1.png"), skinImageFor("checkbox2-2.png")));
    return box;
}

QLineEdit *TarnPanelDialog::makeNumberField(const QString &text)
{
    auto *edit = new QLineEdit(text, this);
    edit->setMaxLength(3);
    edit->setValidator(new QIntValidator(kButtonParamMin, kButtonParamMax, edit));
    edit->setAlignment(Qt::AlignCenter);
    edit->setFont(languageFont());
    edit->setStyleSheet(QString("QLineEdit{background: rgb(20, 21, 24); color: rgb(235, 235, 235);"
                                " border: 1px solid rgb(70, 74, 82); border-radius: 3px;}"
                                "QLineEdit:focus{border: 1px solid %1;}")
                            .arg(accentRgb()));
    return edit;
}

void TarnPanelDialog::addButtons(const QString &acceptText, const QString &rejectText, int y)
{
    auto *yes = makeMessageButton(acceptText, "dlgAcceptBtn", QString(), messageBoxButtonStyle(), this);
    auto *no = makeMessageButton(rejectText, "dlgRejectBtn", QString(), messageBoxButtonStyle(), this);
    yes->setFocusPolicy(Qt::NoFocus);
    no->setFocusPolicy(Qt::NoFocus);
    const int total = yes->width() + no->width() + scaledUnits(kButtonGap);
    const int x = (width() - total) / 2;
    yes->move(x, scaledUnits(y));
    no->move(x + yes->width() + scaledUnits(kButtonGap), scaledUnits(y));
    connect(yes, &QToolButton::clicked, this, &QDialog::accept);
    connect(no, &QToolButton::clicked, this, &QDialog::reject);
}
