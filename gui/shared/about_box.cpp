// SPDX-License-Identifier: GPL-3.0-or-later
#include "gui/shared/about_box.h"

#include "about/about_texts.h"
#include "core/window_texts.h"
#include "gui/shared/twips.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace sumafac::gui {
namespace {

// Client area of the box, in twips.
constexpr int ClientWidth = 6090;
constexpr int ClientHeight = 3750;

QLabel* newLabel(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

AboutBox::AboutBox(SysInfoServices services, QWidget* parent)
    : QDialog(parent),
      m_boxDialogs(this), m_services{services.registry, services.files, services.processes,
                                     dialogsOver(services.dialogs, m_boxDialogs), std::move(services.ownTools)}
{
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    setFixedSize(twips(this, ClientWidth), twips(this, ClientHeight));

    m_picIcon = newLabel(this, "picIcon", twipsRect(this, 240, 240, 540, 540));
    m_picIcon->setPixmap(QApplication::windowIcon().pixmap(m_picIcon->size()));

    m_lblTitle = newLabel(this, "lblTitle", twipsRect(this, 1050, 240, 4800, 480));
    QFont titleFont = m_lblTitle->font();
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
    titleFont.setBold(true);
    m_lblTitle->setFont(titleFont);

    m_lblVersion = newLabel(this, "lblVersion", twipsRect(this, 1050, 780, 4800, 225));

    QLabel* lblDescription = newLabel(this, "lblDescription", twipsRect(this, 1050, 1125, 4800, 510));
    lblDescription->setWordWrap(true);
    lblDescription->setText(AboutDescription);

    auto* Line1 = new QFrame(this);
    Line1->setObjectName("Line1");
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(twipsRect(this, 225, 1687, 5640, 30));

    QLabel* lblDisclaimer = newLabel(this, "lblDisclaimer", twipsRect(this, 255, 1900, 3750, 1650));
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setText(AboutDisclaimer);

    m_cmdOK = new QPushButton(AboutOkCaption, this);
    m_cmdOK->setObjectName("cmdOK");
    m_cmdOK->setGeometry(twipsRect(this, 4200, 2625, 1710, 345));
    m_cmdOK->setDefault(true);
    connect(m_cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });

    m_cmdSysInfo = new QPushButton(AboutSysInfoCaption, this);
    m_cmdSysInfo->setObjectName("cmdSysInfo");
    m_cmdSysInfo->setGeometry(twipsRect(this, 4200, 3075, 1710, 345));
    m_cmdSysInfo->setAutoDefault(false);
    connect(m_cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });

    Form_Load();
}

void AboutBox::Form_Load()
{
    setWindowTitle(QString::fromStdString(aboutTitle()));
    m_lblVersion->setText(QString::fromStdString(versionText()));
    m_lblTitle->setText(ApplicationTitle);
}

void AboutBox::cmdOK_Click()
{
    close();
}

void AboutBox::cmdSysInfo_Click()
{
    StartSysInfo(m_services);
}

} // namespace sumafac::gui
