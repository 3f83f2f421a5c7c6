#include "contest/database/sqlite_statement.h"

void checkSqlite(sqlite3* database, int code, std::string_view doing, int expected) {
  if (code == expected) return;
  const char* message = database != nullptr ? sqlite3_errmsg(database) : sqlite3_errstr(code);
  throw DatabaseError{std::string(doing) + ": " + message};
}

Statement::Statement(sqlite3* database, std::string_view sql) : database_(database) {
  checkSqlite(database,
              sqlite3_prepare_v2(database, sql.data(), static_cast<int>(sql.size()), &statement_, nullptr),
              "reading the results database");
}

Statement::~Statement() { sqlite3_finalize(statement_); }

Statement& Statement::bind(int position, std::string_view text) {
  checkSqlite(
      database_,
      sqlite3_bind_text(statement_, position, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT),
      "binding a value");
  return *this;
}

Statement& Statement::bindBlob(int position, std::string_view bytes) {
  // A zero-length blob from a null pointer would be NULL.
  const int code = bytes.empty() ? sqlite3_bind_zeroblob(statement_, position, 0)
                                 : sqlite3_bind_blob(statement_, position, bytes.data(),
                                                     static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
  checkSqlite(database_, code, "binding a value");
  return *this;
}

Statement& Statement::bindNull(int position) {
  checkSqlite(database_, sqlite3_bind_null(statement_, position), "binding a value");
  return *this;
}

Statement& Statement::bind(int position, std::int64_t number) {
  checkSqlite(database_, sqlite3_bind_int64(statement_, position, number), "binding a value");
  return *this;
}

bool Statement::step() {
  const int code = sqlite3_step(statement_);
  if (code == SQLITE_ROW) return true;
  sqlite3_reset(statement_);
  checkSqlite(database_, code, "using the results database", SQLITE_DONE);
  return false;
}

void Statement::run() {
  while (step()) {
  }
}

std::int64_t Statement::number(int column) const { return sqlite3_column_int64(statement_, column); }

std::string Statement::text(int column) const {
  const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement_, column));
  const int size = sqlite3_column_bytes(statement_, column);
  return bytes == nullptr ? std::string() : std::string(bytes, static_cast<std::size_t>(size));
}
