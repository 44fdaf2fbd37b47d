// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/category_line.h"

#include "totals/category.h"
#include "totals/category_text.h"

#include <QLabel>

namespace sumafac::gui {

CategoryLine::CategoryLine(WindowModel& model,
                           const MonotributoScale& scale,
                           std::function<CalendarDate()> today,
                           QWidget* parent)
    : QStatusBar(parent), m_model(model), m_scale(scale), m_today(std::move(today))
{
    setObjectName("CategoryLine");
    // The window has a fixed size: no grip, and room for five lines always, enough for the longest line (a category
    // for goods and another for services, then where the open period is heading), so that no line ever resizes the
    // window.
    setSizeGripEnabled(false);
    m_text = new QLabel(this);
    m_text->setObjectName("CategoryText");
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text->setFixedHeight(5 * m_text->fontMetrics().lineSpacing());
    m_text->setContentsMargins(6, 0, 6, 0);
    addWidget(m_text, 1);

    tell();
    m_subscription = m_model.subscribe([this](const WindowModel::Change& change) {
        if (changesCategory(change)) {
            tell();
        }
    });
}

CategoryLine::~CategoryLine()
{
    m_model.unsubscribe(m_subscription);
}

void CategoryLine::tell()
{
    const int table = m_model.selectedTab() + 1;
    m_text->setText(QString::fromStdString(categoryLine(categoryFacts(m_model, table, m_scale), m_today())));
}

} // namespace sumafac::gui
