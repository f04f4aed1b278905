#pragma once

#include "core/common/Services.h"
#include "core/common/SessionState.h"
#include "core/data/GameDatabase.h"
#include "core/data/PasswordCheck.h"

#include <QList>
#include <QObject>
#include <QString>

namespace vortalex {

// Signing a player in, without the dialogs: registration of a new name (START) and loading a
// stored player (LOAD). Registration answers at once whether its dialog may close; LOAD answers
// through loadFinished(), since checking a password takes a while.
class AccountModel : public QObject {
    Q_OBJECT
public:
    static inline const QString kEmptyName = QStringLiteral("Cannot Accept Empty String / Name.");
    static inline const QString kNameTaken = QStringLiteral("Name already exist!!");
    static inline const QString kNotFound = QStringLiteral("Sorry! Game Name not Found!");
    static inline const QString kLoaded = QStringLiteral("Game Loaded!");
    // Followed by why the file could not be read.
    static inline const QString kNameUnchecked =
        QStringLiteral("The name could not be checked against the stored players, so nobody was "
                       "signed in.");
    static inline const QString kLoadUnread =
        QStringLiteral("The stored players could not be read, so nobody was signed in.");

    AccountModel(Services& services, SessionState& session, QObject* parent = nullptr);

    // Signs `name` in as a new player and opens Easy; nothing is written to the database, the
    // player's row appears with the first saved Easy score.
    bool registerPlayer(const QString& name);
    void cancelRegistration();

    // Signs a stored player in and restores the levels open to them. The rows of the name are
    // read at once; their passwords are checked off the interface thread, one row at a time
    // until one matches or the check time of the database's password policy has passed.
    // loadFinished() follows the message that tells the outcome, at once when no row has the
    // name. A row that matched with a hash of an older kind or strength gets the new one.
    // Does nothing while a check runs.
    void startLoad(const QString& name, const QString& password);
    bool loadRunning() const { return m_check.running(); }
    // Gives up a running check, whose answer is dropped, and restarts the menu's demo.
    void cancelLoad();

signals:
    void loadRunningChanged(bool running);
    void loadFinished(bool signedIn);

private:
    void finishLoad(const std::optional<PlayerRow>& player);
    void checked(int index, const QString& rehashed);

    Services& m_services;
    SessionState& m_session;
    PasswordCheck m_check;
    QList<StoredPlayer> m_candidates; // the rows of the name being checked, in stored order
};

} // namespace vortalex
