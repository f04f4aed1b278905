#pragma once

#include "core/common/Services.h"
#include "core/common/SessionState.h"
#include "core/menu/AccountModel.h"
#include "ui/widgets/DesignLayout.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vortalex {

// Signs a new player in by name (frmName). Nothing is written to the database here; the
// player's row appears with the first saved Easy score.
class RegistrationDialog : public QDialog {
    Q_OBJECT
public:
    RegistrationDialog(Services& services, SessionState& session, QWidget* parent = nullptr);

    QLineEdit* nameBox() const { return m_name; }
    QPushButton* okButton() const { return m_ok; }
    QPushButton* cancelButton() const { return m_cancel; }

public slots:
    void confirm();
    // Escape and the "&Cancel" button.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AccountModel m_account;
    DesignLayout m_layout;
    QLineEdit* m_name = nullptr;
    QPushButton* m_ok = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace vortalex
