#pragma once

#include "wordlist/hiddenphrase.h"

#include <QString>

class BadWordList;
struct CandidateSlot;
struct PuzzleRecord;

// What the user chose in the candidate review for the free cells.
struct FillChoice {
    bool includeHidden = false;
    QString hiddenPhrase; // as typed; trimmed of blanks and cut to 255 characters here
};

enum class SaveDecision {
    Write,        // the record is complete: write it to the collection
    KeepOpen,     // not to be written; the review stays open (a message said why)
    ChangePhrase, // not to be written; the user wants to change the hidden phrase
    NoCandidate,  // the slot holds no candidate of the run; nothing was changed
};

// Prepares the chosen candidate for saving, in the order the review saves:
// copies the slot's record into `record`; fills the free cells with the
// hidden phrase (refusing a phrase with a blank or of the wrong length, with
// the messages of the review) or with random letters; screens the finished
// grid with the listed words (loaded and upper-cased by the caller; the
// puzzle's own words exempt) and refills random letters until it is clean,
// or asks whether to change an offending hidden phrase; asks whether to save
// when some of the first `listWordCount` words did not fit; then sets
// Generated, Version "3.0c" and WordPlaced from the slot's flags. Messages go
// through the message service. The caller writes the record when Write is
// returned.
SaveDecision prepareCandidateSave(PuzzleRecord& record, const CandidateSlot& slot, int listWordCount,
                                  const FillChoice& choice, const BadWordList& badList);

// Refills with random letters give up after this many tries (only a listed
// word made of the placed words' own letters can survive them).
inline constexpr int kMaxRefills = 1000;
