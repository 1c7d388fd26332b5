#pragma once
// What `mousecfgctl show` prints of a profile set: one JSON document holding every value in plain
// words and numbers, and the same document as stable, line-oriented English text. The text is
// made from the document, so the two never disagree.

#include "model/button_reach.h"

#include <QJsonObject>
#include <QString>
#include <QVector>

struct AppSettings;

struct ProfileData;
struct ProfileSet;

// What the stored data says about the mouse besides the set itself.
struct ModelView {
    int sensorId = 0;           // "MouseSenSor/1"
    QString productName;        // the current product
    ButtonReach reach;          // which buttons a download sends
    QVector<int> frontButtons;  // button indices in label order, the sent ones
    int stageCount = 8;         // DPI stages the mouse takes
    bool sleepShown = true;     // the model has the lighting sleep setting
    bool lightingFirstSlot = false; // the model keeps its lighting in profile 1
};

// The model as the stored data describes it.
ModelView storedModelView(const AppSettings &settings);

// The name `show` and `set button` use for a button index: "1".."n" for the front buttons (their
// position in label order), "side1".."side20", "wheel-up", "wheel-down"; empty for an index the
// model does not have.
QString buttonId(int button, const ModelView &model);
// The index of a button name; -1 when the model has no such button.
int buttonIndexOf(const QString &id, const ModelView &model);

// The set as a document. profile 0..4 shows only that profile, -1 all five.
QJsonObject profileSetDocument(const ProfileSet &set, const ModelView &model, int profile = -1);
// The document as text, one "name: value" line each, profile lines indented by two spaces.
QString profileSetText(const QJsonObject &document);

// Parts of one profile's document (stage 0..7, button 0..41), and their lines of text, which
// `set` prints after a change.
QJsonObject stageDocument(const ProfileData &profile, int stage, const ModelView &model);
QJsonObject buttonDocument(const ProfileData &profile, int button, const ModelView &model);
QJsonObject lightingDocument(const ProfileData &profile, const ModelView &model);
QString stageText(const QJsonObject &stage);
QString buttonText(const QJsonObject &button);
QString lightingText(const QJsonObject &lighting);
