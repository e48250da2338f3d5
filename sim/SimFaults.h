#pragma once

#include <set>
#include <string>

namespace terrovane::sim {

// Misbehaviours the simulated instrument can be told to show, so the program's failure paths can be
// exercised against a real serial line.
struct SimFaults {
    bool silent = false;           // never answers anything
    bool shortLast = false;        // slot 99's packet loses its last byte
    std::set<int> damagedMarkers;  // packets whose second "OK" marker is damaged
    bool clockFail = false;        // the clock reply is "ER\r\n"
    bool eraseFail = false;        // erase answers "NO\r\n" and erases nothing
    bool eraseShort = false;       // erase answers only 3 bytes
    int slowMs = 0;                // each packet is held back this long
    int unplugAfter = -1;          // leave after this many record requests (-1: never)
    int unplugOnLine = -1;         // leave on this command line (1: the first), without answering it
    bool noise = false;            // random bytes after every packet
};

// Adds one fault given as "silent", "short", "marker:K", "clock-fail", "erase-fail", "erase-short",
// "slow:MS", "unplug-after:N", "unplug-on-line:N" or "noise". False, with error set, for anything else.
bool AddFault(const std::string& text, SimFaults& faults, std::string& error);

}  // namespace terrovane::sim
