#include "gencues/Wav.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace vortalex::gencues {

namespace {

void putU16(std::vector<unsigned char>& out, std::uint16_t v) {
    out.push_back(static_cast<unsigned char>(v & 0xffu));
    out.push_back(static_cast<unsigned char>(v >> 8));
}

void putU32(std::vector<unsigned char>& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<unsigned char>((v >> shift) & 0xffu));
    }
}

// One byte at a time: GCC 12 wrongly warns of an overflow (-Wstringop-overflow) on a range insert.
void putTag(std::vector<unsigned char>& out, const char (&tag)[5]) {
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<unsigned char>(tag[i]));
    }
}

} // namespace

std::vector<unsigned char> encodeWav(const Buffer& buf) {
    constexpr std::uint16_t channels = 1;
    constexpr std::uint16_t bits = 16;
    constexpr std::uint16_t blockAlign = channels * bits / 8;
    const auto dataBytes = static_cast<std::uint32_t>(buf.size() * blockAlign);

    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    putTag(out, "RIFF");
    putU32(out, 36 + dataBytes);
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1); // integer PCM
    putU16(out, channels);
    putU32(out, kSampleRate);
    putU32(out, kSampleRate * blockAlign);
    putU16(out, blockAlign);
    putU16(out, bits);
    putTag(out, "data");
    putU32(out, dataBytes);
    for (double v : buf) {
        const long s = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        putU16(out, static_cast<std::uint16_t>(static_cast<std::int16_t>(s)));
    }
    return out;
}

bool writeFile(const std::filesystem::path& path, const std::vector<unsigned char>& bytes) {
    errno = 0;
    std::FILE* f = std::fopen(path.string().c_str(), "wb");
    if (f == nullptr) {
        std::fprintf(stderr, "vortalex-gencues: cannot create '%s': %s\n", path.string().c_str(),
                     errno != 0 ? std::strerror(errno) : "unknown error");
        return false;
    }
    const bool wrote = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    const int writeErrno = errno;
    const bool closed = std::fclose(f) == 0;
    if (!wrote || !closed) {
        const int err = !wrote ? writeErrno : errno;
        std::fprintf(stderr, "vortalex-gencues: cannot write '%s': %s\n", path.string().c_str(),
                     err != 0 ? std::strerror(err) : "unknown error");
        return false;
    }
    return true;
}

} // namespace vortalex::gencues
