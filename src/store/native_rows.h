// Reading many rows fast: the memory's queue and figures read tens of thousands of rows at a time.
#pragma once

#include <sqlite3.h>

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <array>
#include <initializer_list>
#include <string>
#include <string_view>

#include "database.h"
#include "store_error.h"

namespace store {

// The rows of one statement, read through SQLite's own interface on the connection's handle,
// where the values of a hundred thousand rows take a fraction of the time the driver's take;
// through the driver when there is no such handle.
class NativeRows {
public:
    // The statement's parameters, in order, are `values`.
    NativeRows(QSqlDatabase& db, const char* sql, std::initializer_list<qint64> values = {}) : query_(db) {
        const QVariant handle = db.driver()->handle();
        if (handle.isValid() && qstrcmp(handle.typeName(), "sqlite3*") == 0) {
            native_ = *static_cast<sqlite3* const*>(handle.constData());
            if (native_ && sqlite3_prepare_v2(native_, sql, -1, &statement_, nullptr) == SQLITE_OK) {
                int at = 0;
                for (qint64 v : values) sqlite3_bind_int64(statement_, ++at, v);
                return;
            }
            if (statement_) sqlite3_finalize(statement_);
            statement_ = nullptr;
        }
        query_.setForwardOnly(true);
        if (!query_.prepare(QLatin1String(sql))) throwQueryError(query_);
        for (qint64 v : values) query_.addBindValue(v);
        if (!query_.exec()) throwQueryError(query_);
    }
    ~NativeRows() {
        if (statement_) sqlite3_finalize(statement_);
    }
    NativeRows(const NativeRows&) = delete;
    NativeRows& operator=(const NativeRows&) = delete;

    bool next() {
        if (!statement_) {
            if (query_.next()) return true;
            if (query_.lastError().isValid()) throwQueryError(query_);
            return false;
        }
        const int status = sqlite3_step(statement_);
        if (status == SQLITE_ROW) return true;
        if (status != SQLITE_DONE)
            throw StoreError(QString::fromUtf8(sqlite3_errmsg(native_)), false,
                             sqlite3_extended_errcode(native_) & 0xff);
        return false;
    }
    bool isNull(int c) const {
        return statement_ ? sqlite3_column_type(statement_, c) == SQLITE_NULL : query_.value(c).isNull();
    }
    double real(int c) const {
        return statement_ ? sqlite3_column_double(statement_, c) : query_.value(c).toDouble();
    }
    qint64 integer(int c) const {
        return statement_ ? sqlite3_column_int64(statement_, c) : query_.value(c).toLongLong();
    }
    // The text of a column as UTF-8 bytes, empty for NULL; valid until the next row.
    std::string_view text(int c) {
        if (!statement_) {
            held_[size_t(c) % held_.size()] = query_.value(c).toString().toStdString();
            return held_[size_t(c) % held_.size()];
        }
        const unsigned char* t = sqlite3_column_text(statement_, c);
        return t ? std::string_view(reinterpret_cast<const char*>(t),
                                    size_t(sqlite3_column_bytes(statement_, c)))
                 : std::string_view();
    }

private:
    QSqlQuery query_;
    sqlite3* native_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
    std::array<std::string, 4> held_;
};

}  // namespace store
