#pragma once

#include "core/common/Services.h"
#include "core/common/SessionState.h"
#include "core/menu/AccountModel.h"
#include "ui/widgets/DesignLayout.h"

#include <QDialog>

class QLineEdit;
class QPushButton;

namespace vortalex {

// Signs a stored player in by name and password and restores the levels open to them
// (frmLoadSave).
class LoadSaveDialog : public QDialog {
    Q_OBJECT
public:
    LoadSaveDialog(Services& services, SessionState& session, QWidget* parent = nullptr);
    ~LoadSaveDialog() override;

    QLineEdit* nameBox() const { return m_name; }
    QLineEdit* passwordBox() const { return m_password; }
    QPushButton* loadButton() const { return m_load; }
    QPushButton* cancelButton() const { return m_cancel; }

public slots:
    // Starts the check; the dialog closes when it signs the player in.
    void load();
    // Escape and the "&Cancel" button, also while a password is checked: the check is given up.
    void reject() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // While a password is checked "&Load" is off and the cursor shows the game at work.
    void showChecking(bool checking);

    bool m_busyCursor = false;
    AccountModel m_account;
    DesignLayout m_layout;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_password = nullptr;
    QPushButton* m_load = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace vortalex
