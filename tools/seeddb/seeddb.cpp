// Fills the word list of Dictionary.mdb from the generated dictionary file and, when a common
// word list is given, the table of common words from it. Only those two tables are refreshed, so
// players and scores survive every rebuild; a missing database is created.
#include "core/data/GameDatabase.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>
#include <functional>

using vortalex::DictionaryEntry;
using vortalex::GameDatabase;

namespace {

int usage() {
    std::fprintf(stderr,
                 "usage: vortalex-seeddb <dictionary.tsv> <Dictionary.mdb> [<common words>]\n");
    return 2;
}

QString fileDigest(QFile& file) {
    QCryptographicHash digest(QCryptographicHash::Sha256);
    if (!digest.addData(&file)) {
        return {};
    }
    file.seek(0);
    return QString::fromLatin1(digest.result().toHex());
}

bool openToRead(QFile& file) {
    if (file.open(QIODevice::ReadOnly)) {
        return true;
    }
    std::fprintf(stderr, "vortalex-seeddb: cannot read %s: %s\n", qPrintable(file.fileName()),
                 qPrintable(file.errorString()));
    return false;
}

// Refills a table from `file` unless `isCurrent` says it was filled from this very file. The
// refill reads the lines and counts the rows it writes; a digest identifies the file.
using Refill = std::function<bool(QTextStream& lines, const QString& digest, qint64& rows)>;
bool refresh(QFile& file, GameDatabase& db, const char* rowsName,
             const std::function<bool(const QString& digest)>& isCurrent, const Refill& refill) {
    const QString digest = fileDigest(file);
    if (!digest.isEmpty() && isCurrent(digest)) {
        return true;
    }
    QTextStream in(&file);
    in.setEncoding(QStringConverter::Utf8);
    qint64 rows = 0;
    if (!refill(in, digest, rows)) {
        std::fprintf(stderr, "vortalex-seeddb: %s\n", qPrintable(db.lastError()));
        return false;
    }
    std::printf("vortalex-seeddb: %lld %s in %s\n", static_cast<long long>(rows), rowsName,
                qPrintable(db.path()));
    return true;
}

bool refreshDictionary(QFile& tsv, GameDatabase& db) {
    return refresh(
        tsv, db, "dictionary rows",
        [&db](const QString& digest) {
            return db.dictionarySourceId() == digest && db.dictionaryAvailable();
        },
        [&db](QTextStream& in, const QString& digest, qint64& rows) {
            QString line;
            return db.replaceDictionary(
                [&](DictionaryEntry& entry) {
                    while (in.readLineInto(&line)) {
                        const qsizetype tab = line.indexOf(QLatin1Char('\t'));
                        if (line.isEmpty() || line.startsWith(QLatin1Char('#')) || tab <= 0) {
                            continue;
                        }
                        entry.word = line.left(tab);
                        entry.meaning = line.mid(tab + 1);
                        ++rows;
                        return true;
                    }
                    return false;
                },
                digest);
        });
}

// A SCOWL list (Debian's wamerican) has one word a line; capitalised names and words with an
// apostrophe or an accent are no words a board can hold.
bool refreshCommonWords(QFile& list, GameDatabase& db) {
    return refresh(
        list, db, "common words",
        [&db](const QString& digest) { return db.commonWordsSourceId() == digest; },
        [&db](QTextStream& in, const QString& digest, qint64& rows) {
            static const QRegularExpression kPlainWord(QStringLiteral("^[a-z]+$"));
            QString line;
            return db.replaceCommonWords(
                [&](QString& word) {
                    while (in.readLineInto(&line)) {
                        line = line.trimmed();
                        if (kPlainWord.match(line).hasMatch()) {
                            word = line.toUpper();
                            ++rows;
                            return true;
                        }
                    }
                    return false;
                },
                digest);
        });
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 4) {
        return usage();
    }
    // Every input is checked before the database is touched, so a bad call creates nothing.
    QFile tsv(args[1]);
    QFile common(args.size() == 4 ? args[3] : QString());
    if (!openToRead(tsv) || (args.size() == 4 && !openToRead(common))) {
        return 1;
    }
    auto opened = GameDatabase::open(args[2]);
    if (!opened.db) {
        std::fprintf(stderr, "vortalex-seeddb: %s\n", qPrintable(opened.error));
        return 1;
    }
    GameDatabase& db = *opened.db;
    if (args.size() == 4 && !refreshCommonWords(common, db)) {
        return 1;
    }
    return refreshDictionary(tsv, db) ? 0 : 1;
}
