// The core library must not use Qt Gui or Qt Widgets. Linking would not catch a header-only use
// (a QColor in a model, say), so every include of every core source is checked against the
// headers those two modules install, whatever the spelling. Nor may any source include against
// the order of the layers: core/common <- core/data, core/sound <- core/board, core/menu,
// core/summary <- ui <- app.
#include <QDir>
#include <QDirIterator>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

const QDir kSources(QStringLiteral(VORTALEX_SOURCE_DIR "/src"));

// "core/board/BoardModel.h" lies in core/board, "app/main.cpp" in app; "QString" in none.
QString layerOf(const QString& path) {
    static const QRegularExpression layer(QStringLiteral("^(app|(core|ui)/[^/]+)/"));
    return layer.match(path).captured(1);
}

// Every include under src/`folder` that `offends`, given the header and the layers of both, as
// "source: header".
QStringList offendersIn(const QString& folder,
                        const std::function<bool(const QString& header, const QString& from,
                                                 const QString& to)>& offends) {
    static const QRegularExpression include(
        QStringLiteral("^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]"),
        QRegularExpression::MultilineOption);
    QStringList offenders;
    QDirIterator it(kSources.filePath(folder), {"*.h", "*.cpp"}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (!file.open(QIODevice::ReadOnly)) {
            qFatal("cannot read %s", qPrintable(file.fileName()));
        }
        const QString source = kSources.relativeFilePath(file.fileName());
        auto matches = include.globalMatch(QString::fromUtf8(file.readAll()));
        while (matches.hasNext()) {
            QString header = matches.next().captured(1);
            // A game header reached without its layer ("../data/GameDatabase.h") counts as the
            // header it is.
            const QString beside = QFileInfo(file).dir().filePath(header);
            if (layerOf(header).isEmpty() && QFileInfo::exists(beside)) {
                header = kSources.relativeFilePath(QDir::cleanPath(beside));
            }
            if (offends(header, layerOf(source), layerOf(header))) {
                offenders.append(source + QStringLiteral(": ") + header);
            }
        }
    }
    return offenders;
}

} // namespace

class TestCoreBoundary : public QObject {
    Q_OBJECT

    static QSet<QString> headersOf(const QString& module) {
        QSet<QString> names;
        QDirIterator it(QStringLiteral(VORTALEX_QT_HEADERS "/") + module, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            names.insert(QFileInfo(it.next()).fileName().toLower());
        }
        return names;
    }

private slots:
    void noCoreSourceIncludesGuiOrWidgets() {
        const QSet<QString> forbidden =
            headersOf(QStringLiteral("QtGui")) + headersOf(QStringLiteral("QtWidgets")) +
            QSet<QString>{QStringLiteral("qtgui"), QStringLiteral("qtwidgets")};
        QVERIFY2(forbidden.contains(QStringLiteral("qcolor")), "Qt Gui headers not found");
        QVERIFY(forbidden.contains(QStringLiteral("qwidget.h")));
        int includes = 0;
        const QStringList offenders = offendersIn("core", [&](const QString& header, auto, auto) {
            ++includes;
            const QString base = header.section(QLatin1Char('/'), -1).toLower();
            const QString module = header.section(QLatin1Char('/'), 0, 0).toLower();
            return header.contains(QLatin1Char('/'))
                       ? module == QLatin1String("qtgui") || module == QLatin1String("qtwidgets")
                       : forbidden.contains(base);
        });
        QVERIFY(includes > 100);
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
    }

    void everyIncludeKeepsTheOrderOfTheLayers() {
        // What each core folder may include besides itself. A new folder has to be given its
        // place here before anything of it is used.
        const QStringList base{"core/common", "core/data", "core/sound"};
        const QHash<QString, QStringList> below{{"core/common", {}},
                                                {"core/data", {"core/common"}},
                                                {"core/sound", {"core/common"}},
                                                {"core/board", base},
                                                {"core/menu", base},
                                                {"core/summary", base}};
        QStringList offenders;
        for (const char* folder : {"core", "ui", "app"}) {
            offenders += offendersIn(folder, [&](auto, const QString& from, const QString& to) {
                if (to.isEmpty() || from == QLatin1String("app")) {
                    return false;
                }
                if (to == QLatin1String("app") || from.startsWith(QLatin1String("ui/"))) {
                    return to == QLatin1String("app"); // nothing includes app
                }
                return !below.contains(from) || (from != to && !below.value(from).contains(to));
            });
        }
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
    }

    // The screens stand beside each other: app builds the boards and the score tables and hands
    // them to the menu, and the widgets know nothing of the database.
    void noScreenIncludesAScreenItDoesNotOpen() {
        const QSet<std::pair<QString, QString>> nevers{{"ui/menu", "ui/board"},
                                                       {"ui/menu", "ui/summary"},
                                                       {"ui/summary", "ui/menu"},
                                                       {"ui/widgets", "core/data"}};
        const QStringList offenders =
            offendersIn("ui", [&](auto, const QString& from, const QString& to) {
                return nevers.contains({from, to});
            });
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestCoreBoundary)
#include "TestCoreBoundary.moc"
