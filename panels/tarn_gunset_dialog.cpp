#include "panels/tarn_gunset_dialog.h"

#include "panels/macro_library_actions.h"
#include "model/macro_steps.h"
#include "storage/settings_file.h"
#include "widgets/dialog_parts.h"
#include "widgets/skin.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_push_button.h"
#include "widgets/theme.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QSpinBox>
#include <QToolButton>

namespace {

constexpr int kWidth = 619;
constexpr int kHeight = 400;
// The bullet strip: bullet i at x = 163 + 66 i, y = 141, 9 x 39 units.
constexpr int kBulletX = 163;
constexpr int kBulletStep = 66;
constexpr int kBulletY = 141;
constexpr int kBulletWidth = 9;
constexpr int kBulletHeight = 39;
constexpr int kSpinWidth = 58;
constexpr int kSpinHeight = 26;
const int kFieldRows[3] = {212, 252, 292};
constexpr int kSliderY = 194;

const QString kLabelStyle = QStringLiteral("color: rgb(215,215,215); background: transparent;");
const QString kFieldStyle = QStringLiteral(
    "QLineEdit, QSpinBox{background-color: rgb(24,24,28); color: rgb(225,225,225); border: 1px solid rgb(70,70,78);"
    " border-radius: 2px;} QSpinBox::up-button, QSpinBox::down-button{width: 0px; border: 0px;}");

} // namespace

TarnGunsetDialog::TarnGunsetDialog(QWidget *parent, double scale)
    : QDialog(parent, Qt::FramelessWindowHint | Qt::Dialog), m_dScale(scale)
{
    setAttribute(Qt::WA_TranslucentBackground);
    auto s = [this](double units) { return static_cast<int>(units * m_dScale); };
    setFixedSize(s(kWidth), s(kHeight));
    const QFont font = languageFont(m_dScale);

    auto *heading = new QLabel(tr("GUN SET"), this);
    QFont headingFont = font;
    headingFont.setPixelSize(s(18));
    headingFont.setBold(true);
    heading->setFont(headingFont);
    heading->setStyleSheet(kLabelStyle);
    heading->setAlignment(Qt::AlignCenter);
    heading->setGeometry(s(0), s(22), s(kWidth), s(28));

    auto *nameLabel = new QLabel(tr("GUNFILE NAME"), this);
    nameLabel->setGeometry(s(30), s(70), s(125), s(26));
    m_pName = new QLineEdit(this);
    // Macro names are at most 20 characters; the file name becomes the macro's name.
    m_pName->setMaxLength(kMacroNameMaxLength);
    m_pName->setGeometry(s(163), s(70), s(270), s(26));

    auto *bulletsLabel = new QLabel(tr("BULLETS"), this);
    bulletsLabel->setGeometry(s(30), s(104), s(125), s(24));
    m_pBulletButton = new TarnPushButton({skinPath("bulletsel.png"), skinPath("bulletsel.png"), skinPath("bulletsel.png")}, this);
    m_pBulletButton->setGeometry(s(163), s(104), s(60), s(24));
    m_pBulletMenu = new QMenu(m_pBulletButton);
    for (int n = 1; n <= kGunsetMaxBullets; ++n)
        m_pBulletMenu->addAction(QString::number(n))->setData(n);
    m_pBulletMenu->setFixedWidth(s(70));
    m_pBulletButton->setMenu(m_pBulletMenu);
    connect(m_pBulletMenu, &QMenu::triggered, this, [this](QAction *action) { setBulletCount(action->data().toInt()); });

    const char *const rowLabels[3] = {QT_TR_NOOP("DELAY(MS)"), QT_TR_NOOP("Y"), QT_TR_NOOP("X")};
    for (int field = 0; field < 3; ++field) {
        auto *label = new QLabel(tr(rowLabels[field]), this);
        label->setGeometry(s(30), s(kFieldRows[field]), s(110), s(kSpinHeight));
        label->setStyleSheet(kLabelStyle);
        label->setFont(font);
    }
    for (int i = 0; i < kGunsetMaxBullets; ++i) {
        const int centre = kBulletX + kBulletStep * i + kBulletWidth / 2;
        for (int field = 0; field < 3; ++field) {
            auto *spin = new QSpinBox(this);
            if (field == 0) {
                spin->setRange(kGunsetMinDelayMs, kGunsetMaxDelayMs);
                spin->setValue(kGunsetInitialDelayMs);
            } else {
                spin->setRange(-kGunsetMaxOffset, kGunsetMaxOffset);
                spin->setValue(0);
            }
            spin->setAlignment(Qt::AlignCenter);
            spin->setButtonSymbols(QAbstractSpinBox::NoButtons);
            spin->setGeometry(s(centre - kSpinWidth / 2.0), s(kFieldRows[field]), s(kSpinWidth), s(kSpinHeight));
            spin->setStyleSheet(kFieldStyle);
            spin->setFont(font);
            m_Spins[i][field] = spin;
        }
    }

    m_pYes = makeMessageButton(tr("Yes"), "msgBoxYesBtn", ":/yes_Btn", messageBoxButtonStyle(), this);
    m_pNo = makeMessageButton(tr("No"), "msgBoxNoBtn", ":/no_Btn", messageBoxButtonStyle(), this);
    m_pYes->move(s(kWidth / 2.0 - 130), s(kHeight - 30 - 30));
    m_pNo->move(s(kWidth / 2.0 + 34), s(kHeight - 30 - 30));
    connect(m_pYes, &QToolButton::clicked, this, &TarnGunsetDialog::OnYesClick);
    connect(m_pNo, &QToolButton::clicked, this, &QDialog::reject);

    for (QWidget *widget : std::initializer_list<QWidget *>{nameLabel, bulletsLabel}) {
        widget->setStyleSheet(kLabelStyle);
        widget->setFont(font);
    }
    m_pName->setStyleSheet(kFieldStyle);
    m_pName->setFont(font);
    QFont menuFont = font;
    m_pBulletMenu->setFont(menuFont);
    m_pBulletMenu->setStyleSheet(QStringLiteral("QMenu{background-color: rgb(24,24,28); color: rgb(220,220,220);"
                                                " border: 1px solid rgb(70,70,78);}"
                                                "QMenu::item:selected{background-color: rgba(%1,%2,%3,140);}")
                                     .arg(themeColour().red())
                                     .arg(themeColour().green())
                                     .arg(themeColour().blue()));
    setBulletCount(kGunsetMaxBullets);
}

QSpinBox *TarnGunsetDialog::spinBox(int bullet, int field) const
{
    if (bullet < 0 || bullet >= kGunsetMaxBullets || field < 0 || field > 2)
        return nullptr;
    return m_Spins[bullet][field];
}

void TarnGunsetDialog::setBulletCount(int count)
{
    m_iBullets = qBound(1, count, kGunsetMaxBullets);
    m_pBulletButton->setText(QString::number(m_iBullets));
    for (int i = 0; i < kGunsetMaxBullets; ++i) {
        for (QSpinBox *spin : m_Spins[i])
            spin->setVisible(i < m_iBullets);
    }
    update();
}

void TarnGunsetDialog::OnYesClick()
{
    const QString name = m_pName->text().trimmed();
    if (name.isEmpty()) {
        TarnMessageBox box(TarnMessageBox::Notice, QString(), tr("Warning"), tr("Please input file name."), this);
        box.exec();
        return;
    }
    const QString problem = macroNameProblem(name);
    if (!problem.isEmpty()) {
        TarnMessageBox box(TarnMessageBox::Notice, QString(), tr("Warning"), problem, this);
        box.exec();
        return;
    }
    QVector<GunsetBullet> bullets;
    for (int i = 0; i < m_iBullets; ++i)
        bullets.append({m_Spins[i][0]->value(), m_Spins[i][1]->value(), m_Spins[i][2]->value()});
    m_Steps = gunsetSteps(bullets);
    m_strFileName = name;
    accept();
}

bool TarnGunsetDialog::storeMacro(const QString &name) const
{
    return storeGunset(name, m_Steps);
}

void TarnGunsetDialog::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const qreal ratio = devicePixelRatioF();
    auto s = [this](double units) { return static_cast<int>(units * m_dScale); };
    if (m_background.isNull())
        m_background = loadSkinPixmap(skinPath("dlg_gun.png"), size() * ratio);
    if (!m_background.isNull())
        painter.drawPixmap(rect(), m_background);
    // The rail under the strip fills with the bullet count.
    const QRect rail(s(150), s(kSliderY), s(342.0 * m_iBullets / kGunsetMaxBullets), s(12));
    if (m_slider.isNull() || m_slider.size() != rail.size() * ratio)
        m_slider = loadSkinPixmap(skinPath("gunset_slider.png"), rail.size() * ratio);
    painter.drawPixmap(rail, m_slider);
    const QSize bulletSize(s(kBulletWidth), s(kBulletHeight));
    if (m_bullet.isNull() || m_bullet.size() != bulletSize * ratio)
        m_bullet = loadSkinPixmap(skinPath("gunset_bullet.png"), bulletSize * ratio);
    for (int i = 0; i < m_iBullets; ++i)
        painter.drawPixmap(QRect(QPoint(s(kBulletX + kBulletStep * i), s(kBulletY)), bulletSize), m_bullet);
    paintDialogFace(painter, rect(), QPixmap());
}
