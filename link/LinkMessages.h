#pragma once

#include "MessageTexts.h"

namespace terrovane::link {

// The link's messages, byte for byte as the user knows them (note the full-width comma); a message box
// shows them translated (context "Messages").
inline constexpr const char* kCannotOpenPort = QT_TRANSLATE_NOOP("Messages", "cannot open serial port");
inline constexpr const char* kDriverError = QT_TRANSLATE_NOOP(
    "Messages", "device driver error, please check USB driver installation or USB connection");
inline constexpr const char* kNoHandshakeReply =
    QT_TRANSLATE_NOOP("Messages", "No data received, please check instrument close or not");
inline constexpr const char* kReadAgainQuestion =
    QT_TRANSLATE_NOOP("Messages", "Data have been read, do you read again?");
inline constexpr const char* kReadError = QT_TRANSLATE_NOOP("Messages", "Read Data error, please retry");
inline constexpr const char* kReadOk = QT_TRANSLATE_NOOP("Messages", "Read Data OK");
inline constexpr const char* kClockOk = QT_TRANSLATE_NOOP("Messages", "Set date&time OK");
inline constexpr const char* kClockError = QT_TRANSLATE_NOOP("Messages", "Set date&time error, please retry");
inline constexpr const char* kClockOutOfRange =
    QT_TRANSLATE_NOOP("Messages", "The instrument keeps dates from 2000 to 2099 only");
using format::kNoData;
using format::kNoDataReadFirst;
inline constexpr const char* kEraseQuestion =
    QT_TRANSLATE_NOOP("Messages", "do you erase current data? this operation will not be recover!");
inline constexpr const char* kEraseOk = QT_TRANSLATE_NOOP("Messages", "Erase data OK, please retry");
inline constexpr const char* kEraseError = QT_TRANSLATE_NOOP("Messages", "Erase data error, please retry");

// Our own: the instrument went away (unplugged, switched off) in the middle of a command.
inline constexpr const char* kLostDuringReadOut = QT_TRANSLATE_NOOP(
    "Messages",
    "The instrument was disconnected during the read-out. The results read before are kept; connect it "
    "again and read once more.");
// The same when no results had been read before: none can be kept.
inline constexpr const char* kLostDuringFirstReadOut = QT_TRANSLATE_NOOP(
    "Messages",
    "The instrument was disconnected during the read-out, before any results were read. Connect it again "
    "and read once more.");
inline constexpr const char* kLostDuringClock = QT_TRANSLATE_NOOP(
    "Messages",
    "The instrument was disconnected while its date and time were set. Connect it again and set them once "
    "more.");
inline constexpr const char* kLostDuringErase = QT_TRANSLATE_NOOP(
    "Messages",
    "The instrument was disconnected during the erase; it may not have erased. The results read before "
    "are kept; connect it again and read to see what it holds.");

}  // namespace terrovane::link
