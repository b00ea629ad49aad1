#pragma once

#include "scoring/translatable.h"

#include <array>
#include <vector>

namespace wellbox {

// A line of what a result gives for a goal: the goal and its calories a day.
struct GoalLine {
    Phrase goal;
    Phrase calories;
};

// What a result adds from other equations and tables for the same entries, each naming its
// source: an index with its band, a second estimate, and what it gives to lose or gain weight,
// with the notes on how. Shown at a glance, and kept after the result texts.
struct ResultEstimates {
    std::vector<Phrase> bodyMass; // a line each
    std::vector<Phrase> secondEstimate;
    std::array<Phrase, 2> goalHeadings;
    std::vector<GoalLine> goals; // none: no table
    std::vector<Phrase> goalNotes;

    bool empty() const { return bodyMass.empty() && secondEstimate.empty() && goals.empty(); }
};

} // namespace wellbox
