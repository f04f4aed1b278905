#pragma once

namespace vortalex::cue {

// Cue names as the screens ask for them; files are found ignoring letter case.
inline constexpr const char* kClicking = "\\CLICKING.wav";
inline constexpr const char* kLevel = "\\level.wav";
inline constexpr const char* kQuit = "\\QUIT.wav";
inline constexpr const char* kLevelChosen = "\\sound136.wav";
inline constexpr const char* kSlide = "\\Slide.wav";
inline constexpr const char* kCorrect = "\\CORRECT.wav";
inline constexpr const char* kCorrectLower = "\\correct.wav";
inline constexpr const char* kWrongWord = "\\WRONG WORD.wav";
inline constexpr const char* kPlay = "\\shuffle.wav";
inline constexpr const char* kShuffle = "\\Shuffle.wav";
inline constexpr const char* kTileDown = "\\TileDown.wav";
inline constexpr const char* kOhNo = "\\ohno.wav";
inline constexpr const char* kWinner = "\\WINNER.WAV";

} // namespace vortalex::cue
