#pragma once

#include <string>
#include <vector>

#include "Result.h"
#include "TranslationMark.h"

namespace terrovane::archive {

// Why the archive refuses a site, a test point, a limit or an assignment, or does not find what was named:
// fixed texts with what varies as %1, %2. A failure carries the text itself and its arguments (Refused,
// Missing), and the layer of texts says it in the user's language. The older `error` the archive's functions
// fill is the text with its arguments, in English, which that layer still looks up in ProblemTexts().
inline constexpr const char* kSiteNeedsName = QT_TRANSLATE_NOOP("ArchiveProblems", "a site needs a name");
inline constexpr const char* kPositionNeedsBoth =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a position needs both latitude and longitude");
inline constexpr const char* kPositionOutOfRange =
    QT_TRANSLATE_NOOP("ArchiveProblems", "latitude runs from -90 to 90 and longitude from -180 to 180");
inline constexpr const char* kLimitNotPositive =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a limit is a resistance above 0 ohm");
inline constexpr const char* kIntervalOutOfRange =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a test interval runs from 1 to 600 months");
inline constexpr const char* kSiteNameTaken =
    QT_TRANSLATE_NOOP("ArchiveProblems", "there is already a site named \"%1\"");
inline constexpr const char* kNoSiteNamed = QT_TRANSLATE_NOOP("ArchiveProblems", "there is no site \"%1\"");
inline constexpr const char* kPointNeedsName =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a test point needs a name");
inline constexpr const char* kPointNameTaken =
    QT_TRANSLATE_NOOP("ArchiveProblems", "the site already has a test point named \"%1\"");
inline constexpr const char* kPointNameTakenThere =
    QT_TRANSLATE_NOOP("ArchiveProblems", "that site already has a test point of the same name");
inline constexpr const char* kNoPointNamed =
    QT_TRANSLATE_NOOP("ArchiveProblems", "there is no test point \"%1\" at site \"%2\"");
inline constexpr const char* kTooFewPoints = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "the site has %1 test points from the chosen one on, fewer than the %2 results");
inline constexpr const char* kLimitNotUnderstood = QT_TRANSLATE_NOOP(
    "ArchiveProblems",
    "a limit is a preset name (see \"terrovane-cli limits\") or a resistance in ohms above 0, not \"%1\"");
inline constexpr const char* kLimitSourceEmpty =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a limit's source after the comma may not be empty");
// What was named by its id and is not there (any more).
inline constexpr const char* kNoSite = QT_TRANSLATE_NOOP("ArchiveProblems", "there is no site %1");
inline constexpr const char* kNoPoint = QT_TRANSLATE_NOOP("ArchiveProblems", "there is no test point %1");
inline constexpr const char* kNoResult = QT_TRANSLATE_NOOP("ArchiveProblems", "there is no result %1");
inline constexpr const char* kNoReadOut = QT_TRANSLATE_NOOP("ArchiveProblems", "there is no read-out %1");
inline constexpr const char* kNoSoilModel = QT_TRANSLATE_NOOP("ArchiveProblems", "there is no soil model %1");
inline constexpr const char* kNoFopCurve =
    QT_TRANSLATE_NOOP("ArchiveProblems", "there is no fall-of-potential curve %1");
inline constexpr const char* kNoGridAssessment =
    QT_TRANSLATE_NOOP("ArchiveProblems", "there is no grid assessment %1");
inline constexpr const char* kNoTypedResult =
    QT_TRANSLATE_NOOP("ArchiveProblems", "there is no typed result %1");
// A result typed by hand that cannot be kept.
inline constexpr const char* kValueNeedsName = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "a value is typed NAME=VALUE with its unit, as Re=12.5 or Re=>300k, not \"%1\"");
inline constexpr const char* kUnknownValueName =
    QT_TRANSLATE_NOOP("ArchiveProblems", "\"%1\" is no value name (Re, Rs, Rh, Rk, Rac, R, rho, I)");
inline constexpr const char* kValueNotANumber =
    QT_TRANSLATE_NOOP("ArchiveProblems", "the value of %1 is no number: \"%2\"");
inline constexpr const char* kValueNegative =
    QT_TRANSLATE_NOOP("ArchiveProblems", "the value of %1 may not be negative");
inline constexpr const char* kUnitNotOfValue =
    QT_TRANSLATE_NOOP("ArchiveProblems", "\"%1\" is no unit of %2, which takes %3");
inline constexpr const char* kUnknownMethod =
    QT_TRANSLATE_NOOP("ArchiveProblems", "there is no method \"%1\"; the methods are %2");
inline constexpr const char* kValueNotOfMethod =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a result of the method %1 has no value %2; it takes %3");
inline constexpr const char* kMainValueMissing =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a result of the method %1 needs its value %2");
inline constexpr const char* kValueTwice =
    QT_TRANSLATE_NOOP("ArchiveProblems", "the value %1 is given twice");
inline constexpr const char* kMeasuredNotADate = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "the measuring date and time are written YYYY-MM-DD HH:MM and must exist, not \"%1\"");
inline constexpr const char* kMeasuredInFuture =
    QT_TRANSLATE_NOOP("ArchiveProblems", "the measuring date %1 lies in the future");
inline constexpr const char* kTypedTextTooLong =
    QT_TRANSLATE_NOOP("ArchiveProblems",
                      "the instrument, who measured, who typed and the note take at most %1 characters each");
inline constexpr const char* kAlreadyCorrected = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "typed result %1 has been corrected by %2 already; correct the newest version");
// A file that cannot be attached, or an attachment that is not there.
inline constexpr const char* kNoAttachment =
    QT_TRANSLATE_NOOP("ArchiveProblems", "there is no attachment %1");
inline constexpr const char* kNotAttachable = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "\"%1\" cannot be attached: only JPEG and PNG photos and PDF documents can");
inline constexpr const char* kNotWhatItsNameSays =
    QT_TRANSLATE_NOOP("ArchiveProblems", "\"%1\" is named as a %2 file but is none");
inline constexpr const char* kImageUnreadable =
    QT_TRANSLATE_NOOP("ArchiveProblems", "the image \"%1\" cannot be read: %2");
inline constexpr const char* kAttachmentTooLarge =
    QT_TRANSLATE_NOOP("ArchiveProblems", "\"%1\" is larger than %2 MB, the most a file attached may be");
inline constexpr const char* kCaptionTooLong =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a caption takes at most %1 characters");
inline constexpr const char* kNotAPhoto =
    QT_TRANSLATE_NOOP("ArchiveProblems", "attachment %1 is a document: only photos go into the site report");
// A visit that cannot be kept, or is not there.
inline constexpr const char* kNoVisit = QT_TRANSLATE_NOOP("ArchiveProblems", "there is no visit %1");
inline constexpr const char* kVisitDateNotADate =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a visit's date is written YYYY-MM-DD and must exist, not \"%1\"");
inline constexpr const char* kInstrumentNeedsName =
    QT_TRANSLATE_NOOP("ArchiveProblems", "an instrument of a visit needs a name or a serial number");
inline constexpr const char* kCalibrationNotADate = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "a calibration due date is written YYYY-MM-DD and must exist, not \"%1\"");
inline constexpr const char* kAirTemperatureOutOfRange =
    QT_TRANSLATE_NOOP("ArchiveProblems", "the air temperature runs from -80 to 70 °C");
inline constexpr const char* kVisitTextTooLong = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "a visit's notes take at most %1 characters, its other texts at most %2 each");
inline constexpr const char* kResultNotAtVisitSite =
    QT_TRANSLATE_NOOP("ArchiveProblems", "result %1 is not assigned to a test point of the visit's site");
inline constexpr const char* kTypedNotAtVisitSite =
    QT_TRANSLATE_NOOP("ArchiveProblems", "typed result %1 is not of a test point of the visit's site");
// A fall-of-potential traverse or a soil sounding typed by hand that cannot be kept.
inline constexpr const char* kTraverseProbe =
    QT_TRANSLATE_NOOP("ArchiveProblems", "the current probe's distance is a number of metres above 0");
inline constexpr const char* kTraverseTooShort =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a fall-of-potential traverse needs at least two readings");
inline constexpr const char* kSoundingTooShort =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a sounding needs at least two readings");
inline constexpr const char* kTooManyReadings =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a traverse or a sounding takes at most %1 readings");
inline constexpr const char* kReadingNotPositive =
    QT_TRANSLATE_NOOP("ArchiveProblems", "reading %1: the distance and the value are numbers above 0");
inline constexpr const char* kDistanceTwice =
    QT_TRANSLATE_NOOP("ArchiveProblems", "reading %1: the distance %2 m is given twice");
inline constexpr const char* kSchlumbergerPotentialSpacing = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "reading %1: MN/2 is a number of metres above 0 and below its AB/2, %2 m");
inline constexpr const char* kNoTypedTraverse =
    QT_TRANSLATE_NOOP("ArchiveProblems", "there is no typed traverse %1");
inline constexpr const char* kNoTypedSounding =
    QT_TRANSLATE_NOOP("ArchiveProblems", "there is no typed sounding %1");
// A soil model, a fall-of-potential curve or a grid assessment that cannot be kept with its site or point.
inline constexpr const char* kSoilModelLayers =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a soil model has 1 to %1 layers");
inline constexpr const char* kLayerResistivity = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "layer %1: a resistivity is a number above 0 with a sigma not below 0");
inline constexpr const char* kLastLayerThickness =
    QT_TRANSLATE_NOOP("ArchiveProblems", "layer %1: the last layer has no thickness");
inline constexpr const char* kLayerNeedsThickness =
    QT_TRANSLATE_NOOP("ArchiveProblems", "layer %1: every layer but the last has a thickness");
inline constexpr const char* kLayerThickness = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "layer %1: a thickness is a number above 0 with a sigma not below 0");
inline constexpr const char* kSoundingPointNotPositive =
    QT_TRANSLATE_NOOP("ArchiveProblems", "point %1: a spacing and a resistivity are numbers above 0");
inline constexpr const char* kRmsNegative =
    QT_TRANSLATE_NOOP("ArchiveProblems", "the RMS error is a number not below 0");
inline constexpr const char* kCurveProbe =
    QT_TRANSLATE_NOOP("ArchiveProblems", "the current-probe distance is a number above 0");
inline constexpr const char* kCurveTooShort =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a fall-of-potential curve needs at least two readings");
inline constexpr const char* kCurveReadingNotPositive =
    QT_TRANSLATE_NOOP("ArchiveProblems", "reading %1: a distance and a resistance are numbers above 0");
inline constexpr const char* kGridFieldNotANumber = QT_TRANSLATE_NOOP("ArchiveProblems", "%1: not a number");
inline constexpr const char* kGridNamesMissing = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "the shape, rod placement, standard, soil method and verdict are named");
inline constexpr const char* kGridSizesNotPositive = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "the grid's sizes, the soil's resistivity and the duration are above zero");
inline constexpr const char* kSurfaceLayerHalf =
    QT_TRANSLATE_NOOP("ArchiveProblems", "a surface layer has a resistivity and a thickness");
// A deletion that cannot be undone: the archive has changed since in a way that conflicts with it.
inline constexpr const char* kResultAssignedSince =
    QT_TRANSLATE_NOOP("ArchiveProblems", "result %1 has been assigned to a test point since the deletion");
inline constexpr const char* kTypedChangedSince =
    QT_TRANSLATE_NOOP("ArchiveProblems", "typed result %1 has been assigned or corrected since the deletion");
inline constexpr const char* kAttachedFileGone =
    QT_TRANSLATE_NOOP("ArchiveProblems", "the file of the attachment \"%1\" is no longer in the archive");
inline constexpr const char* kChangedSinceDeletion = QT_TRANSLATE_NOOP(
    "ArchiveProblems", "the archive has changed since the deletion in a way that conflicts with it: %1");

// Every text above, for the one boundary that translates them.
const std::vector<const char*>& ProblemTexts();

// The text with its arguments filled, as `error` carries it.
std::string Problem(const char* text, const std::vector<std::string>& arguments = {});

// A refusal said with one of the texts above and its arguments.
[[nodiscard]] Failure Refused(const char* text, std::vector<std::string> arguments = {});
// Something named that is not there (any more), said with one of the "there is no" texts above.
[[nodiscard]] Failure Missing(const char* text, std::vector<std::string> arguments = {});

}  // namespace terrovane::archive
