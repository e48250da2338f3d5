#include "ImportProblems.h"

namespace terrovane::imports {

const std::vector<const char*>& ImportProblemTexts() {
    static const std::vector<const char*> texts = {kFileUnreadable,
                                                   kFileTooLarge,
                                                   kQuoteOpen,
                                                   kNotAWorkbook,
                                                   kNoSheet,
                                                   kNoRows,
                                                   kMappingNotJson,
                                                   kMappingInvalid,
                                                   kMappingUnknownMember,
                                                   kMappingNeeds,
                                                   kNoSuchColumn,
                                                   kNoMapping,
                                                   kRowShort,
                                                   kCellEmpty,
                                                   kDateNotInFormat,
                                                   kPointNotSitePoint,
                                                   kOverRangeWithoutBound};
    return texts;
}

}  // namespace terrovane::imports
