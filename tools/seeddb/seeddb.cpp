// Fills the word list of Dictionary.mdb from the generated dictionary file. Only tbl_Dictionary
// is refreshed, so players and scores survive every rebuild; a missing database is created.
#include "data/GameDatabase.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QTextStream>

#include <cstdio>

using vortalex::DictionaryEntry;
using vortalex::GameDatabase;

namespace {

int usage() {
    std::fprintf(stderr, "usage: vortalex-seeddb <dictionary.tsv> <Dictionary.mdb>\n");
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

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
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
