#pragma once
// The words-list analysis report: how many entries there are of each length
// and how often each letter of the alphabet occurs, with the weight a
// dictionary would give it. Its letter lines ("Char0=A", "Prob0=1000") are in
// the form of a dictionary file's alphabet section, ready to be pasted there.

#include <string>

#include "lexicon/LetterData.h"

class TWordsList;

// The report text, lines broken by "\r\n". Empty when there is nothing to
// analyze: the list has no entry, or no character of it is in the alphabet
// (then no letter has a weight to report).
std::string WordsListAnalysisReport(const TWordsList& words, const TLetterData& letters);
