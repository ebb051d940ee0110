// The four pipe schedules and, for each, its nominal sizes with the weight of one foot.
#pragma once

#include "numtext/numtext.h"

#include <optional>
#include <string>
#include <vector>

namespace calc {

using numtext::Extended;

// In the order of the schedule radio buttons and thumbnails of the calculator window.
enum class PipeSchedule { Sch10, Sch40, SchSTD, Sch80 };

// The size labels of a schedule in list order, e.g. 1 1/4" inch.
std::vector<std::string> sizeLabels(PipeSchedule schedule);

// Weight per foot (lb/ft) of the entry at `index` of the schedule's list; no value for an
// index outside the list (-1 when no entry is selected).
std::optional<Extended> weightPerFoot(PipeSchedule schedule, int index);

// Weight per foot of the schedule's first entry, which a newly chosen schedule starts on.
Extended firstWeight(PipeSchedule schedule);

} // namespace calc
