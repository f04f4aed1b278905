#pragma once

#include "common/Services.h"
#include "common/SessionState.h"

#include <QString>

namespace vortalex {

// Signing a player in, without the dialogs: registration of a new name (START) and loading a
// stored player (LOAD). Each call says whether its dialog may close.
class AccountModel {
public:
    static inline const QString kEmptyName = QStringLiteral("Cannot Accept Empty String / Name.");
    static inline const QString kNameTaken = QStringLiteral("Name already exist!!");
    static inline const QString kNotFound = QStringLiteral("Sorry! Game Name not Found!");
    static inline const QString kLoaded = QStringLiteral("Game Loaded!");

    AccountModel(Services& services, SessionState& session);

    // Signs `name` in as a new player and opens Easy; nothing is written to the database, the
    // player's row appears with the first saved Easy score.
    bool registerPlayer(const QString& name);
    void cancelRegistration();

    // Signs a stored player in and restores the levels open to them.
    bool loadPlayer(const QString& name, const QString& password);
    void cancelLoad();

private:
    Services& m_services;
    SessionState& m_session;
};

} // namespace vortalex
