#include "ui/menu/LoadSaveDialog.h"

#include "ui/widgets/DialogLook.h"
#include "ui/widgets/DialogPlacement.h"
#include "ui/widgets/Fonts.h"
#include "ui/widgets/Palette.h"
#include "ui/widgets/PasswordBox.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>

namespace vortalex {

using fonts::px;

namespace {

QLabel* caption(const QString& text, const QString& name, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(fonts::arial(12, true, true));
    look::setTextColour(*label, QColor(192, 192, 192));
    label->adjustSize();
    return label;
}

} // namespace

LoadSaveDialog::LoadSaveDialog(Services& services, SessionState& session, QWidget* parent)
    : QDialog(parent)
    , m_account(services, session) {
    setObjectName(QStringLiteral("frmLoadSave"));
    setWindowTitle(kAppTitle);
    look::makeFixedDialog(*this, QSize(px(4680), px(2460)));

    auto* heading = new QLabel(QStringLiteral("Load  Save Game"), this);
    heading->setObjectName(QStringLiteral("Label1_2"));
    heading->setFont(fonts::arial(18, true, true));
    look::setTextColour(*heading, palette::kHeading);
    heading->adjustSize();
    heading->move(px(120), px(60));

    caption(QStringLiteral("Name"), QStringLiteral("N_0"), this)->move(px(1140), px(780));
    caption(QStringLiteral("Password"), QStringLiteral("Label1_1"), this)->move(px(720), px(1380));

    const QFont boxFont = fonts::arial(14.25, true, true);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Text1_0"));
    m_name->setFont(boxFont);
    m_name->setGeometry(px(1920), px(660), px(2175), px(465));

    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("Text1_1"));
    m_password->setFont(boxFont);
    m_password->setGeometry(px(1920), px(1200), px(2175), px(465));
    makeStarPasswordBox(*m_password);

    m_load = new QPushButton(QStringLiteral("&Load"), this);
    m_load->setObjectName(QStringLiteral("cmdLoad"));
    m_load->setGeometry(px(2700), px(1920), px(1455), px(435));
    m_load->setDefault(true);

    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_cancel->setGeometry(px(1140), px(1920), px(1515), px(435));

    connect(m_load, &QPushButton::clicked, this, &LoadSaveDialog::load);
    connect(&m_account, &AccountModel::loadRunningChanged, this, &LoadSaveDialog::showChecking);
    connect(&m_account, &AccountModel::loadFinished, this, [this](bool signedIn) {
        if (signedIn) {
            accept();
        } else {
            m_name->setFocus(); // a clicked Load took the keys; the next ones are a corrected name
        }
    });
    connect(m_cancel, &QPushButton::clicked, this, &LoadSaveDialog::reject);
    m_name->setFocus();

    centreOnScreen(*this); // rather than on the menu
}

LoadSaveDialog::~LoadSaveDialog() {
    // Closed by its owner in the middle of a check: the check stops with the account model.
    showChecking(false);
}

void LoadSaveDialog::load() {
    m_account.startLoad(m_name->text(), m_password->text());
}

void LoadSaveDialog::showChecking(bool checking) {
    // "&Cancel" stays on: it gives up the check.
    m_load->setEnabled(!checking);
    if (checking != m_busyCursor) {
        m_busyCursor = checking;
        if (checking) {
            QGuiApplication::setOverrideCursor(Qt::BusyCursor);
        } else {
            QGuiApplication::restoreOverrideCursor();
        }
    }
}

void LoadSaveDialog::reject() {
    QDialog::reject();
    m_account.cancelLoad();
}

} // namespace vortalex
