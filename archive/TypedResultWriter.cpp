#include "TypedResultWriter.h"

#include <sqlite3.h>

#include "Hlc.h"
#include "Transaction.h"
#include "Utf8Text.h"

namespace terrovane::archive {

Status TypedResultWriter::Prepare() {
    int rc = uuid_.Prepare(db_, std::string("SELECT ") + kUuidSql);
    if (rc == SQLITE_OK) {
        rc = result_.Prepare(
            db_,
            "INSERT INTO typed_results (uuid, first_version, replaces, point_id, method, "
            "measured_date, measured_time, instrument, measured_by, note, typed_by, typed_at) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    }
    if (rc == SQLITE_OK) {
        rc = value_.Prepare(db_, "INSERT INTO typed_values VALUES (?, ?, ?, ?, ?)");
    }
    if (rc != SQLITE_OK) {
        return LastFailure(db_, rc);
    }
    typedAt_ = NowIso8601();
    return Done{};
}

Result<std::int64_t> TypedResultWriter::Insert(const TypedResultFields& fields,
                                               std::optional<std::int64_t> replaces,
                                               const std::string& first) {
    if (!uuid_.IsPrepared()) {
        if (Status prepared = Prepare(); !prepared) {
            return prepared.Error();
        }
    }
    uuid_.Reset();
    int rc = uuid_.Step();
    if (rc != SQLITE_ROW) {
        return LastFailure(db_, rc);
    }
    const std::string uuid = uuid_.Text(0);
    result_.Reset();
    result_.Bind(1, std::string_view(uuid));
    result_.Bind(2, std::string_view(first.empty() ? uuid : first));
    if (replaces) {
        result_.Bind(3, *replaces);
    } else {
        result_.BindNull(3);
    }
    result_.Bind(4, fields.point);
    result_.Bind(5, std::string_view(fields.method));
    result_.Bind(6, std::string_view(fields.measured).substr(0, 10));
    const std::string time = fields.measured.substr(11) + ":00";
    result_.Bind(7, std::string_view(time));
    // What a terminal or a file in another encoding gave is kept readable rather than refused.
    const std::string texts[] = {ValidUtf8(fields.instrument), ValidUtf8(fields.measuredBy),
                                 ValidUtf8(fields.note), ValidUtf8(fields.typedBy), typedAt_};
    for (int i = 0; i < 5; ++i) {
        result_.Bind(8 + i, std::string_view(texts[i]));
    }
    if ((rc = result_.Step()) != SQLITE_DONE) {
        return LastFailure(db_, rc);
    }
    const std::int64_t id = db_.LastInsertId();
    for (std::size_t i = 0; i < fields.values.size(); ++i) {
        const TypedValue& typed = fields.values[i];
        value_.Reset();
        value_.Bind(1, id);
        value_.Bind(2, static_cast<std::int64_t>(i));
        value_.Bind(3, std::string_view(typed.name));
        typed.overRange ? value_.BindNull(4) : value_.Bind(4, typed.number);
        typed.overRange ? value_.Bind(5, typed.number) : value_.BindNull(5);
        if ((rc = value_.Step()) != SQLITE_DONE) {
            return LastFailure(db_, rc);
        }
    }
    return id;
}

}  // namespace terrovane::archive
