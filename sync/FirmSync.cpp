// The firm's profile between the archive and the team's server.
#include "FirmSync.h"

#include "Json.h"

namespace terrovane::sync {
namespace {

constexpr const char* kServerFirmFields[] = {"name", "address", "phone", "email", "licence", "prefix"};

std::string archive::FirmProfile::*FirmMember(std::string_view field) {
    using archive::FirmProfile;
    return field == "name"      ? &FirmProfile::name
           : field == "address" ? &FirmProfile::address
           : field == "phone"   ? &FirmProfile::phone
           : field == "email"   ? &FirmProfile::email
           : field == "licence" ? &FirmProfile::licence
                                : &FirmProfile::prefix;
}

int HexDigit(char c) {
    return c >= '0' && c <= '9'   ? c - '0'
           : c >= 'a' && c <= 'f' ? c - 'a' + 10
           : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                  : -1;
}

std::optional<std::string> FromHex(const std::string& hex) {
    if (hex.size() % 2 != 0) {
        return std::nullopt;
    }
    std::string bytes;
    bytes.reserve(hex.size() / 2);
    for (std::size_t at = 0; at < hex.size(); at += 2) {
        const int high = HexDigit(hex[at]);
        const int low = HexDigit(hex[at + 1]);
        if (high < 0 || low < 0) {
            return std::nullopt;
        }
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
    return bytes;
}

}  // namespace

std::string FirmServerJson(const archive::FirmProfile& firm) {
    numbers::Json json = numbers::Json::object();
    for (const char* field : kServerFirmFields) {
        json[field] = firm.*FirmMember(field);
    }
    if (!firm.logo.empty()) {
        json["logo_type"] = firm.logoType;
    }
    return numbers::JsonText(json);
}

std::optional<archive::FirmProfile> FirmFromServer(const std::string& json, const std::string& logoHex) {
    const numbers::Json parsed = numbers::Json::parse(json, nullptr, false);
    if (!parsed.is_object()) {
        return std::nullopt;
    }
    archive::FirmProfile firm;
    for (const char* field : kServerFirmFields) {
        const auto value = parsed.find(field);
        if (value == parsed.end() || !value->is_string()) {
            return std::nullopt;
        }
        firm.*FirmMember(field) = value->get<std::string>();
    }
    std::optional<std::string> logo = FromHex(logoHex);
    if (!logo) {
        return std::nullopt;
    }
    if (!logo->empty()) {
        const auto type = parsed.find("logo_type");
        if (type == parsed.end() || !type->is_string()) {
            return std::nullopt;
        }
        firm.logoType = type->get<std::string>();
        firm.logo = std::move(*logo);
    }
    return firm;
}

}  // namespace terrovane::sync
