// Fills the word list of Dictionary.mdb from the generated dictionary file and, when a common
// word list is given, the table of common words from it. Only those two tables are refreshed, so
// players and scores survive every rebuild; a missing database is created.
#include "data/GameDatabase.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

#include <cstdio>

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

// A SCOWL list (Debian's wamerican) has one word a line; capitalised names and words with an
// apostrophe or an accent are no words a board can hold.
bool refreshCommonWords(GameDatabase& db, const QString& path) {
    QFile list(path);
    if (!list.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "vortalex-seeddb: cannot read %s: %s\n", qPrintable(path),
                     qPrintable(list.errorString()));
        return false;
    }
    const QString digest = fileDigest(list);
    if (!digest.isEmpty() && db.commonWordsSourceId() == digest) {
        return true;
    }
    QTextStream in(&list);
    in.setEncoding(QStringConverter::Utf8);
    static const QRegularExpression kPlainWord(QStringLiteral("^[a-z]+$"));
    qint64 rows = 0;
    QString line;
    const bool ok = db.replaceCommonWords(
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
    if (!ok) {
        std::fprintf(stderr, "vortalex-seeddb: %s\n", qPrintable(db.lastError()));
        return false;
    }
    std::printf("vortalex-seeddb: %lld common words in %s\n", static_cast<long long>(rows),
                qPrintable(db.path()));
    return true;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3 && args.size() != 4) {
        return usage();
    }
    QFile tsv(args[1]);
    if (!tsv.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "vortalex-seeddb: cannot read %s: %s\n", qPrintable(args[1]),
                     qPrintable(tsv.errorString()));
        return 1;
    }
    const QString digest = fileDigest(tsv);
    auto opened = GameDatabase::open(args[2]);
    if (!opened.db) {
        std::fprintf(stderr, "vortalex-seeddb: %s\n", qPrintable(opened.error));
        return 1;
    }
    GameDatabase& db = *opened.db;
    if (args.size() == 4 && !refreshCommonWords(db, args[3])) {
        return 1;
    }
    if (!digest.isEmpty() && db.dictionarySourceId() == digest && db.dictionaryAvailable()) {
        return 0; // already holds this word list
    }

    QTextStream in(&tsv);
    in.setEncoding(QStringConverter::Utf8);
    qint64 rows = 0;
    QString line;
    const bool ok = db.replaceDictionary(
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
    if (!ok) {
        std::fprintf(stderr, "vortalex-seeddb: %s\n", qPrintable(db.lastError()));
        return 1;
    }
    std::printf("vortalex-seeddb: %lld dictionary rows in %s\n", static_cast<long long>(rows),
                qPrintable(args[2]));
    return 0;
}
