// Vortalex sound cues, synthesised at build time.
//
// The repository carries no binary audio: this tool renders every cue from a handful of simple
// voices, so the sounds can be tuned in code review and every build writes byte-identical files.
//
// Usage: vortalex-gencues <output-folder>

#include "gencues/Cues.h"
#include "gencues/Wav.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

using namespace vortalex::gencues;

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vortalex-gencues <output-folder>\n");
        return 2;
    }
    const std::filesystem::path folder(argv[1]);
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        std::fprintf(stderr, "vortalex-gencues: cannot create folder '%s': %s\n",
                     folder.string().c_str(), ec.message().c_str());
        return 1;
    }
    for (const Cue& cue : cues()) {
        if (!writeFile(folder / cue.file, encodeWav(cue.render()))) {
            return 1;
        }
    }
    return 0;
}
