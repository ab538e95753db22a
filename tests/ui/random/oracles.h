#pragma once
// What one event must have done, worked out from the rules of the game and the
// program's values before it: the square clicked, the settings typed, the new
// game, the end of a game, the whole board drawn again.

#include "invariants.h"

#include <optional>
#include <string>

namespace tessaline::ui::random {

// What all 900 squares show; the board window must exist.
Appearance ReadBoard(Session& session);

// The caption a square must show, from the cell, its neighbours in play and the
// ticked colours; nothing where the caption stays as it was (an uncovered block).
std::optional<std::string> ExpectedCaption(const Game& game, const std::array<bool, 7>& ticked,
                                           int column, int row);
// The back colour a square must show; nothing where it stays as it was (a dealt block).
std::optional<Colour> ExpectedBack(const Cell& cell);

void CheckEvent(Session& session, const Observation& before, const Observation& after,
                const Expect& expect, Failures& failures);

} // namespace tessaline::ui::random
