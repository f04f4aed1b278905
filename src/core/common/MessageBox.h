#pragma once

#include <QString>

namespace vortalex {

inline const QString kAppTitle = QStringLiteral("Vortalex");
// Line breaks inside a message are written CR LF, as the game's texts have always been.
inline const QString kLineBreak = QStringLiteral("\r\n");

enum class MessageButtons { Ok, YesNo };
// One icon per box. A style that asks for the exclamation and the information icon at once
// shows the exclamation: ExclamationInformation keeps that request apart so tests can see it.
enum class MessageIcon {
    None,
    Critical,
    Question,
    Exclamation,
    Information,
    ExclamationInformation
};
enum class Answer { Ok, Yes, No };

struct MessageStyle {
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
    bool operator==(const MessageStyle&) const = default;
};

namespace style {
inline constexpr MessageStyle kPlain{MessageButtons::Ok, MessageIcon::None};
inline constexpr MessageStyle kCritical{MessageButtons::Ok, MessageIcon::Critical};
inline constexpr MessageStyle kExclamation{MessageButtons::Ok, MessageIcon::Exclamation};
inline constexpr MessageStyle kInformation{MessageButtons::Ok, MessageIcon::Information};
inline constexpr MessageStyle kExclamationInformation{MessageButtons::Ok,
                                                      MessageIcon::ExclamationInformation};
inline constexpr MessageStyle kYesNo{MessageButtons::YesNo, MessageIcon::None};
inline constexpr MessageStyle kYesNoQuestion{MessageButtons::YesNo, MessageIcon::Question};
} // namespace style

// Every message the game shows goes through this, so tests can answer boxes without a modal
// loop and record what the player would have read.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An empty title shows the application's title. Ok boxes answer Answer::Ok.
    virtual Answer show(const QString& text, MessageStyle style, const QString& title) = 0;
};

} // namespace vortalex
