// The skinned widget kit.

#include "storage/app_paths.h"
#include "storage/settings_file.h"
#include "widgets/skin.h"
#include "widgets/skin_names.h"
#include "widgets/tarn_list_item.h"
#include "widgets/tarn_message_box.h"
#include "widgets/tarn_pop_box.h"
#include "widgets/tarn_process_dialog.h"
#include "widgets/tarn_processbar.h"
#include "widgets/tarn_push_button.h"
#include "widgets/tarn_slider.h"
#include "widgets/tarn_two_bar_slider.h"
#include "widgets/theme.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMovie>
#include <QPainter>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace {

const QColor kStateColours[] = {Qt::red, Qt::green, Qt::blue, Qt::yellow};

// Solid test images, one colour per state.
QStringList writeStateImages(const QString &folder, int count)
{
    QStringList paths;
    for (int i = 0; i < count; ++i) {
        QImage image(8, 8, QImage::Format_ARGB32);
        image.fill(kStateColours[i]);
        const QString path = QString("%1/state%2.png").arg(folder).arg(i);
        image.save(path);
        paths << path;
    }
    return paths;
}

QColor shownColour(QWidget *widget)
{
    return widget->grab().toImage().pixelColor(widget->width() / 2, 2);
}

void sendEnter(QWidget *widget)
{
    QEvent event(QEvent::Enter);
    QCoreApplication::sendEvent(widget, &event);
}

void sendLeave(QWidget *widget)
{
    QEvent event(QEvent::Leave);
    QCoreApplication::sendEvent(widget, &event);
}

void writeSetting(const QString &file, const QString &key, const QVariant &value)
{
    QSettings settings(AppPaths::configsFolder() + "/" + file, QSettings::IniFormat);
    settings.setValue(key, value);
}

// Runs `action` once the modal loop of `dialog` is running.
void whenShown(QDialog *dialog, std::function<void()> action)
{
    QTimer::singleShot(0, dialog, std::move(action));
}

} // namespace

class WidgetsTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void singleImageButtonKeepsItsPicture();
    void buttonShowsTheImageOfEachState();
    void buttonSignalsAndPressRules();
    void disabledButtonIgnoresThePointer();

    void messageBoxKindsAndButtons();
    void messageBoxButtonsCloseWithTheirResult();
    void watchedBoxClosesItselfOnceTheMouseIsBack();
    void dialogFaceFramesInTheThemeColour();

    void sliderValuesStayInRange();
    void twoBarSliderBoundsAndCoupling();
    void listItemEditsNumbersInRange();
    void popBoxReportsEveryNameChange();
    void processDialogPlaysTheBuiltInAnimation();
    void batteryBarPaintsItsOwnText();
    void ownTextsFitTheirControlsAtEveryScale();

    void skinNamesRefuseEscapingProducts();
    void loaderPrefersTheHiResVariantWhenDrawnLarger();
    void languageFontFollowsTheSettings();

private:
    QTemporaryDir *m_pDir = nullptr;
    bool m_bMouseBack = false;
};

void WidgetsTest::init()
{
    m_pDir = new QTemporaryDir;
    QVERIFY(m_pDir->isValid());
    AppPaths::setDataDirOverride(m_pDir->path());
    QVERIFY(QDir().mkpath(AppPaths::configsFolder()));
    setUiScale(1.0);
    setLanguageFont(QString(), 12);
    m_bMouseBack = false;
    TarnMessageBox::setMouseBackProbe([this] { return m_bMouseBack; });
}

void WidgetsTest::cleanup()
{
    TarnMessageBox::setMouseBackProbe({});
    AppPaths::setDataDirOverride(QString());
    delete m_pDir;
    m_pDir = nullptr;
}

void WidgetsTest::singleImageButtonKeepsItsPicture()
{
    TarnPushButton button(writeStateImages(m_pDir->path(), 1));
    button.resize(40, 20);
    button.setText("X");
    QCOMPARE(shownColour(&button), QColor(Qt::red));

    sendEnter(&button);
    QCOMPARE(button.stateIndex(), 0);
    QCOMPARE(shownColour(&button), QColor(Qt::red));
    QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(shownColour(&button), QColor(Qt::red));
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(shownColour(&button), QColor(Qt::red));

    // The text colour still follows the state, while the picture stays.
    button.setSelected(true);
    QCOMPARE(button.stateIndex(), 1);
    QCOMPARE(button.textColour(), QColor(225, 225, 225));
    QCOMPARE(shownColour(&button), QColor(Qt::red));
    // Disabled: state 3 with its grey text; the list has no fourth image, so the normal one shows.
    button.setEnabled(false);
    QCOMPARE(button.stateIndex(), 3);
    QCOMPARE(button.textColour(), QColor(100, 100, 100));
    QCOMPARE(button.imageIndex(), 0);
    QCOMPARE(shownColour(&button), QColor(Qt::red));
}

void WidgetsTest::buttonShowsTheImageOfEachState()
{
    TarnPushButton button(writeStateImages(m_pDir->path(), 4));
    button.resize(40, 20);
    QCOMPARE(shownColour(&button), QColor(Qt::red));
    QCOMPARE(button.textColour(), QColor(200, 200, 200));
    sendEnter(&button);
    QCOMPARE(shownColour(&button), QColor(Qt::green));
    QTest::mousePress(&button, Qt::LeftButton);
    QCOMPARE(button.stateIndex(), 2);
    QCOMPARE(shownColour(&button), QColor(Qt::blue));
    QCOMPARE(button.textColour(), QColor(255, 255, 255));
    QTest::mouseRelease(&button, Qt::LeftButton);
    QCOMPARE(shownColour(&button), QColor(Qt::green));
    sendLeave(&button);
    QCOMPARE(shownColour(&button), QColor(Qt::red));
    button.setEnabled(false);
    QCOMPARE(shownColour(&button), QColor(Qt::yellow));
    button.setEnabled(true);
    QCOMPARE(shownColour(&button), QColor(Qt::red));

    // Three images: the disabled state falls back to the normal picture.
    TarnPushButton three(writeStateImages(m_pDir->path(), 3));
    three.resize(40, 20);
    three.setEnabled(false);
    QCOMPARE(three.stateIndex(), 3);
    QCOMPARE(shownColour(&three), QColor(Qt::red));

    // A parent's enabled state reaches the button too.
    QWidget parent;
    auto *child = new TarnPushButton(writeStateImages(m_pDir->path(), 4), &parent);
    parent.setEnabled(false);
    QCOMPARE(child->stateIndex(), 3);
    parent.setEnabled(true);
    QCOMPARE(child->stateIndex(), 0);

    // setImages replaces the pictures (the up/down hot-spots change by model).
    QStringList swapped = writeStateImages(m_pDir->path(), 4);
    std::reverse(swapped.begin(), swapped.end());
    button.setImages(swapped);
    QCOMPARE(shownColour(&button), QColor(Qt::yellow));
}

void WidgetsTest::buttonSignalsAndPressRules()
{
    TarnPushButton button(writeStateImages(m_pDir->path(), 3));
    button.resize(40, 20);
    QSignalSpy enter(&button, &TarnPushButton::EnterSignal);
    QSignalSpy over(&button, &TarnPushButton::OverSignal);
    QSignalSpy clicked(&button, &QPushButton::clicked);

    sendEnter(&button);
    QCOMPARE(over.count(), 1);
    QCOMPARE(over.at(0).at(1).toBool(), true);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(enter.count(), 1);
    QCOMPARE(enter.at(0).at(0).value<TarnPushButton *>(), &button);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(button.isOn());
    // The leave right after a press is not reported; the next one is.
    sendLeave(&button);
    QCOMPARE(over.count(), 1);
    sendEnter(&button);
    sendLeave(&button);
    QCOMPARE(over.count(), 3);
    QCOMPARE(over.at(2).at(1).toBool(), false);

    // A press of a button that is on turns it off and shows the normal picture.
    QTest::mousePress(&button, Qt::LeftButton);
    QVERIFY(!button.isOn());
    QCOMPARE(button.stateIndex(), 0);
    QTest::mouseRelease(&button, Qt::LeftButton);

    // Checkable and on: leaving keeps it lit.
    button.setCheckable(true);
    QCOMPARE(button.stateIndex(), 0);
    button.setSelected(true);
    sendEnter(&button);
    sendLeave(&button);
    QCOMPARE(button.stateIndex(), 1);
    button.setSelected(false);
    sendEnter(&button);
    sendLeave(&button);
    QCOMPARE(button.stateIndex(), 0);
    // Disabled and enabled again, a checkable button that is on returns to its lit state.
    button.setSelected(true);
    button.setEnabled(false);
    button.setEnabled(true);
    QCOMPARE(button.stateIndex(), 1);
}

void WidgetsTest::disabledButtonIgnoresThePointer()
{
    TarnPushButton button(writeStateImages(m_pDir->path(), 4));
    button.resize(40, 20);
    button.setEnabled(false);
    QSignalSpy enter(&button, &TarnPushButton::EnterSignal);
    QSignalSpy over(&button, &TarnPushButton::OverSignal);
    sendEnter(&button);
    QTest::mouseClick(&button, Qt::LeftButton);
    sendLeave(&button);
    QCOMPARE(enter.count(), 0);
    QCOMPARE(over.count(), 0);
    QCOMPARE(button.stateIndex(), 3);
    QVERIFY(!button.isOn());
}

void WidgetsTest::messageBoxKindsAndButtons()
{
    writeSetting("Config.ini", "Config/GColorID", 2);
    setLook(readAppSettings());
    const QString blueStyle = "QToolButton{background: rgb(0, 0, 0); color: rgb(255, 255, 255);"
                              "                       border-radius: 3px;  border: 1px rgb(0, 0, 255);"
                              "                       border-style: outset;}";
    for (int kind : {1, 2, 3, 4}) {
        TarnMessageBox box(kind, QString(), "Warning", "Dongle Disconnect!", nullptr, false,
                           Qt::FramelessWindowHint);
        QCOMPARE(box.size(), QSize(478, 309));
        QCOMPARE(box.findChild<QLabel *>("msgBoxInfoLabel1")->text(), QString("Warning"));
        QCOMPARE(box.findChild<QLabel *>("msgBoxInfoLabel2")->text(), QString("Dongle Disconnect!"));
        auto *yes = box.findChild<QToolButton *>("msgBoxYesBtn");
        auto *no = box.findChild<QToolButton *>("msgBoxNoBtn");
        QVERIFY(yes);
        QCOMPARE(yes->styleSheet(), blueStyle);
        QCOMPARE(box.findChildren<QToolButton *>().size(), kind == 1 ? 2 : 1);
        if (kind == 1) {
            QCOMPARE(yes->text(), QString("Yes"));
            QVERIFY(no);
            QCOMPARE(no->text(), QString("No"));
            QVERIFY(!no->icon().isNull());
        } else {
            QCOMPARE(yes->text(), QString("Ok"));
            QVERIFY(!no);
        }
    }

    // Scaled with the window; an out-of-range theme index takes the table's first colour.
    setUiScale(1.5);
    writeSetting("Config.ini", "Config/GColorID", 9);
    setLook(readAppSettings());
    TarnMessageBox scaled(2, QString(), "Warning", "text");
    QCOMPARE(scaled.size(), QSize(717, 463));
    QVERIFY(scaled.findChild<QToolButton *>("msgBoxYesBtn")
                ->styleSheet()
                .contains("border: 1px rgb(255, 0, 0);"));
}

void WidgetsTest::messageBoxButtonsCloseWithTheirResult()
{
    TarnMessageBox question(1, QString(), "Warning", "Do you want to upgrade the firmware?");
    whenShown(&question,
              [&] { QTest::mouseClick(question.findChild<QToolButton *>("msgBoxYesBtn"), Qt::LeftButton); });
    QCOMPARE(question.exec(), 1);

    TarnMessageBox refused(1, QString(), "Warning", "Do you want to upgrade the firmware?");
    whenShown(&refused,
              [&] { QTest::mouseClick(refused.findChild<QToolButton *>("msgBoxNoBtn"), Qt::LeftButton); });
    QCOMPARE(refused.exec(), 0);

    // The check of an unwatched box is harmless and accepts once the mouse is back.
    m_bMouseBack = true;
    TarnMessageBox unwatched(2, QString(), "Warning", "text");
    whenShown(&unwatched, [&] { unwatched.GetPlugInSignal(); });
    QCOMPARE(unwatched.exec(), 1);
}

void WidgetsTest::watchedBoxClosesItselfOnceTheMouseIsBack()
{
    TarnMessageBox box(4, QString(), "Warning", "Dongle Disconnect!", nullptr, true);
    QElapsedTimer clock;
    QTimer::singleShot(30, &box, [&] {
        m_bMouseBack = true;
        clock.start();
    });
    QCOMPARE(box.exec(), 1);
    QVERIFY(clock.isValid());
    // One 100 ms tick after the flag, with room for a loaded test machine.
    QVERIFY2(clock.elapsed() <= 400, qPrintable(QString::number(clock.elapsed())));

    // While the mouse stays away the box stays open.
    m_bMouseBack = false;
    TarnMessageBox waiting(4, QString(), "Warning", "Dongle Disconnect!", nullptr, true);
    bool stillOpen = false;
    QTimer::singleShot(350, &waiting, [&] {
        stillOpen = waiting.isVisible();
        waiting.reject();
    });
    QCOMPARE(waiting.exec(), 0);
    QVERIFY(stillOpen);
}

void WidgetsTest::dialogFaceFramesInTheThemeColour()
{
    writeSetting("Config.ini", "Config/GColorID", 6);
    setLook(readAppSettings());
    QImage image(40, 30, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintDialogFace(painter, image.rect(), QPixmap());
    painter.end();
    const QColor orange(255, 125, 0);
    QCOMPARE(image.pixelColor(1, 15), orange);
    QCOMPARE(image.pixelColor(2, 15), orange);
    QCOMPARE(image.pixelColor(37, 15), orange);
    QCOMPARE(image.pixelColor(38, 15), orange);
    QCOMPARE(image.pixelColor(20, 1), orange);
    QCOMPARE(image.pixelColor(20, 28), orange);
    QCOMPARE(image.pixelColor(0, 15).alpha(), 0);
    QCOMPARE(image.pixelColor(3, 15).alpha(), 0);
    QCOMPARE(image.pixelColor(39, 15).alpha(), 0);
}

void WidgetsTest::sliderValuesStayInRange()
{
    QCOMPARE(sliderValueAt(0, 101, 0, 100), 0);
    QCOMPARE(sliderValueAt(100, 101, 0, 100), 100);
    QCOMPARE(sliderValueAt(50, 101, 0, 100), 50);
    QCOMPARE(sliderValueAt(-40, 101, 0, 100), 0);
    QCOMPARE(sliderValueAt(5000, 101, 0, 100), 100);
    QCOMPARE(sliderValueAt(1, 3, 14, 105), 60); // the nearest step, rounded
    QCOMPARE(sliderValueAt(7, 1, 14, 105), 14); // a groove without length
    QCOMPARE(sliderValueAt(7, 50, 20, 10), 20); // an empty range
    // No overflow with a wide range on a wide groove.
    QCOMPARE(sliderValueAt(99999, 100000, 0, 2000000000), 2000000000);

    TarnSlider slider;
    slider.setRange(1, 120);
    slider.resize(200, 20);
    QSignalSpy changes(&slider, &TarnSlider::MouseChange);
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(0, 10));
    QCOMPARE(slider.value(), 1);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(100, 10));
    QTest::mouseMove(&slider, QPoint(400, 10));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(400, 10));
    QCOMPARE(slider.value(), 120);
    QVERIFY(changes.count() >= 2);
    for (const QList<QVariant> &change : changes)
        QVERIFY(change.at(0).toInt() >= 1 && change.at(0).toInt() <= 120);
}

void WidgetsTest::twoBarSliderBoundsAndCoupling()
{
    TarnTwoBarSlider slider;
    slider.resize(200, 40);
    QSignalSpy changes(&slider, &TarnTwoBarSlider::SliderChangedSignal);
    slider.setRange(14, 105);
    slider.setValues(0, 200);
    QCOMPARE(slider.xValue(), 14);
    QCOMPARE(slider.yValue(), 105);
    // A narrower range (another sensor) pulls both values in.
    slider.setRange(50, 60);
    QCOMPARE(slider.xValue(), 50);
    QCOMPARE(slider.yValue(), 60);
    slider.setRange(30, 10);
    QCOMPARE(slider.maximum(), 30);
    QCOMPARE(slider.xValue(), 30);
    QCOMPARE(changes.count(), 0); // values set by the program are not reported

    slider.setRange(0, 100);
    slider.setValues(20, 70);
    // Free handles: the lower bar moves Y only.
    QTest::mouseClick(&slider, Qt::LeftButton, {}, QPoint(0, 35));
    QCOMPARE(slider.xValue(), 20);
    QCOMPARE(slider.yValue(), 0);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.last().at(0).toInt(), 20);
    QCOMPARE(changes.last().at(1).toInt(), 0);

    // Coupled: Y joins X, and either bar moves both, bounded at the end of the range.
    slider.setCoupled(true);
    QCOMPARE(slider.yValue(), 20);
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(100, 5));
    QTest::mouseMove(&slider, QPoint(900, 5));
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(900, 5));
    QCOMPARE(slider.xValue(), 100);
    QCOMPARE(slider.yValue(), 100);
    QCOMPARE(changes.last().at(0).toInt(), 100);
    QCOMPARE(changes.last().at(1).toInt(), 100);
}

void WidgetsTest::listItemEditsNumbersInRange()
{
    TarnListItem item;
    item.setValueFormat("%1 ms");
    item.setValue(0);
    QCOMPARE(item.value(), 1);
    item.setValue(123456);
    QCOMPARE(item.value(), 99999);
    QCOMPARE(item.text(), QString("99999 ms"));

    item.show();
    QVERIFY(QTest::qWaitForWindowExposed(&item));
    QSignalSpy edited(&item, &TarnListItem::valueEdited);
    item.editPressSlot();
    QVERIFY(item.isEditing());
    auto *edit = item.findChild<QLineEdit *>();
    edit->clear();
    QTest::keyClicks(edit, "250");
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(!item.isEditing());
    QCOMPARE(item.value(), 250);
    QCOMPARE(item.text(), QString("250 ms"));
    QCOMPARE(edited.count(), 1);

    // A number the editor refuses leaves the value as it was.
    item.editPressSlot();
    edit->clear();
    QTest::keyClicks(edit, "0");
    item.lostFocusSlot();
    QCOMPARE(item.value(), 250);
    QCOMPARE(edited.count(), 1);

    // A text row does not open the editor.
    item.setText("LEFT CLICK DOWN");
    item.editPressSlot();
    QVERIFY(!item.isEditing());

    // A row deleted while its editor has the focus reports nothing: the editor's focus loss
    // during the deletion must not reach the half-destroyed row.
    auto *doomed = new TarnListItem;
    doomed->show();
    QVERIFY(QTest::qWaitForWindowExposed(doomed));
    int reports = 0;
    connect(doomed, &TarnListItem::valueEdited, this, [&reports] { ++reports; });
    doomed->editPressSlot();
    QTest::keyClicks(doomed->findChild<QLineEdit *>(), "77");
    delete doomed;
    QCOMPARE(reports, 0);
}

void WidgetsTest::popBoxReportsEveryNameChange()
{
    TarnPopBox box("Profile name", "Old");
    QSignalSpy names(&box, &TarnPopBox::NameChanged);
    auto *edit = box.findChild<QLineEdit *>();
    QVERIFY(edit);
    edit->clear();
    QTest::keyClicks(edit, "FPS");
    QCOMPARE(names.count(), 4); // the clear, then one per character
    QCOMPARE(names.last().at(0).toString(), QString("FPS"));
    QCOMPARE(box.name(), QString("FPS"));
    QCOMPARE(box.findChild<QLabel *>("msgBoxInfoLabel2")->text(), QString("Profile name"));
    QVERIFY(box.findChild<QToolButton *>("msgBoxYesBtn")->styleSheet().contains("border: 1px red;"));
    whenShown(&box, [&] { QTest::mouseClick(box.findChild<QToolButton *>("msgBoxNoBtn"), Qt::LeftButton); });
    QCOMPARE(box.exec(), 0);
    whenShown(&box, [&] { QTest::mouseClick(box.findChild<QToolButton *>("msgBoxYesBtn"), Qt::LeftButton); });
    QCOMPARE(box.exec(), 1);
}

void WidgetsTest::processDialogPlaysTheBuiltInAnimation()
{
    QCOMPARE(loadingAnimationPath(), QString(":/skin/loading.gif"));
    QWidget window;
    window.setGeometry(100, 100, 999, 640);
    TarnProcessDialog dialog(&window);
    QCOMPARE(dialog.size(), QSize(128, 128));
    QVERIFY(dialog.animation()->isValid());
    QVERIFY(dialog.animation()->frameCount() > 1);
    const int before = dialog.animation()->currentFrameNumber();
    dialog.updateProgress();
    QVERIFY(dialog.animation()->currentFrameNumber() != before);
    QPoint centre;
    whenShown(&dialog, [&] {
        centre = dialog.geometry().center();
        dialog.slotProcessDlg();
    });
    QCOMPARE(dialog.exec(), 1);
    QVERIFY((centre - window.geometry().center()).manhattanLength() <= 2);
}

void WidgetsTest::batteryBarPaintsItsOwnText()
{
    // "MOUSE OFF" over the grey bar, the bar's own percentage text off.
    TarnProcessbar bar;
    bar.resize(71, 34);
    bar.setRange(0, 100);
    bar.setValue(0);
    bar.setTextVisible(false);
    bar.setStyleSheet("QProgressBar{background: rgb(100, 100, 100); border: none;}");
    const auto whitePixels = [&bar] {
        const QImage image = bar.grab().toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixelColor(x, y) == QColor(Qt::white);
        return count;
    };
    QCOMPARE(whitePixels(), 0);
    bar.setText("MOUSE OFF");
    QCOMPARE(bar.ownText(), QString("MOUSE OFF"));
    QVERIFY(whitePixels() > 10);
    bar.setText(QString());
    QCOMPARE(whitePixels(), 0);
}

void WidgetsTest::ownTextsFitTheirControlsAtEveryScale()
{
    // The battery bar (71 x 34 units) and a footer button (76 x 30) paint their own texts; those
    // must stay inside whatever the scale, the language's font size or the translation. Both
    // are drawn on dark grey here, so bright pixels are text.
    setLanguageFont("DejaVu Sans", 16);
    const auto expectTextInside = [](QWidget &widget, const QString &what) {
        const QImage image = widget.grab().toImage();
        int inside = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y).lightness() < 160)
                    continue;
                QVERIFY2(x > 0 && x < image.width() - 1, qPrintable(what));
                ++inside;
            }
        }
        QVERIFY2(inside > 10, qPrintable(what));
    };
    for (const double scale : {1.0, 1.25, 2.0, 3.75, 5.0}) {
        setUiScale(scale);
        TarnProcessbar bar;
        bar.resize(scaledUnits(71), scaledUnits(34));
        bar.setRange(0, 100);
        bar.setTextVisible(false);
        bar.setStyleSheet("QProgressBar{background: rgb(100, 100, 100); border: none;}");
        TarnPushButton button;
        button.resize(scaledUnits(76), scaledUnits(30));
        button.setStyleSheet("QPushButton{background: rgb(60, 60, 60); border: none;}");
        button.setAutoFillBackground(true);
        for (const QString &text : {QString("MOUSE OFF"), QString("SPEICHERN"), QString("MAUS AUSGESCHALTET")}) {
            const QString what = QString("%1 at %2").arg(text).arg(scale);
            bar.setText(text);
            QVERIFY(bar.ownTextFont().pixelSize() <= languageFont().pixelSize());
            QVERIFY2(QFontMetrics(bar.ownTextFont()).horizontalAdvance(text) < bar.width(), qPrintable(what));
            expectTextInside(bar, "bar: " + what);
            button.setText(text);
            QVERIFY2(QFontMetrics(button.textFont()).horizontalAdvance(text) < button.width(), qPrintable(what));
            if (text.size() < 10) // longer ones are too small here to count pixels reliably
                expectTextInside(button, "button: " + what);
        }
        // A text that fits keeps the language font's size.
        button.setText("OK");
        QCOMPARE(button.textFont().pixelSize(), languageFont().pixelSize());
    }
    QFont base("DejaVu Sans");
    base.setPixelSize(12);
    QCOMPARE(fontFittingText(base, "OFF", QSize(200, 40)).pixelSize(), 12);
    QVERIFY(fontFittingText(base, "MOUSE OFF", QSize(30, 40)).pixelSize() < 12);
    QCOMPARE(fontFittingText(base, "MOUSE OFF", QSize(0, 0)).pixelSize(), 12);
    QCOMPARE(fontFittingText(base, "MOUSE OFF", QSize(1, 1)).pixelSize(), 1);
}

void WidgetsTest::skinNamesRefuseEscapingProducts()
{
    QCOMPARE(mouseFrontPictureName("M7"), QString("mouse/M7/Mouse.png"));
    QCOMPARE(mouseSidePictureName("M7"), QString("mouse/M7_Side.png"));
    QCOMPARE(mouseHoverPictureName("M7", 1), QString("mouse/M7/mouse_1.png"));
    QCOMPARE(mouseHoverPictureName("M7", 20), QString("mouse/M7/mouse_20.png"));
    QVERIFY(mouseHoverPictureName("M7", 0).isEmpty());
    QVERIFY(mouseHoverPictureName("M7", 21).isEmpty());
    for (const QString &bad :
         {QString("../../etc"), QString("a/b"), QString("a\\b"), QString(".."), QString(".")}) {
        QVERIFY(mouseFrontPictureName(bad).isEmpty());
        QVERIFY(mouseSidePictureName(bad).isEmpty());
        QVERIFY(mouseHoverPictureName(bad, 1).isEmpty());
        QVERIFY(mouseFrontPicturePath(bad).isEmpty());
    }
    QCOMPARE(hiResVariantName("dlg.png"), QString("dlg@2x.png"));
    QCOMPARE(hiResVariantName("mouse/A b/Mouse.png"), QString("mouse/A b/Mouse@2x.png"));
    QCOMPARE(skinPath("/dlg.png"), AppPaths::skinFolder() + "/dlg.png");
}

void WidgetsTest::loaderPrefersTheHiResVariantWhenDrawnLarger()
{
    const QString path = m_pDir->path() + "/x.png";
    QImage plain(10, 10, QImage::Format_ARGB32);
    plain.fill(Qt::red);
    plain.save(path);
    QImage hiRes(20, 20, QImage::Format_ARGB32);
    hiRes.fill(Qt::blue);
    hiRes.save(m_pDir->path() + "/x@2x.png");

    QCOMPARE(loadSkinPixmap(path).size(), QSize(10, 10));
    QCOMPARE(loadSkinPixmap(path, QSize(10, 10)).toImage().pixelColor(5, 5), QColor(Qt::red));
    QCOMPARE(loadSkinPixmap(path, QSize(8, 8)).toImage().pixelColor(4, 4), QColor(Qt::red));
    const QPixmap larger = loadSkinPixmap(path, QSize(15, 15));
    QCOMPARE(larger.size(), QSize(15, 15));
    QCOMPARE(larger.toImage().pixelColor(7, 7), QColor(Qt::blue));
    // The variant at its own size comes back measured in device pixels, ready for a label.
    const QPixmap exact = loadSkinPixmap(path, QSize(20, 20));
    QCOMPARE(exact.toImage().pixelColor(10, 10), QColor(Qt::blue));
    QCOMPARE(exact.devicePixelRatio(), 1.0);
    QLabel label;
    label.setPixmap(exact);
    label.resize(20, 20);
    QCOMPARE(label.grab().toImage().pixelColor(18, 18), QColor(Qt::blue));
    QVERIFY(loadSkinPixmap(m_pDir->path() + "/missing.png", QSize(10, 10)).isNull());
    QVERIFY(loadSkinPixmap(QString(), QSize(10, 10)).isNull());
}

void WidgetsTest::languageFontFollowsTheSettings()
{
    setLanguageFont("DejaVu Sans", 14);
    QCOMPARE(languageFont(1.5).pixelSize(), 21);
    QCOMPARE(languageFont(1.5).family(), QString("DejaVu Sans"));

    writeSetting("LangConfig.ini", "Config/LangID", 1);
    writeSetting("Config.ini", "FONT_LIST/FONT_1", "DejaVu Serif");
    writeSetting("Config.ini", "FONT_LIST/FONT_SIZE_1", 13);
    setLook(readAppSettings());
    QCOMPARE(languageFont(2.0).pixelSize(), 26);
    QCOMPARE(languageFont(2.0).family(), QString("DejaVu Serif"));

    // No size in the settings: a readable default, never a zero-pixel font.
    writeSetting("LangConfig.ini", "Config/LangID", 3);
    setLook(readAppSettings());
    QVERIFY(languageFont(1.0).pixelSize() > 0);

    QCOMPARE(buttonStateTextColour(0), QColor(200, 200, 200));
    QCOMPARE(buttonStateTextColour(2), QColor(255, 255, 255));
    QCOMPARE(buttonStateTextColour(7), QColor(200, 200, 200));
}

QTEST_MAIN(WidgetsTest)
#include "gui_test_widgets.moc"
