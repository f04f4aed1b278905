#pragma once

#include "core/common/CuePlayer.h"
#include "core/common/MessageBox.h"
#include "core/common/Services.h"
#include "core/common/SessionState.h"

#include <QList>
#include <QStringList>

#include <functional>

namespace vortalex::test {

class RecordingCues final : public CuePlayer {
public:
    void play(Cue cue) override { played.append(cue); }
    QList<Cue> played;
};

struct ShownMessage {
    QString text;
    MessageStyle style;
    QString title;
};

// Answers every box at once: OK boxes with kOk, Yes/No boxes from the scripted answers (Yes
// when none are left). onShow runs while the "box is open", to look at the screen then.
class ScriptedMessages final : public MessageBoxes {
public:
    Answer show(const QString& text, MessageStyle style, const QString& title) override {
        shown.append({text, style, title.isEmpty() ? kAppTitle : title});
        if (onShow) {
            onShow(shown.last());
        }
        if (style.buttons == MessageButtons::YesNo) {
            return answers.isEmpty() ? Answer::Yes : answers.takeFirst();
        }
        return Answer::Ok;
    }
    QStringList texts() const {
        QStringList result;
        for (const ShownMessage& m : shown) {
            result.append(m.text);
        }
        return result;
    }
    QList<ShownMessage> shown;
    QList<Answer> answers;
    std::function<void(const ShownMessage&)> onShow;
};

// Services and a session over a database opened elsewhere (another thread, another process),
// with recording doubles for cues and message boxes.
struct ServicesOver {
    explicit ServicesOver(GameDatabase& database)
        : services(database) {
        services.cues = &cues;
        services.messages = &messages;
    }
    ServicesOver(const ServicesOver&) = delete;
    ServicesOver& operator=(const ServicesOver&) = delete;

    Services services;
    RecordingCues cues;
    ScriptedMessages messages; // "Overwrite?" and every other question is answered Yes
    SessionState session;
};

} // namespace vortalex::test
