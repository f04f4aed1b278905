#include "ui/menu/RegistrationDialog.h"

#include "ui/widgets/DialogPlacement.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/WindowScaler.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace vortalex {

RegistrationDialog::RegistrationDialog(Services& services, SessionState& session, QWidget* parent)
    : QDialog(parent)
    , m_account(services, session)
    , m_layout(*this, QSize(4680, 2310)) {
    setObjectName(QStringLiteral("frmName"));
    setWindowTitle(kAppTitle);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);
    centreOnOwner(*this);

    auto* heading = new QLabel(QStringLiteral("Player Name"), this);
    heading->setObjectName(QStringLiteral("Label1_2"));
    theme::styleCaption(*heading);
    m_layout.place(heading, {150, 30, 2460, 480}, theme::captionFont(20.25));

    // Created in tab order: the name box first, then Ok, then Cancel.
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("txtPlayerName"));
    m_layout.place(m_name, {1170, 720, 2835, 510}, theme::textFont(15.75, true));

    m_ok = new QPushButton(QStringLiteral("&Ok"), this);
    m_ok->setObjectName(QStringLiteral("Command1"));
    m_layout.place(m_ok, {2520, 1680, 1275, 435});
    m_ok->setDefault(true);

    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("Command2"));
    m_layout.place(m_cancel, {960, 1680, 1275, 435});

    connect(m_ok, &QPushButton::clicked, this, &RegistrationDialog::confirm);
    connect(m_cancel, &QPushButton::clicked, this, &RegistrationDialog::reject);
    m_name->setFocus();
    new WindowScaler(*this, m_layout.designPixels(), services.scale);
}

void RegistrationDialog::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    theme::paintSky(p, QRectF(rect()));
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
