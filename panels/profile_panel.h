#pragma once
// The seam between the main window and its content panels (button, DPI, pointer, report rate,
// macro editor, lighting). The window's refresh routine hands every panel the records it shows;
// Apply asks the panels that hold values of their own to write them into the current profile;
// a language switch and a change of scale step reach every panel.

#include "storage/profile_data.h"

#include <QtGlobal>

// Which panel a widget is: decides the page it is shown on.
enum class PanelKind { Button, Dpi, Pointer, ReportRate, Macro, Lighting };
constexpr int kPanelKindCount = 6;

// What the refresh routine gives a panel. The pointers stay valid until the next refresh; a
// panel that edits in place (button, lighting) keeps the record it was given.
struct PanelContext {
    ProfileSet *working = nullptr;   // the working set
    ProfileData *current = nullptr;  // the current slot's record
    ProfileData *lighting = nullptr; // the record lighting edits: the current one, slot 0 for "7130"
    int sensor = 0;                  // "MouseSenSor/1" of the settings file
    QString productName;             // the current product (some cap their sensor's range)
    quint8 lift = 0;                 // LiftHigh of the working set
};

class ProfilePanel {
public:
    virtual ~ProfilePanel() = default;
    // Show the records of `context` (the window's refresh routine).
    virtual void refreshFromProfile(const PanelContext &context) = 0;
    // Apply's first step: copy the values the panel holds into `profile`. Panels that edit the
    // record in place have nothing to copy.
    virtual void copyValuesInto(ProfileData &profile) const { Q_UNUSED(profile); }
    // Texts through the translator again (language switch).
    virtual void retranslatePanel() {}
    // The window moved to another scale factor; the window has already placed the panel.
    virtual void rescalePanel(double factor) { Q_UNUSED(factor); }
};
