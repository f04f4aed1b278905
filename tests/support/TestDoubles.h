#pragma once

#include "common/MessageBox.h"
#include "sound/CuePlayer.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace vortalex::test {

class RecordingCues final : public CuePlayer {
public:
    void play(const QString& cueName) override { played.append(cueName); }
    QStringList played;
};

struct ShownMessage {
    QString text;
    int style;
    QString title;
};

// Answers every box at once: OK boxes with kOk, Yes/No boxes from the scripted answers (Yes
// when none are left). onShow runs while the "box is open", to look at the screen then.
class ScriptedMessages final : public MessageBoxes {
public:
    int show(const QString& text, int style, const QString& title) override {
        shown.append({text, style, title.isEmpty() ? kAppTitle : title});
        if (onShow) {
            onShow(shown.last());
        }
        if ((style & msg::kButtonMask) == msg::kYesNo) {
            return answers.isEmpty() ? msg::kYes : answers.takeFirst();
        }
        return msg::kOk;
    }
    QStringList texts() const {
        QStringList result;
        for (const ShownMessage& m : shown) {
            result.append(m.text);
        }
        return result;
    }
    QList<ShownMessage> shown;
    QList<int> answers;
    std::function<void(const ShownMessage&)> onShow;
};

} // namespace vortalex::test
