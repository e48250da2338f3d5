#pragma once

#include "BiffRecord.h"

namespace terrovane::xls {

// Beginning of a substream: the globals (type 0x0005) or a worksheet (type 0x0010).
class BofRecord : public BiffRecord {
  public:
    static constexpr std::uint16_t kGlobals = 0x0005;
    static constexpr std::uint16_t kWorksheet = 0x0010;
    explicit BofRecord(std::uint16_t type = kGlobals) : BiffRecord(0x0809), type(type) {}
    bool Parse(std::span<const std::uint8_t> payload) override;
    std::size_t PayloadSize() override { return 16; }

    std::uint16_t version = 0x0600;
    std::uint16_t type;
    std::uint16_t build = 6560;
    std::uint16_t year = 1997;
    std::uint32_t historyFlags = 0xC0C9;
    std::uint32_t lowestVersion = 0x0306;

  protected:
    void WriteFields(std::uint8_t* p) override;
};

class EofRecord : public BiffRecord {
  public:
    EofRecord() : BiffRecord(0x000A) {}
    bool Parse(std::span<const std::uint8_t> payload) override { return payload.empty(); }
    std::size_t PayloadSize() override { return 0; }

  protected:
    void WriteFields(std::uint8_t*) override {}
};

// Window position and size in twips, scroll bars and sheet tabs shown, first sheet active.
class Window1Record : public BiffRecord {
  public:
    Window1Record() : BiffRecord(0x003D) {}
    bool Parse(std::span<const std::uint8_t> payload) override;
    std::size_t PayloadSize() override { return 18; }

    std::uint16_t fields[9] = {120, 120, 15135, 9300, 0x0038, 0, 0, 1, 600};

  protected:
    void WriteFields(std::uint8_t* p) override;
};

// 10-point Arial in the window text colour.
class FontRecord : public BiffRecord {
  public:
    FontRecord() : BiffRecord(0x0031) {}
    bool Parse(std::span<const std::uint8_t> payload) override;
    std::size_t PayloadSize() override { return 14 + name.ShortSize(); }

    std::uint16_t height = 200;
    std::uint16_t options = 0;
    std::uint16_t colour = 0x7FFF;
    std::uint16_t weight = 400;
    std::uint16_t escapement = 0;
    std::uint8_t underline = 0, family = 0, charset = 0, reserved = 0;
    BiffText name = BiffText::Wide(u"Arial");

  protected:
    void WriteFields(std::uint8_t* p) override;
};

// A locked style XF, bottom aligned, no borders.
class XfRecord : public BiffRecord {
  public:
    XfRecord() : BiffRecord(0x00E0) {}
    bool Parse(std::span<const std::uint8_t> payload) override;
    std::size_t PayloadSize() override { return 20; }

    std::uint16_t font = 0;
    std::uint16_t format = 0;
    std::uint16_t typeProtectionParent = 0xFFF5;
    std::uint8_t alignment = 0x20, rotation = 0, indent = 0, usedAttributes = 0;
    std::uint32_t borderLines = 0;
    std::uint32_t borderColours = 0;
    std::uint16_t patternColours = 0x20C0;

  protected:
    void WriteFields(std::uint8_t* p) override;
};

// A built-in style (bit 15 of the XF word) carries id and level; a user style carries its name instead.
class StyleRecord : public BiffRecord {
  public:
    StyleRecord() : BiffRecord(0x0293) {}
    bool Parse(std::span<const std::uint8_t> payload) override;
    std::size_t PayloadSize() override { return IsBuiltIn() ? 4 : 2 + name.LongSize(); }
    bool IsBuiltIn() const { return (xfIndex & 0x8000) != 0; }

    std::uint16_t xfIndex = 0x8000;
    std::uint8_t builtInId = 0;
    std::uint8_t outlineLevel = 0xFF;
    BiffText name;

  protected:
    void WriteFields(std::uint8_t* p) override;
};

// One sheet's name and the stream position of its BOF.
class BoundSheetRecord : public BiffRecord {
  public:
    BoundSheetRecord() : BiffRecord(0x0085) {}
    bool Parse(std::span<const std::uint8_t> payload) override;
    std::size_t PayloadSize() override { return 6 + name.ShortSize(); }

    std::uint32_t position = 0;
    std::uint8_t visibility = 0;
    std::uint8_t sheetType = 0;
    BiffText name = BiffText::Narrow("Sheet1");

  protected:
    void WriteFields(std::uint8_t* p) override;
};

// Kept with the globals but never written: readers do not need it for a minimal workbook.
class ExtSstRecord : public BiffRecord {
  public:
    ExtSstRecord() : BiffRecord(0x00FF) {}
    bool Parse(std::span<const std::uint8_t> payload) override { return payload.size() >= 2; }
    std::size_t PayloadSize() override { return 2; }

    std::uint16_t stringsPerBucket = 8;

  protected:
    void WriteFields(std::uint8_t* p) override;
};

}  // namespace terrovane::xls
