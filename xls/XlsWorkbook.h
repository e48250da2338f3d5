#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "GlobalsSection.h"
#include "SheetSection.h"
#include "StorageFile.h"
#include "XlsSheet.h"

namespace terrovane::xls {

// A workbook of named sheets saved as a compound document holding one BIFF8 "Workbook" stream. Sheets
// are stored by value: fetch a sheet pointer again after AddSheet, AddNamedSheet or Reset. The file
// stays open after SaveToPath so SaveToOpenFile can rewrite it; destroying the workbook releases it.
class XlsWorkbook {
  public:
    XlsWorkbook();
    ~XlsWorkbook();
    XlsWorkbook(const XlsWorkbook&) = delete;
    XlsWorkbook& operator=(const XlsWorkbook&) = delete;

    // A fresh workbook with max(n, 1) sheets named Sheet1, Sheet2, ...
    void Reset(int sheetCount);
    int SheetCount() const { return static_cast<int>(sheets_.size()); }
    XlsSheet* SheetAt(int index);
    // Names compare byte for byte; sheets named in UTF-16 are not found by name.
    XlsSheet* SheetByName(std::string_view name);
    std::string SheetName(int index) const;
    // Adds "Sheet<k>" with the lowest k from SheetCount()+1 not in use; position -1 appends.
    XlsSheet* AddSheet(int position = -1);
    // Null when the name exists (or is empty or longer than 255 characters).
    XlsSheet* AddNamedSheet(std::string_view name, int position = -1);
    bool RenameSheet(int index, std::string_view name);

    // Path in UTF-8. True when the whole file was written.
    bool SaveToPath(std::string_view utf8Path);
    bool SaveToOpenFile();

    // The "Workbook" stream for the current cells (builds the records as a save does).
    std::vector<std::uint8_t> BuildStream();

    GlobalsSection& Globals() { return globals_; }
    std::vector<SheetSection>& Sections() { return sections_; }
    const StorageFile& Storage() const { return storage_; }

  private:
    friend void BuildRecords(XlsWorkbook& workbook);
    friend void PlaceSheets(XlsWorkbook& workbook);
    friend void PlaceRowBlocks(XlsWorkbook& workbook);

    void Renumber();

    StorageFile storage_;
    GlobalsSection globals_;
    std::vector<SheetSection> sections_;
    std::vector<XlsSheet> sheets_;
};

// The save steps, always run in this order: cell grids to records and the string table, the sheets'
// stream positions, and the row blocks' INDEX and DBCELL offsets.
void BuildRecords(XlsWorkbook& workbook);
void PlaceSheets(XlsWorkbook& workbook);
void PlaceRowBlocks(XlsWorkbook& workbook);

}  // namespace terrovane::xls
