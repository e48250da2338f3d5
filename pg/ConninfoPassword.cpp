#include "ConninfoPassword.h"

#include <libpq-fe.h>

#include <memory>

namespace terrovane::pg {
namespace {

// A value in the key=value form: quoted, with quotes and backslashes escaped.
std::string Quoted(const std::string& value) {
    std::string quoted = "'";
    for (char c : value) {
        if (c == '\'' || c == '\\') {
            quoted += '\\';
        }
        quoted += c;
    }
    return quoted + "'";
}

}  // namespace

ConninfoWithoutPassword TakePasswordOut(const std::string& conninfo) {
    char* error = nullptr;
    std::unique_ptr<PQconninfoOption, decltype(&PQconninfoFree)> options(
        PQconninfoParse(conninfo.c_str(), &error), &PQconninfoFree);
    PQfreemem(error);
    if (options == nullptr) {
        return {conninfo, std::nullopt};
    }
    ConninfoWithoutPassword result;
    std::string rest;
    for (const PQconninfoOption* option = options.get(); option->keyword != nullptr; ++option) {
        if (option->val == nullptr) {
            continue;
        }
        if (std::string(option->keyword) == "password") {
            result.password = option->val;
            continue;
        }
        rest += (rest.empty() ? "" : " ") + std::string(option->keyword) + "=" + Quoted(option->val);
    }
    // Kept as typed (a URI stays a URI) unless a password has to come out.
    result.conninfo = result.password ? rest : conninfo;
    return result;
}

}  // namespace terrovane::pg
