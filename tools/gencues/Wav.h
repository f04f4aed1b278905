// The cue files: 16-bit mono PCM WAV.
#pragma once

#include "gencues/Signal.h"

#include <filesystem>
#include <vector>

namespace vortalex::gencues {

// Written byte by byte, little-endian, so the header is right whatever the host's byte order.
std::vector<unsigned char> encodeWav(const Buffer& buf);

// Tells what went wrong on the standard error stream, and returns false, when it cannot.
bool writeFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes);

} // namespace vortalex::gencues
