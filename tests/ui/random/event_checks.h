#pragma once
// The pieces that the checks of single events share: comparisons of game
// values, and the checks of each kind of event.

#include "invariants.h"

#include <array>
#include <string>
#include <string_view>

namespace tessaline::ui::random {

// The system's button face, as the squares' back colour reports it.
inline constexpr Colour ButtonFace = SystemButtonFace;

std::size_t WindowSlot(std::string_view window);
bool InPlay(const Game& game, int column, int row);
// Not a block and not uncovered: marked squares are hidden too.
bool Hidden(const Cell& cell);
bool SameCell(const Cell& a, const Cell& b);
bool SameGrid(const Game& a, const Game& b);
bool SameSettings(const Game& a, const Game& b);
// Everything a dialog could change: grid, settings, counts and the flag.
bool SameCore(const Game& a, const Game& b);
// The first value that differs, for the report.
std::string Difference(const Game& a, const Game& b);
bool AllUncovered(const Game& game);
// Which colours the Colors Scanned boxes tick, by colour code.
std::array<bool, 7> Ticks(Session& session);

// The board window's client area just holds the board in play.
void CheckBoardSize(Session& session, const Game& game, Failures& failures);
// After a whole-board redraw every square in play shows what its cell says.
void CheckRedraw(Session& session, const Observation& before, const Observation& after,
                 Failures& failures);
// A press and release on one square at one spot, judged by the rules of play.
void CheckClick(Session& session, const Observation& before, const Observation& after,
                const Expect::Click& click, Failures& failures);
// OK of the Options dialog with the eight texts as they stood.
void CheckOptions(Session& session, const Observation& before, const Observation& after,
                  const std::array<std::string, 8>& texts, Failures& failures);
void CheckSetBlocks(Session& session, const Observation& before, const Observation& after,
                    const std::string& text, Failures& failures);
void CheckNewGame(Session& session, const Observation& before, const Observation& after,
                  Failures& failures);
void CheckOpenCustomize(Session& session, const Observation& before, const Observation& after,
                        Failures& failures);
void CheckOpenOptions(Session& session, const Observation& before, const Observation& after,
                      Failures& failures);

} // namespace tessaline::ui::random
