#pragma once
// The window's content panels as one list: where each sits on the design grid, the pages it
// shows on, and what every panel is told (the profile, the language, the scale) or asked for
// (its own values).

#include "app/window_rules.h"
#include "panels/profile_panel.h"

#include <QRect>
#include <QVector>

class QWidget;

class ContentPanels {
public:
    // `widget` (the panel or the frame it sits in) placed at `design` (design units) at `scale`,
    // and shown when `visibility` shows its kind. Panels are kept in `rank` order: one added
    // after a panel of a higher rank goes under it and before it in the tab order, as if it had
    // been made first.
    void add(PanelKind kind, QWidget *widget, ProfilePanel *panel, const QRect &design, double scale,
             const PageVisibility &visibility, int rank);
    // Every panel placed and rescaled at `scale`.
    void place(double scale) const;
    void show(const PageVisibility &visibility) const;
    void refresh(const PanelContext &context) const;
    void retranslate() const;
    void copyValuesInto(ProfileData &profile) const;

private:
    struct Entry {
        PanelKind kind;
        QWidget *widget;
        ProfilePanel *panel;
        QRect design;
        int rank;
    };
    QVector<Entry> m_Entries; // in the order they were added
};
