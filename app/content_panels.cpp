#include "app/content_panels.h"

#include "widgets/theme.h"

#include <QWidget>

#include <algorithm>

void ContentPanels::add(PanelKind kind, QWidget *widget, ProfilePanel *panel, const QRect &design,
                        double scale, const PageVisibility &visibility, int rank)
{
    const auto next = std::find_if(m_Entries.begin(), m_Entries.end(), [rank](const Entry &e) { return e.rank > rank; });
    if (next != m_Entries.end()) {
        widget->stackUnder(next->widget);
        QWidget::setTabOrder(widget, next->widget);
    }
    m_Entries.insert(next, {kind, widget, panel, design, rank});
    widget->setGeometry(scaledRect(design, scale));
    widget->setVisible(panelVisible(kind, visibility));
}

void ContentPanels::place(double scale) const
{
    for (const Entry &entry : m_Entries) {
        entry.widget->setGeometry(scaledRect(entry.design, scale));
        entry.panel->rescalePanel(scale);
    }
}

void ContentPanels::show(const PageVisibility &visibility) const
{
    for (const Entry &entry : m_Entries)
        entry.widget->setVisible(panelVisible(entry.kind, visibility));
}

void ContentPanels::refresh(const PanelContext &context) const
{
    for (const Entry &entry : m_Entries)
        entry.panel->refreshFromProfile(context);
}

void ContentPanels::retranslate() const
{
    for (const Entry &entry : m_Entries)
        entry.panel->retranslatePanel();
}

void ContentPanels::copyValuesInto(ProfileData &profile) const
{
    for (const Entry &entry : m_Entries)
        entry.panel->copyValuesInto(profile);
}
