#include "ui/menu/RegistrationDialog.h"

#include "ui/widgets/DialogLook.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Palette.h"

#include <QLineEdit>
#include <QPushButton>

namespace vortalex {

using fonts::px;

RegistrationDialog::RegistrationDialog(Services& services, SessionState& session, QWidget* parent)
    : QDialog(parent)
    , m_account(services, session) {
    setObjectName(QStringLiteral("frmName"));
    setWindowTitle(kAppTitle);
    look::makeFixedDialog(*this, QSize(px(4680), px(2310)));

    auto* heading = new QLabel(QStringLiteral("Player Name"), this);
    heading->setObjectName(QStringLiteral("Label1_2"));
    heading->setFont(fonts::arial(20.25, true, true));
    look::setTextColour(*heading, palette::kHeading);
    heading->setGeometry(px(150), px(30), px(2460), px(480));

    // Created in tab order: the name box first, then Ok, then Cancel.
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtPlayerName"));
    m_name->setFont(fonts::arial(15.75, true));
    m_name->setGeometry(px(1170), px(720), px(2835), px(510));

    m_ok = new QPushButton(QStringLiteral("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_ok->setGeometry(px(2520), px(1680), px(1275), px(435));
    m_ok->setDefault(true);

    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command2"));
    m_cancel->setGeometry(px(960), px(1680), px(1275), px(435));

    connect(m_ok, &QPushButton::clicked, this, &RegistrationDialog::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &RegistrationDialog::reject);
    m_name->setFocus();
}

void RegistrationDialog::confirm() {
    if (m_account.registerPlayer(m_name->text())) {
        accept();
    } else {
        m_name->setFocus(); // a clicked Ok took the keys; the next ones are a corrected name
    }
}

void RegistrationDialog::reject() {
    m_account.cancelRegistration();
    QDialog::reject();
}

} // namespace vortalex
