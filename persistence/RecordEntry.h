#pragma once
// Entering an ended game into the records file.

#include <string>

#include "game/GameFigures.h"
#include "persistence/GameSummary.h"

// Enters the game into its table of the records file at path and says what
// became of it. A game without a committed word, with a word the words list
// did not know, in which "Suggest word" was used, or in which a move was
// undone stays out, and the outcome says which of these kept it out. A records file that is there but cannot be
// read is never written over: it is first kept beside it under a name of its
// own (KeptUnreadableAs), and when that fails the game stays out and nothing
// is written.
TRecordOutcome EnterGameInRecords(const std::string& path, const std::string& table,
                                  const TGameFigures& figures, const std::string& dateTime);
