#include "Problems.h"

#include "FirmProblems.h"
#include "MessageBox.h"

namespace terrovane::archive {
const std::vector<const char*>& ProblemTexts() {
    static const std::vector<const char*> texts = {
        kSiteNeedsName, kPositionNeedsBoth, kPositionOutOfRange, kLimitNotPositive, kIntervalOutOfRange,
        kSiteNameTaken, kNoSiteNamed, kPointNeedsName, kPointNameTaken, kPointNameTakenThere, kNoPointNamed,
        kTooFewPoints, kLimitNotUnderstood, kLimitSourceEmpty, kNoSite, kNoPoint, kNoResult, kNoReadOut,
        kNoSoilModel, kNoFopCurve, kNoGridAssessment, kNoTypedResult, kValueNeedsName, kUnknownValueName,
        kValueNotANumber, kValueNegative, kUnitNotOfValue, kUnknownMethod, kValueNotOfMethod,
        kMainValueMissing, kValueTwice, kMeasuredNotADate, kMeasuredInFuture, kTypedTextTooLong,
        kAlreadyCorrected, kNoAttachment, kNotAttachable, kNotWhatItsNameSays, kImageUnreadable,
        kAttachmentTooLarge, kCaptionTooLong, kNotAPhoto,
        // the firm's profile and the issued reports
        kFirmTextTooLong, kPrefixNotUnderstood, kLogoTooLarge, kLogoNotPngOrSvg, kNoReportPrefix,
        kNoIssuedReport, kNoReportRevision, kReportOfOtherSite, kRevisionTaken,
        // visits
        kNoVisit, kVisitDateNotADate, kInstrumentNeedsName, kCalibrationNotADate, kAirTemperatureOutOfRange,
        kVisitTextTooLong, kResultNotAtVisitSite,
        // traverses and soundings typed by hand
        kTraverseProbe, kTraverseTooShort, kSoundingTooShort, kTooManyReadings, kReadingNotPositive,
        kDistanceTwice, kSchlumbergerPotentialSpacing, kNoTypedTraverse, kNoTypedSounding,
        // typed results in visits
        kTypedNotAtVisitSite,
        // soil models, fall-of-potential curves and grid assessments kept
        kSoilModelLayers, kLayerResistivity, kLastLayerThickness, kLayerNeedsThickness, kLayerThickness,
        kSoundingPointNotPositive, kRmsNegative, kCurveProbe, kCurveTooShort, kCurveReadingNotPositive,
        kGridFieldNotANumber, kGridNamesMissing, kGridSizesNotPositive, kSurfaceLayerHalf,
        // a deletion undone
        kResultAssignedSince, kTypedChangedSince, kAttachedFileGone, kChangedSinceDeletion};
    return texts;
}

std::string Problem(const char* text, const std::vector<std::string>& arguments) {
    return platform::FillArguments(text, arguments);
}

namespace {

Failure Said(ErrorCode code, const char* text, std::vector<std::string> arguments) {
    Failure failure;
    failure.code = code;
    failure.problem = text;
    failure.problemContext = "ArchiveProblems";
    failure.arguments = std::move(arguments);
    return failure;
}

}  // namespace

Failure Refused(const char* text, std::vector<std::string> arguments) {
    return Said(ErrorCode::Refused, text, std::move(arguments));
}

Failure Missing(const char* text, std::vector<std::string> arguments) {
    return Said(ErrorCode::NoSuchItem, text, std::move(arguments));
}

}  // namespace terrovane::archive
