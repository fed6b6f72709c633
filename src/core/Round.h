// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One round of the game, as rules and whole numbers, with no window: the deal, the target,
// the numbers on the board, the working row, whose turn it is and how it ends. Whatever
// drives the round (a click on a tile, a key, a pad) calls the same functions, and whatever
// shows it (the play window) reads it back. The times are handed in, so the rules run the
// same at any speed.
//
// A round moves through its phases in this order:
//   Dealing       seven numbers, dealt one by one (deal)
//   Spin          the target display spins (settleTarget ends it)
//   TargetShown   the target stands; the buzzers open at the round clock's first step
//                 (openBuzzers), or at once in practice
//   BuzzersOpen   the first player to buzz gets the board (buzz)
//   BuzzFlash     that player answers while their buzz is flashed (flashDone ends it)
//   Answering     the player works out the target (select, chooseOperation, makeNumber,
//                 cancel), until a limit (checkLimits) or Give Up (giveUp) ends the turn and
//                 the buzzers are open again, or a made number wins
//   WinningFlash  the winning tile flashes
//   Ended         the round is over (end)

#include "core/puzzle/Target.h"
#include "platform/Clock.h"

#include <array>
#include <cstdint>

namespace core {

struct Game;

class Round {
public:
    enum class Phase : std::uint8_t { Dealing, Spin, TargetShown, BuzzersOpen, BuzzFlash, Answering, WinningFlash, Ended };
    enum class Row : std::uint8_t { Dealt, Made };
    // A tile of the board a number can be chosen from: dealt 0 to 6, made 0 to 2.
    struct Tile {
        Row row = Row::Dealt;
        int index = -1;
        bool operator==(const Tile&) const = default;
    };
    static constexpr int MadeSlots = 3;

    enum class Buzz : std::uint8_t {
        Closed,        // not open, not playing, or told already that all turns are used
        Accepted,      // the board is the player's
        LastTurn,      // the board is the player's, for the last time this round
        AllTurnsUsed,  // refused, and the player is told so, once a round
    };
    // What `=` did. A refused result sends both numbers back to their tiles.
    enum class Made : std::uint8_t {
        Nothing,      // the working row lacks a number
        Number,       // a number made, in `slot`
        Win,          // the target made, in `slot`
        NotWhole,     // refused: a fraction
        TooLarge,     // refused: 1000 or more
        Zero,         // refused, and the player is told nothing
        NotPositive,  // refused: below 0
    };
    struct MadeNumber {
        Made outcome = Made::Nothing;
        int slot = -1;
    };
    // How a turn was stopped: a stop counts against the player, and enough of them disqualify.
    enum class Limit : std::uint8_t { None, AnswerTime, IdleTime, Cancels };
    struct Stop {
        Limit limit = Limit::None;
        bool disqualified = false;
        explicit operator bool() const { return limit != Limit::None; }
    };

    // The rules, the players and the scores are the game's: a win scores there, and a stop
    // is counted there.
    explicit Round(Game& game) : game_(&game) {}

    // A new round: nothing dealt, every player's turns back, no points yet this round.
    void start();
    // The next dealt number; after the seventh the target spins.
    void deal(int number);
    // The target the spin settled on.
    void settleTarget(int target);
    // The round clock's step: buzzes are taken from now on.
    void openBuzzers();
    Buzz buzz(int place, platform::Moment now);
    // The player has read the "Last Turn" reminder: their answer time starts now.
    void lastTurnRead(platform::Moment now);
    void flashDone();
    // The number on `tile` moves into the working row's first free place. Any choice of a
    // number shows the player is still at it, even one that moves nothing. False when no
    // number moved.
    bool select(Tile tile, platform::Moment now);
    // One of the four a player chooses from, "a op b"; a reversed one is refused.
    bool chooseOperation(Operation operation);
    MadeNumber makeNumber();
    // The working row's numbers go back to their tiles; one cancel too many stops the turn.
    Stop cancel();
    // True when the board is back as dealt and open for buzzing: refused while the numbers
    // are dealt, the target spins, and during either flash.
    bool giveUp();
    // The answer time, then the idle time, in whole seconds against the game's rules: a
    // limit passed stops the turn.
    Stop checkLimits(platform::Moment now);
    // Refused while the numbers are dealt, the target spins or the winning tile flashes.
    bool canEndEarly() const;
    void end();

    bool operator==(const Round&) const = default;

    Phase phase() const { return phase_; }
    bool isAnswering() const { return phase_ == Phase::BuzzFlash || phase_ == Phase::Answering; }
    int dealtCount() const { return dealtCount_; }
    int target() const { return target_; }
    const Deal& deal() const { return deal_; }
    // The number on a tile, or 0 when it is empty.
    int numberOn(Tile tile) const;
    // The working row: its numbers (0 for none), where they came from, and the operation.
    int first() const { return first_.number; }
    int second() const { return second_.number; }
    Tile firstTile() const { return first_.from; }
    Tile secondTile() const { return second_.from; }
    Operation operation() const { return operation_; }
    int answeringPlayer() const { return answering_; }
    // The player answering, or who won the round; -1 for none.
    int contender() const { return isAnswering() ? answering_ : winner_; }
    int winningSlot() const { return winningSlot_; }
    int turnsTaken(int place) const { return turnsTaken_[place]; }
    int cancels() const { return cancels_; }
    platform::Moment answerStart() const { return answerStart_; }
    platform::Moment lastSelection() const { return lastSelection_; }

private:
    struct Chosen {
        int number = 0;
        Tile from;
        bool operator==(const Chosen&) const = default;
    };
    // Chosen numbers go back to the tiles they came from; the operation is + again.
    void resetWorking();
    // The turn is over: the board as dealt, the buzzers open.
    void endTurn();
    Stop stopTurn(Limit limit);

    Game* game_;
    Phase phase_ = Phase::Ended;
    Deal deal_{};
    int dealtCount_ = 0;
    int target_ = 0;
    std::array<bool, DealSize> used_{};  // dealt numbers not on their tiles
    std::array<int, MadeSlots> made_{};  // 0: empty
    Chosen first_;
    Chosen second_;
    Operation operation_ = Operation::Add;
    int answering_ = -1;
    int winner_ = -1;
    int winningSlot_ = -1;
    std::array<int, 6> turnsTaken_{};
    int cancels_ = 0;
    platform::Moment answerStart_{};
    platform::Moment lastSelection_{};
};

}  // namespace core
