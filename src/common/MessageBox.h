#pragma once

#include <QString>

namespace vortalex {

inline const QString kAppTitle = QStringLiteral("Vortalex");

// Message styles and answers in the classic desktop convention: buttons and icon are added.
namespace msg {
inline constexpr int kOkOnly = 0;
inline constexpr int kYesNo = 4;
inline constexpr int kCritical = 16;
inline constexpr int kQuestion = 32;
inline constexpr int kExclamation = 48;
inline constexpr int kInformation = 64;
inline constexpr int kButtonMask = 0x0f;
inline constexpr int kIconMask = 0x70;

inline constexpr int kOk = 1;
inline constexpr int kYes = 6;
inline constexpr int kNo = 7;

inline const QString kLineBreak = QStringLiteral("\r\n");
} // namespace msg

// Every message the game shows goes through this, so tests can answer boxes without a modal
// loop and record what the player would have read.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // An empty title shows the application's title. Returns msg::kOk, kYes or kNo.
    virtual int show(const QString& text, int style, const QString& title) = 0;
};

} // namespace vortalex
