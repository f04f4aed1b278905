#include "core/data/GameDatabase.h"

#include "core/common/Lexicon.h"

#include <QSqlQuery>

namespace vortalex {

// LIKE treats % and _ as wildcards; a prefix is literal text.
QString GameDatabase::likePrefixPattern(const QString& prefix) {
    QString escaped;
    escaped.reserve(prefix.size() + 1);
    for (const QChar c : prefix) {
        if (c == QLatin1Char('%') || c == QLatin1Char('_') || c == QLatin1Char('\\')) {
            escaped.append(QLatin1Char('\\'));
        }
        escaped.append(c);
    }
    escaped.append(QLatin1Char('%'));
    return escaped;
}

WordLookup GameDatabase::lookUpWord(const QString& word) {
    if (!ready()) {
        return WordLookup::Failed;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT 1 FROM tbl_Dictionary WHERE Word = ? LIMIT 1"));
    q.addBindValue(word);
    if (!exec(q)) {
        return WordLookup::Failed;
    }
    return q.next() ? WordLookup::Found : WordLookup::NotFound;
}

bool GameDatabase::dictionaryAvailable() {
    if (!ready()) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT 1 FROM tbl_Dictionary LIMIT 1"));
    return exec(q) && q.next();
}

QSqlQuery GameDatabase::wordsStartingWithCursor(const QString& prefix) {
    if (!ready()) {
        return QSqlQuery(QSqlDatabase::database(m_connection));
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    // Not forward-only: a grid reads rows again as they scroll back into view.
    q.prepare(kWordsStartingWithSql);
    q.addBindValue(likePrefixPattern(prefix));
    exec(q);
    return q;
}

QStringList GameDatabase::meanings(const QString& word) {
    if (!ready()) {
        return {};
    }
    QStringList result;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT Meaning FROM tbl_Dictionary WHERE Word = ? ORDER BY rowid"));
    q.addBindValue(word);
    if (!readRows(q, [&result](const QSqlQuery& row) { result.append(row.value(0).toString()); })) {
        return {};
    }
    return result;
}

QString GameDatabase::dictionarySourceId() {
    return sourceId(QStringLiteral("tblDictionarySource"));
}

QString GameDatabase::commonWordsSourceId() {
    return sourceId(QStringLiteral("tblCommonWordsSource"));
}

QString GameDatabase::sourceId(const QString& table) {
    if (!ready()) {
        return {};
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("SELECT fldSource FROM %1 LIMIT 1").arg(table));
    return exec(q) && q.next() ? q.value(0).toString() : QString();
}

QString GameDatabase::joinedWords(const QString& sql) {
    if (!ready()) {
        return {};
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(sql);
    QString words;
    readRows(q, [&words](const QSqlQuery& row) { words = row.value(0).toString(); });
    return words;
}

// One row holding every word instead of a hundred thousand rows: the solver's load is then a
// matter of milliseconds rather than of the query layer's bookkeeping per row. The words are
// joined by blanks, so an entry of two words (no tile word anyway) stays out.
QString GameDatabase::dictionaryWordsText() {
    return joinedWords(
        QStringLiteral("SELECT group_concat(Word, ' ') FROM "
                       "(SELECT DISTINCT Word FROM tbl_Dictionary WHERE Word NOT LIKE '% %')"));
}

std::shared_ptr<const Lexicon> GameDatabase::wordTree() {
    if (m_wordTree) {
        return m_wordTree;
    }
    // Common words that cannot be read for good (a file older than their table) leave every
    // word rare; anything else that failed is read again at the next use.
    bool whole = true;
    QString why;
    bool busy = false;
    auto tree = std::make_shared<const Lexicon>(Lexicon::fromTexts(
        [&] {
            QString words = dictionaryWordsText();
            whole = m_lastError.isEmpty();
            why = m_lastError;
            busy = m_lastErrorBusy;
            return words;
        },
        [&] {
            // Not read at all when the word list itself failed: a busy file would only be
            // waited for once more.
            if (!whole) {
                return QString();
            }
            QString words = commonWordsText();
            if (m_lastErrorBusy) {
                whole = false;
                why = m_lastError;
                busy = true;
            }
            return words;
        }));
    if (!whole) {
        fail(why, busy);
        return nullptr;
    }
    m_wordTree = tree;
    clearError();
    return tree;
}

QString GameDatabase::commonWordsText() {
    return joinedWords(QStringLiteral(
        "SELECT group_concat(fldWord, ' ') FROM tblCommonWords WHERE fldWord NOT LIKE '% %'"));
}

// ---------------------------------------------------------------- tblWrong

bool GameDatabase::clearWrongWords() {
    if (!ready()) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("DELETE FROM tblWrong"));
    return exec(q);
}

bool GameDatabase::addWrongWord(const QString& word) {
    if (!ready()) {
        return false;
    }
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.prepare(QStringLiteral("INSERT INTO tblWrong (WrongWord) VALUES (?)"));
    q.addBindValue(word);
    return exec(q);
}

QStringList GameDatabase::wrongWords() {
    if (!ready()) {
        return {};
    }
    QStringList words;
    QSqlQuery q(QSqlDatabase::database(m_connection));
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT WrongWord FROM tblWrong ORDER BY rowid"));
    if (!readRows(q, [&words](const QSqlQuery& row) { words.append(row.value(0).toString()); })) {
        return {};
    }
    return words;
}

} // namespace vortalex
