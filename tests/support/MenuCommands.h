#pragma once

#include "core/menu/MenuModel.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace vortalex::test {

// Tiles of the menu's field that spell each command, each touching the one before (the window
// tests keep the same paths in window/lib.sh, for the shell).
inline const QList<int> kStartTiles{12, 18, 24, 20, 25};
inline const QList<int> kLoadTiles{17, 11, 7, 3};
inline const QList<int> kStatTiles{22, 18, 24, 25};
inline const QList<int> kHelpTiles{8, 13, 17, 23};
inline const QList<int> kQuitTiles{9, 5, 10, 14};

// Records what the menu asked for; each hook stands in for what the opened screen would do.
class RecordingMenuActions final : public MenuActions {
public:
    void openRegistration() override { call(QStringLiteral("registration"), onRegistration); }
    void openLoad() override { call(QStringLiteral("load"), onLoad); }
    void openStats() override { call(QStringLiteral("stats"), {}); }
    void runHelp() override { call(QStringLiteral("help"), {}); }
    void quit() override { call(QStringLiteral("quit"), onQuit); }
    void playLevels(Level first) override { levels.append(first); }
    void playTodaysField() override { call(QStringLiteral("today"), {}); }

    QStringList calls; // every command but the level chooser's
    QList<Level> levels;
    std::function<void()> onRegistration;
    std::function<void()> onLoad;
    std::function<void()> onQuit;

private:
    void call(const QString& what, const std::function<void()>& hook) {
        calls.append(what);
        if (hook) {
            hook();
        }
    }
};

} // namespace vortalex::test
