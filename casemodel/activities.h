#pragma once
// The activities a stage can hold, numbered as the data file stores them: the eight everyday
// activities (0-7), the sports (8-23) and the works (24-37), each with its typical metabolic
// rate in W/m2.
#include <string>

struct ActivityEntry {
    const char* Name;
    double Rate;
};

constexpr int EverydayActivityCount = 8;
constexpr int FirstSport = 8;
constexpr int FirstWork = 24;
constexpr int AllActivityCount = 38;

// The entry of an index in 0..AllActivityCount-1; nullptr outside.
const ActivityEntry* FindActivity(int index);
// Its name; an index outside the table (the data-file reader refuses such, other callers might
// not) still gets a line of its own: "Activity " and the number.
std::string ActivityName(int index);
// Its rate; 0 outside the table.
double ActivityRate(int index);
