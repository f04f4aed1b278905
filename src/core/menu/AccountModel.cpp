#include "core/menu/AccountModel.h"

#include "core/data/DataLocation.h"
#include "core/data/GameDatabase.h"

namespace vortalex {

AccountModel::AccountModel(Services& services, SessionState& session, QObject* parent)
    : QObject(parent)
    , m_services(services)
    , m_session(session) {
    connect(&m_check, &PasswordCheck::finished, this, &AccountModel::checked);
}

bool AccountModel::registerPlayer(const QString& name) {
    // Spaces included: the name is taken as typed.
    if (name.isEmpty()) {
        m_services.messages->show(kEmptyName, style::kExclamation, kAppTitle);
        return false;
    }
    // The database compares names without regard to case, so "ann" finds "Ann": that name is
    // taken too. A lookup that failed says nothing about the name, which the player's first
    // save would then write beside a stored player's: the player is told and tries again.
    const Lookup<PlayerRow> stored = m_services.database().findPlayerByName(name);
    if (stored.isFailed()) {
        m_services.messages->show(kNameUnchecked + kLineBreak +
                                      failureReason(m_services.database()),
                                  style::kExclamation, kAppTitle);
        return false;
    }
    if (stored.isFound()) {
        m_services.messages->show(kNameTaken, style::kPlain, QString());
        return false;
    }
    m_session.setPlayerName(name);
    m_session.setGreeting(SessionState::welcome(name));
    m_session.setLevelOpen(Level::Easy, true);
    m_session.startDemo();
    return true;
}

void AccountModel::cancelRegistration() {
    m_session.startDemo();
    m_session.setLevelOpen(Level::Easy, false);
    m_session.setStartChosenRecord(false);
}

void AccountModel::startLoad(const QString& name, const QString& password) {
    if (m_check.running()) {
        return;
    }
    // The password test ignores letter case; of several rows with that name, the first whose
    // password matches wins. Rows that could not be read are not "no such player".
    GameDatabase& db = m_services.database();
    const Lookup<QList<StoredPlayer>> rows = db.playersNamed(name);
    if (rows.isFailed()) {
        m_services.messages->show(kLoadUnread + kLineBreak + failureReason(db), style::kExclamation,
                                  kAppTitle);
        emit loadFinished(false);
        return;
    }
    if (rows.isNotFound()) {
        finishLoad(std::nullopt);
        return;
    }
    m_candidates = *rows;
    QStringList hashes;
    for (const StoredPlayer& row : *rows) {
        hashes.append(row.passwordHash);
    }
    m_check.start(password, hashes, db.passwordPolicy());
    emit loadRunningChanged(true);
}

void AccountModel::checked(int index, const QString& rehashed) {
    emit loadRunningChanged(false);
    if (index < 0) {
        finishLoad(std::nullopt);
        return;
    }
    const StoredPlayer& row = m_candidates.at(index);
    // A file that cannot be written keeps the old hash, which goes on matching.
    if (!rehashed.isEmpty()) {
        m_services.database().replacePasswordHash(row.rowId, row.passwordHash, rehashed);
    }
    finishLoad(row.player);
}

void AccountModel::finishLoad(const std::optional<PlayerRow>& player) {
    if (!player) {
        m_services.messages->show(kNotFound, style::kExclamation, kAppTitle);
        emit loadFinished(false);
        return;
    }
    for (const Level level : allLevels()) {
        m_session.setLevelOpen(level, player->levelOpen.at(static_cast<std::size_t>(level)));
    }
    m_services.messages->show(kLoaded, style::kInformation, kAppTitle);
    // The stored spelling of the name, which may differ in case from what was typed.
    m_session.setPlayerName(player->name);
    m_session.setGreeting(SessionState::welcome(player->name));
    emit loadFinished(true);
}

void AccountModel::cancelLoad() {
    if (m_check.running()) {
        m_check.stop();
        emit loadRunningChanged(false);
    }
    m_session.startDemo();
}

} // namespace vortalex
