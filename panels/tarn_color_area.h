#pragma once
// The colour editor: a modal dialog with a hue strip, a saturation/value square, the old and new
// colour, seven presets, spin boxes for H, S, V, R, G, B and a hexadecimal field, all in step.
// exec() returns 1 when the user accepted; the chosen colour is then color().

#include <QColor>
#include <QDialog>
#include <QPixmap>

#include <array>

class DefaultColorArea;
class HColorArea;
class PreviewColorArea;
class QLabel;
class QLineEdit;
class QSpinBox;
class QToolButton;
class SVColorArea;

class TarnColorArea : public QDialog {
    Q_OBJECT
public:
    enum Box { BoxH, BoxS, BoxV, BoxR, BoxG, BoxB, BoxCount };
    static constexpr int kPresetCount = 7;

    TarnColorArea(QWidget *parent, double scale);

    // Shows a colour everywhere (does nothing while an update is being applied).
    void setColor(const QColor &colour);
    // The colour the editor opens with: the preview's old half, and everything else.
    void setInitialColor(const QColor &colour);
    // The preview's new colour.
    QColor color() const;

    // For the screenshots and the tests.
    QSpinBox *spinBox(Box box) const { return m_Boxes[size_t(box)]; }
    QLineEdit *hexField() const { return m_pHex; }
    DefaultColorArea *preset(int i) const;
    HColorArea *hueStrip() const { return m_pHue; }
    SVColorArea *square() const { return m_pSquare; }
    PreviewColorArea *preview() const { return m_pPreview; }
    QToolButton *applyButton() const { return m_pApply; }
    QToolButton *okButton() const { return m_pOk; }
    QToolButton *cancelButton() const { return m_pCancel; }

    // The presets: red, green, blue, cyan, yellow, magenta, white.
    static const std::array<QColor, kPresetCount> &presetColours();

signals:
    void TarnChangeColor(const QColor &colour);
    void ApplyColor();

private slots:
    void color_clicked();
    void hValueChangedSlot(int value);
    void sValueChangedSlot(int value);
    void vValueChangedSlot(int value);
    void rValueChangedSlot(int value);
    void gValueChangedSlot(int value);
    void bValueChangedSlot(int value);
    void updateEditData(int h, int s, int v);
    void editChangedSlot(const QString &text);
    void editFinishedSlot();
    void onHueChanged(int hue);
    void onApplyClicked();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void build();
    QSpinBox *makeBox(const QString &prefix, int maximum);
    void retranslate();
    // Shows hue h, saturation s and value v (levels) and the colour everywhere; the hexadecimal
    // field is left alone while the user types in it.
    void showEverywhere(int h, int s, int v, const QColor &colour, bool rewriteHex);
    void showRgb(const QColor &colour, bool rewriteHex);
    int units(double designUnits) const;

    double m_dScale;
    bool m_bUpdating = false; // the guard: change signals of the fields do not loop back
    int m_iHue = 0;           // kept apart from the colour, which has no hue when grey
    HColorArea *m_pHue = nullptr;
    SVColorArea *m_pSquare = nullptr;
    PreviewColorArea *m_pPreview = nullptr;
    std::array<DefaultColorArea *, kPresetCount> m_Presets{};
    std::array<QSpinBox *, BoxCount> m_Boxes{};
    QLineEdit *m_pHex = nullptr;
    QLabel *m_pTitle = nullptr;
    QLabel *m_pColorLabel = nullptr;
    QLabel *m_pHash = nullptr;
    QToolButton *m_pApply = nullptr;
    QToolButton *m_pOk = nullptr;
    QToolButton *m_pCancel = nullptr;
    QPixmap m_Background;
};
