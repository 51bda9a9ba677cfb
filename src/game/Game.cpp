#include "Game.h"

#include "BoardJumps.h"
#include "GameTexts.h"

namespace brimblet {

namespace {
constexpr std::int32_t kDieFaces = 6;
constexpr std::int32_t kHumanExtraCountBound = 10;  // 1 to 10 face draws
constexpr std::int32_t kFredExtraCountBound = 15;   // 1 to 15 face draws
}  // namespace

void Game::FormCreate() {
    state_.GameActive = 0;
    state_.PlayMode = kOnePlayerMode;
    state_.Turn = kPlayer1;
    state_.Position1 = kStartSquare;
    state_.Position2 = kStartSquare;
}

void Game::Player1Click() {
    state_.GameActive = 1;
    state_.PlayMode = kOnePlayerMode;
    view_.ShowNameDialog(kOnePlayerMode);
}

void Game::Player2Click() {
    state_.GameActive = 1;
    state_.PlayMode = kTwoPlayerMode;
    view_.ShowNameDialog(kTwoPlayerMode);
}

void Game::RestartClick() {
    state_.Turn = kPlayer1;
    state_.Position1 = kStartSquare;
    state_.Position2 = kStartSquare;
    state_.GameActive = 1;
    view_.DrawCounters1(state_.Position1, state_.Position2);
    view_.ClearLog();
    view_.AppendLogLine(texts_.RestartHint);
}

void Game::Image2Click() {
    if (state_.GameActive != 1) {
        return;
    }
    if (state_.PlayMode == kTwoPlayerMode) {
        Dice();
        return;
    }
    Dice();
    if (state_.GameActive == 1) {
        Fred();
    }
}

void Game::Dice() { Throw(kHumanExtraCountBound, true); }

void Game::Fred() { Throw(kFredExtraCountBound, false); }

void Game::Throw(std::int32_t extraCountBound, bool humanThrow) {
    random_.ReseedFromClock();
    const std::int32_t extraCount = random_.Uniform(extraCountBound);
    for (std::int32_t draw = 0; draw <= extraCount; ++draw) {
        state_.LastThrow = random_.Uniform(kDieFaces) + 1;
    }
    view_.ShowDieFace(state_.LastThrow);

    const std::string message =
        FillTemplate(texts_.Scored, {{"name", MoverName()}, {"value", std::to_string(state_.LastThrow)}});
    if (humanThrow && state_.Turn == kPlayer1) {
        view_.ReplaceLog(message);
    } else {
        view_.AppendLogLine(message);
    }
    Calculate();
}

void Game::Calculate() {
    std::int32_t& position = state_.Turn == kPlayer1 ? state_.Position1 : state_.Position2;
    const std::int32_t sum = position + state_.LastThrow;

    ++record_.Throws;
    const std::string* outcome = nullptr;
    if (sum > kFinishSquare) {
        ++record_.Refused;
        outcome = &texts_.TooHigh;  // the counter stays where it stood
    } else if (sum == kFinishSquare) {
        ++record_.Wins;
        state_.GameActive = 0;
        position = sum;
        outcome = &texts_.Wins;
    } else if (const auto jump = FindJump(sum)) {
        const bool ladder = jump->Kind == JumpKind::Ladder;
        ++(ladder ? record_.Ladders : record_.Strings);
        position = jump->To;
        outcome = ladder ? &texts_.Ladder : &texts_.String;
    } else {
        position = sum;
    }

    if (outcome != nullptr) {
        view_.AppendLogLine(FillTemplate(*outcome, {{"name", MoverName()}}));
    }
    view_.DrawCounters1(state_.Position1, state_.Position2);
    state_.Turn = state_.Turn == kPlayer1 ? kPlayer2 : kPlayer1;
}

std::string Game::MoverName() const {
    const bool player1 = state_.Turn == kPlayer1;
    if (state_.PlayMode == kTwoPlayerMode) {
        return view_.NameBoxText(player1 ? NameBox::TwoPlayerFirst : NameBox::TwoPlayerSecond);
    }
    return player1 ? view_.NameBoxText(NameBox::OnePlayerName) : std::string(kFredName);
}

}  // namespace brimblet
