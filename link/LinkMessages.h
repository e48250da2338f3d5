#pragma once

#include "MessageTexts.h"

namespace terrovane::link {

// The link's messages, byte for byte as the user knows them (note the full-width comma).
inline constexpr const char* kCannotOpenPort = "cannot open serial port";
inline constexpr const char* kDriverError =
    "device driver error, please check USB driver installation or USB connection";
inline constexpr const char* kNoHandshakeReply = "No data received, please check instrument close or not";
inline constexpr const char* kReadAgainQuestion = "Data have been read, do you read again?";
inline constexpr const char* kReadError = "Read Data error, please retry";
inline constexpr const char* kReadOk = "Read Data OK";
inline constexpr const char* kClockOk = "Set date&time OK";
inline constexpr const char* kClockError = "Set date&time error, please retry";
inline constexpr const char* kClockOutOfRange = "The instrument keeps dates from 2000 to 2099 only";
using format::kNoData;
using format::kNoDataReadFirst;
inline constexpr const char* kEraseQuestion =
    "do you erase current data? this operation will not be recover!";
inline constexpr const char* kEraseOk = "Erase data OK, please retry";
inline constexpr const char* kEraseError = "Erase data error, please retry";

// Our own: the instrument went away (unplugged, switched off) in the middle of a command.
inline constexpr const char* kLostDuringReadOut =
    "The instrument was disconnected during the read-out. The results read before are kept; connect it "
    "again and read once more.";
// The same when no results had been read before: none can be kept.
inline constexpr const char* kLostDuringFirstReadOut =
    "The instrument was disconnected during the read-out, before any results were read. Connect it again "
    "and read once more.";
inline constexpr const char* kLostDuringClock =
    "The instrument was disconnected while its date and time were set. Connect it again and set them once "
    "more.";
inline constexpr const char* kLostDuringErase =
    "The instrument was disconnected during the erase; it may not have erased. The results read before "
    "are kept; connect it again and read to see what it holds.";

}  // namespace terrovane::link
