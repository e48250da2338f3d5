#include "SourceTable.h"

namespace terrovane::imports {

bool IsBlankRow(const SourceRow& row) {
    for (const Cell& cell : row.cells) {
        if (cell.text.find_first_not_of(" \t\r\n") != std::string::npos) {
            return false;
        }
    }
    return true;
}

}  // namespace terrovane::imports
