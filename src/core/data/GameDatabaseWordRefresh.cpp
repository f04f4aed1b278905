#include "core/data/GameDatabase.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace vortalex {

bool GameDatabase::replaceDictionary(const std::function<bool(DictionaryEntry&)>& next,
                                     const QString& sourceId) {
    return rebuildDictionary(
        [&] {
            QSqlQuery insert(QSqlDatabase::database(m_connection));
            insert.prepare(
                QStringLiteral("INSERT INTO tbl_Dictionary (Word, Meaning) VALUES (?, ?)"));
            DictionaryEntry entry;
            while (next(entry)) {
                insert.bindValue(0, entry.word);
                insert.bindValue(1, entry.meaning);
                if (!exec(insert)) {
                    return false;
                }
            }
            return true;
        },
        sourceId);
}

bool GameDatabase::rebuildDictionary(const std::function<bool()>& fill, const QString& sourceId) {
    // Filling without the index and building it once afterwards is several times faster.
    return refillWords({QStringLiteral("DROP INDEX IF EXISTS tbl_Dictionary_Word"),
                        QStringLiteral("DELETE FROM tbl_Dictionary")},
                       fill,
                       QStringLiteral("CREATE INDEX tbl_Dictionary_Word ON tbl_Dictionary (Word)"),
                       QStringLiteral("tblDictionarySource"), sourceId);
}

bool GameDatabase::replaceCommonWords(const std::function<bool(QString&)>& next,
                                      const QString& sourceId) {
    return rebuildCommonWords(
        [&] {
            QSqlQuery insert(QSqlDatabase::database(m_connection));
            insert.prepare(QStringLiteral("INSERT INTO tblCommonWords (fldWord) VALUES (?)"));
            QString word;
            while (next(word)) {
                insert.bindValue(0, word);
                if (!exec(insert)) {
                    return false;
                }
            }
            return true;
        },
        sourceId);
}

bool GameDatabase::rebuildCommonWords(const std::function<bool()>& fill, const QString& sourceId) {
    return refillWords({QStringLiteral("DELETE FROM tblCommonWords")}, fill, {},
                       QStringLiteral("tblCommonWordsSource"), sourceId);
}

bool GameDatabase::refillWords(const QStringList& emptying, const std::function<bool()>& fill,
                               const QString& afterFill, const QString& sourceTable,
                               const QString& sourceId) {
    const bool refilled = inTransaction([&] {
        const QSqlDatabase db = QSqlDatabase::database(m_connection);
        QSqlQuery q(db);
        for (const QString& statement :
             emptying + QStringList{QStringLiteral("DELETE FROM %1").arg(sourceTable)}) {
            if (!q.exec(statement)) {
                return fail(q.lastError());
            }
        }
        if (!fill()) {
            return false;
        }
        if (!afterFill.isEmpty() && !q.exec(afterFill)) {
            return fail(q.lastError());
        }
        QSqlQuery source(db);
        source.prepare(QStringLiteral("INSERT INTO %1 (fldSource) VALUES (?)").arg(sourceTable));
        source.addBindValue(sourceId);
        return exec(source);
    });
    if (refilled) {
        m_wordTree.reset(); // of the old words
    }
    return refilled;
}

bool GameDatabase::refreshDictionaryFrom(const QString& otherPath, bool* refreshed) {
    if (refreshed != nullptr) {
        *refreshed = false;
    }
    // ATTACH would create a missing file.
    if (!QFileInfo(otherPath).isFile()) {
        clearError();
        return true;
    }
    if (!ready()) {
        return false;
    }
    const QSqlDatabase db = QSqlDatabase::database(m_connection);
    QSqlQuery q(db);
    q.prepare(QStringLiteral("ATTACH DATABASE ? AS installed"));
    q.addBindValue(otherPath);
    if (!exec(q)) {
        return false;
    }
    QString source;
    QSqlQuery read(db);
    read.prepare(QStringLiteral("SELECT fldSource FROM installed.tblDictionarySource LIMIT 1"));
    bool ok = exec(read);
    if (ok && read.next()) {
        source = read.value(0).toString();
    }
    read.finish();
    // An installed copy that never got its words must not wipe ours.
    if (ok && !source.isEmpty() && (source != dictionarySourceId() || !dictionaryAvailable())) {
        ok = rebuildDictionary(
            [&] {
                QSqlQuery copy(db);
                copy.prepare(QStringLiteral("INSERT INTO tbl_Dictionary (Word, Meaning) SELECT"
                                            " Word, Meaning FROM installed.tbl_Dictionary"
                                            " ORDER BY rowid"));
                return exec(copy);
            },
            source);
        if (ok && refreshed != nullptr) {
            *refreshed = true;
        }
    }
    // The common words travel with the word list; an installed copy made before they existed
    // has no such table, which leaves ours as it is.
    QSqlQuery readCommon(db);
    readCommon.prepare(
        QStringLiteral("SELECT fldSource FROM installed.tblCommonWordsSource LIMIT 1"));
    QString commonSource;
    if (ok && readCommon.exec() && readCommon.next()) {
        commonSource = readCommon.value(0).toString();
    }
    readCommon.finish();
    if (ok && !commonSource.isEmpty() && commonSource != commonWordsSourceId()) {
        ok = rebuildCommonWords(
            [&] {
                QSqlQuery copy(db);
                copy.prepare(QStringLiteral("INSERT INTO tblCommonWords (fldWord) SELECT fldWord"
                                            " FROM installed.tblCommonWords"));
                return exec(copy);
            },
            commonSource);
    }
    const QString reason = m_lastError;
    QSqlQuery detach(db);
    detach.exec(QStringLiteral("DETACH DATABASE installed"));
    m_lastError = reason;
    return ok;
}

} // namespace vortalex
