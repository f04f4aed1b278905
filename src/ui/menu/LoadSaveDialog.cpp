#include "ui/menu/LoadSaveDialog.h"

#include "ui/widgets/DialogPlacement.h"
#include "ui/widgets/PasswordBox.h"
#include "ui/widgets/Theme.h"
#include "ui/widgets/WindowScaler.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

namespace vortalex {

namespace {

// A caption as large as its text at its design font, from its design corner.
QLabel* caption(const QString& text, const QString& name, const QFont& font, QPoint at,
                DesignLayout& layout, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    const QSize room = label->sizeHint();
    layout.place(label, QRect(at, design::pixels(room.width(), room.height())), font);
    return label;
}

} // namespace

LoadSaveDialog::LoadSaveDialog(Services& services, SessionState& session, QWidget* parent)
    : QDialog(parent)
    , m_account(services, session)
    , m_layout(*this, QSize(4680, 2460)) {
    setObjectName(QStringLiteral("frmLoadSave"));
    setWindowTitle(kAppTitle);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setModal(true);

    QLabel* heading = caption(QStringLiteral("Load  Save Game"), QStringLiteral("Label1_2"),
                              theme::captionFont(18), {120, 60}, m_layout, this);
    theme::styleCaption(*heading);
    for (QLabel* boxCaption : {caption(QStringLiteral("Name"), QStringLiteral("N_0"),
                                       theme::captionFont(12), {1140, 780}, m_layout, this),
                               caption(QStringLiteral("Password"), QStringLiteral("Label1_1"),
                                       theme::captionFont(12), {720, 1380}, m_layout, this)}) {
        theme::setTextColour(*boxCaption, theme::kCaption);
    }

    const QFont boxFont = theme::textFont(14.25, true, true);
    m_name = new QLineEdit(this);
    m_name->setObjectName(QStringLiteral("Text1_0"));
    m_layout.place(m_name, {1920, 660, 2175, 465}, boxFont);

    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("Text1_1"));
    m_layout.place(m_password, {1920, 1200, 2175, 465}, boxFont);
    makeStarPasswordBox(*m_password);

    m_load = new QPushButton(QStringLiteral("&Load"), this);
    m_load->setObjectName(QStringLiteral("cmdLoad"));
    m_layout.place(m_load, {2700, 1920, 1455, 435});
    m_load->setDefault(true);

    m_cancel = new QPushButton(QStringLiteral("&Cancel"), this);
    m_cancel->setObjectName(QStringLiteral("cmdCancel"));
    m_layout.place(m_cancel, {1140, 1920, 1515, 435});

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
    new WindowScaler(*this, m_layout.designPixels(), services.scale);
}

void LoadSaveDialog::paintEvent(QPaintEvent* /*event*/) {
    QPainter p(this);
    theme::paintSky(p, QRectF(rect()));
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
