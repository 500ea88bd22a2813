#include "casemodel/activities.h"

namespace {

const ActivityEntry Activities[AllActivityCount] = {
    {"Sleeping", 41},
    {"Reclining", 46},
    {"Seated relaxed", 58},
    {"Standing relaxed", 70},
    {"Sitting activity (Office, Laboratory, School)", 70},
    {"Standing activity (Shopping, Light Industry)", 93},
    {"Moving activity (Domestic work)", 116},
    {"Harder activity", 165},
    // sports
    {"Walking on the level 2km/h", 110},
    {"Walking on the level 5km/h", 200},
    {"Sports-running at 15km/h", 550},
    {"Sports-Skiing on the level 9km/h", 405},
    {"Sports-Ice skating 18km/h", 360},
    {"Gymnastics", 319},
    {"Calisthenics", 261},
    {"Dancing, Swimming", 348},
    {"Tennis", 268},
    {"Fencing", 407},
    {"Squash", 418},
    {"Basketball", 442},
    {"Wrestling", 506},
    {"Volleyball", 232},
    {"Bicycling,Golf,Softball", 290},
    {"Handball, Hockey, Racquetball, Soccer", 464},
    // works
    {"Clock and watch repairing", 65},
    {"Car driving", 80},
    {"Garage Work", 140},
    {"Bakery work", 99},
    {"Carpentry work", 112},
    {"Foundry work", 322},
    {"Teaching", 93},
    {"Handing 50 kg bags", 233},
    {"Digging trenches", 350},
    {"Cooking", 110},
    {"House Cleaning, Washing", 175},
    {"Building industry-brick laying", 125},
    {"Forestry cutting", 205},
    {"Agriculture ploughing", 235},
};

} // namespace

const ActivityEntry* FindActivity(int index)
{
    if (index < 0 || index >= AllActivityCount)
        return nullptr;
    return &Activities[index];
}

std::string ActivityName(int index)
{
    const ActivityEntry* entry = FindActivity(index);
    return entry ? entry->Name : "Activity " + std::to_string(index);
}

double ActivityRate(int index)
{
    const ActivityEntry* entry = FindActivity(index);
    return entry ? entry->Rate : 0;
}
