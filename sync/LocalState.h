#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "Sqlite.h"

namespace terrovane::sync {

// One mutable thing as the team shares it: a kind the server knows ("site", "point", "assignment",
// "note", or a stored analysis's kind, whose one field says it was deleted) and its id.
struct Entity {
    std::string kind;
    std::string uuid;
    auto operator<=>(const Entity&) const = default;
};

// A thing as this archive holds it now: each field's value as JSON text, the stamp of the latest change
// here, and the site it belongs to (the server judges rights by it).
struct EntityState {
    std::map<std::string, std::string> fields;
    std::string stamp;
    std::optional<std::string> site;
    // The outbox entry a change of it here is listed under.
    std::string outboxKind;
    std::string outboxRef;
};

// Whether a change of the thing made here waits to be sent, or was refused by the server.
bool ChangedHere(archive::Database& db, const Entity& entity, const EntityState& state);

// What the outbox's (kind, ref) stands for: the things it changed, with their state here (nullopt: not
// held here in any form, e.g. a result that is gone).
struct OutboxEntity {
    Entity entity;
    std::optional<EntityState> state;
};
std::vector<OutboxEntity> EntitiesOfOutbox(archive::Database& db, const std::string& kind,
                                           const std::string& ref);

// A field as the server last had it: the base of a change made here.
struct BaseField {
    std::string value;
    std::string stamp;
};
std::map<std::string, BaseField> BaseFields(archive::Database& db, const Entity& entity);

// The state here of a thing the server sent, found by its id and, for what belongs to a result or a
// read-out, by the target its fields name (`incoming`, else the base).
std::optional<EntityState> LocalStateOf(archive::Database& db, const Entity& entity,
                                        const std::map<std::string, std::string>& incoming);

// The hex content key of a result, as bytes for the query.
std::vector<std::uint8_t> KeyBytes(const std::string& hex);

}  // namespace terrovane::sync
