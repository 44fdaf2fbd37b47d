// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/window/category_line.h"

#include "taxpayer/taxpayer_list.h"
#include "totals/category.h"
#include "totals/category_text.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sumafac::gui {

CategoryLine::CategoryLine(WindowModel& model,
                           const MonotributoScale& scale,
                           const std::map<std::string, TaxpayerData>& taxpayers,
                           std::function<CalendarDate()> today,
                           QWidget* parent)
    : QStatusBar(parent), m_model(model), m_scale(scale), m_taxpayers(taxpayers), m_today(std::move(today))
{
    setObjectName("CategoryLine");
    // The window has a fixed size: no grip, and room for two lines always, which the summary never passes, so that no
    // line ever resizes the window. Whatever else there is to say waits behind the button.
    setSizeGripEnabled(false);
    m_text = new QLabel(this);
    m_text->setObjectName("CategoryText");
    m_text->setTextFormat(Qt::PlainText);
    m_text->setWordWrap(true);
    m_text->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_text->setFixedHeight(2 * m_text->fontMetrics().lineSpacing());
    m_text->setContentsMargins(6, 0, 6, 0);
    // A click on the summary shows the rest; a button beside it would cost every start a widget to lay out and paint.
    m_text->setCursor(Qt::PointingHandCursor);
    m_text->setToolTip("Un clic muestra la línea entera de la categoría: la cuota con sus partes, cada parámetro, "
                       "adónde va el período y la escala usada (también en Ver → Detalle de la categoría)");
    m_text->installEventFilter(this);
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

QString CategoryLine::details() const
{
    const int table = m_model.selectedTab() + 1;
    const CategoryFacts facts = categoryFacts(m_model, table, m_scale, taxpayerOf(m_taxpayers, m_model.cuit()));
    return QString::fromStdString(categoryLine(facts, m_today()));
}

void CategoryLine::showDetails()
{
    auto* shown = new QDialog(window());
    shown->setObjectName("CategoryDetailsWindow");
    shown->setAttribute(Qt::WA_DeleteOnClose);
    shown->setWindowTitle("Categoría del monotributo, solapa " +
                          QString::fromStdString(m_model.tabCaption(m_model.selectedTab())));
    auto* text = new QPlainTextEdit(details(), shown);
    text->setObjectName("CategoryDetailsText");
    text->setReadOnly(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, shown);
    buttons->button(QDialogButtonBox::Close)->setText("&Cerrar");
    connect(buttons, &QDialogButtonBox::rejected, shown, &QDialog::close);
    auto* layout = new QVBoxLayout(shown);
    layout->addWidget(text);
    layout->addWidget(buttons);
    shown->resize(560, 300);
    shown->show();
}

bool CategoryLine::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_text && event->type() == QEvent::MouseButtonRelease && m_model.selectedTab() >= 0 &&
        !m_text->text().isEmpty()) {
        showDetails();
        return true;
    }
    return QStatusBar::eventFilter(watched, event);
}

void CategoryLine::tell()
{
    const int table = m_model.selectedTab() + 1;
    const CategoryFacts facts = categoryFacts(m_model, table, m_scale, taxpayerOf(m_taxpayers, m_model.cuit()));
    m_text->setText(QString::fromStdString(categorySummary(facts, m_today())));
}

} // namespace sumafac::gui
