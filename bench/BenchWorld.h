#pragma once

#include "core/board/BoardModel.h"
#include "core/common/Services.h"
#include "core/common/SessionState.h"
#include "core/data/GameDatabase.h"

#include "Deals.h"
#include "TestDoubles.h"

#include <cstdint>
#include <memory>

namespace vortalex::bench {

// What the screens and models need, over `db`: recording doubles for cues and message boxes
// and a generator seeded 1, 2, 3, ... per board, so that every run deals the same fields.
class BenchWorld {
public:
    BenchWorld(const QString& programFolder, GameDatabase& db)
        : services(db) {
        services.programFolder = programFolder;
        services.cues = &cues;
        services.messages = &messages;
        services.newRandom = [this] {
            return std::make_unique<SeededRandom>(m_seed++);
        };
    }
    BenchWorld(const BenchWorld&) = delete;
    BenchWorld& operator=(const BenchWorld&) = delete;

    Services services;
    test::RecordingCues cues;
    test::ScriptedMessages messages;
    SessionState session;

private:
    std::uint64_t m_seed = 1;
};

// The fields an Expert level hands its summary: its deal's and those of three shuffles.
inline QList<TileGrid> expertFields(BenchWorld& world) {
    BoardModel board(Level::Expert, world.services, world.session);
    test::openAndPlay(board);
    QList<TileGrid> fields{board.grid()};
    for (int shuffle = 0; shuffle < 3; ++shuffle) {
        board.runCommand(BoardCommand::Shuffle);
        test::finishDealing(board);
        fields.append(board.grid());
    }
    return fields;
}

} // namespace vortalex::bench
