// The core library must not use Qt Gui or Qt Widgets. Linking would not catch a header-only use
// (a QColor in a model, say), so every include of every core source is checked against the
// headers those two modules install, whatever the spelling.
#include <QDir>
#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

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
        const QRegularExpression include(QStringLiteral("^\\s*#\\s*include\\s*[<\"]([^>\"]+)[>\"]"),
                                         QRegularExpression::MultilineOption);
        QStringList offenders;
        int sources = 0;
        QDirIterator it(QStringLiteral(VORTALEX_SOURCE_DIR "/src/core"), {"*.h", "*.cpp"},
                        QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly));
            ++sources;
            const QString text = QString::fromUtf8(file.readAll());
            auto matches = include.globalMatch(text);
            while (matches.hasNext()) {
                const QString header = matches.next().captured(1);
                const QString base = header.section(QLatin1Char('/'), -1).toLower();
                const QString module = header.section(QLatin1Char('/'), 0, 0).toLower();
                if ((header.contains(QLatin1Char('/')) &&
                     (module == QLatin1String("qtgui") || module == QLatin1String("qtwidgets"))) ||
                    (!header.contains(QLatin1Char('/')) && forbidden.contains(base))) {
                    offenders.append(path + QStringLiteral(": ") + header);
                }
            }
        }
        QVERIFY(sources > 20);
        QVERIFY2(offenders.isEmpty(), qPrintable(offenders.join(QLatin1Char('\n'))));
    }
};

QTEST_GUILESS_MAIN(TestCoreBoundary)
#include "TestCoreBoundary.moc"
