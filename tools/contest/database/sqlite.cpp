#include "contest/database/sqlite.h"

#include "common/escaped_bytes.h"
#include "common/tool_error.h"

Connection::Connection(const std::string& path, int flags, const std::string& uri) : path_(path) {
  sqlite3* opened = nullptr;
  const int code = sqlite3_open_v2(uri.empty() ? path.c_str() : uri.c_str(), &opened,
                                   flags | (uri.empty() ? 0 : SQLITE_OPEN_URI), nullptr);
  handle_.reset(opened);
  if (code != SQLITE_OK) {
    if (opened == nullptr)
      throw ToolError{"cannot open " + shownFileName(path) + ": " + sqlite3_errstr(code)};
    fail("cannot open");
  }
  // A commit of another process is waited for, not failed on.
  sqlite3_busy_timeout(opened, 60000);
  sqlite3_extended_result_codes(opened, 1);
}

void Connection::execute(std::string_view sql) const {
  const std::string text(sql);
  if (sqlite3_exec(handle(), text.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) fail("cannot write");
}

bool Connection::tryExecute(std::string_view sql) const {
  const std::string text(sql);
  return sqlite3_exec(handle(), text.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool Connection::executeUnlessBusy(std::string_view sql, std::string_view doing) const {
  if (tryExecute(sql)) return true;
  if ((sqlite3_errcode(handle()) & 0xff) != SQLITE_BUSY) fail(doing);
  return false;
}

std::int64_t Connection::lastRowId() const { return sqlite3_last_insert_rowid(handle()); }

void Connection::copyRows(const Connection& source, std::string_view table) const {
  Statement rows(source, "SELECT * FROM " + std::string(table));
  const int columns = sqlite3_column_count(rows.statement_.get());
  std::string insert = "INSERT INTO " + std::string(table) + " VALUES (";
  for (int column = 0; column < columns; ++column) insert += column == 0 ? "?" : ", ?";
  Statement copy(*this, insert + ")");
  while (rows.step()) {
    for (int column = 0; column < columns; ++column) {
      copy.check(sqlite3_bind_value(copy.statement_.get(), column + 1,
                                    sqlite3_column_value(rows.statement_.get(), column)));
    }
    copy.run();
  }
}

std::optional<std::string> Connection::foldLog() const {
  // TRUNCATE waits for other writers and readers of the file, then copies
  // every logged page back and empties the log.
  int logged = 0;
  int folded = 0;
  const int code = sqlite3_wal_checkpoint_v2(handle(), nullptr, SQLITE_CHECKPOINT_TRUNCATE, &logged, &folded);
  if (code == SQLITE_BUSY || (code == SQLITE_OK && logged == folded)) return std::nullopt;
  return std::string(sqlite3_errmsg(handle()));
}

Statement Connection::prepare(std::string_view sql) const { return {*this, sql}; }

std::int64_t Connection::number(std::string_view sql) const {
  Statement statement(*this, sql);
  std::int64_t value = 0;
  if (statement.step()) value = statement.number(0);
  while (statement.step()) {
  }
  return value;
}

void Connection::fail(std::string_view doing) const {
  throw ToolError{std::string(doing) + " " + shownFileName(path_) + ": " + sqlite3_errmsg(handle())};
}

void Connection::close() {
  if (sqlite3_close(handle()) != SQLITE_OK) fail("cannot close");
  static_cast<void>(handle_.release());
}

Statement::Statement(const Connection& connection, std::string_view sql) : connection_(&connection) {
  sqlite3_stmt* statement = nullptr;
  const int code =
      sqlite3_prepare_v2(connection.handle(), sql.data(), static_cast<int>(sql.size()), &statement, nullptr);
  statement_.reset(statement);
  if (code != SQLITE_OK) connection.fail("cannot read");
}

Statement& Statement::check(int code) {
  if (code != SQLITE_OK) connection_->fail("cannot use");
  return *this;
}

Statement& Statement::bind(int position, std::string_view text) {
  return check(sqlite3_bind_text(statement_.get(), position, text.data(), static_cast<int>(text.size()),
                                 SQLITE_TRANSIENT));
}

Statement& Statement::bindBlob(int position, std::string_view bytes) {
  // A zero-length blob from a null pointer would be NULL.
  return check(bytes.empty() ? sqlite3_bind_zeroblob(statement_.get(), position, 0)
                             : sqlite3_bind_blob(statement_.get(), position, bytes.data(),
                                                 static_cast<int>(bytes.size()), SQLITE_TRANSIENT));
}

Statement& Statement::bindNull(int position) { return check(sqlite3_bind_null(statement_.get(), position)); }

Statement& Statement::bind(int position, std::int64_t number) {
  return check(sqlite3_bind_int64(statement_.get(), position, number));
}

bool Statement::step() {
  const int code = sqlite3_step(statement_.get());
  if (code == SQLITE_ROW) return true;
  sqlite3_reset(statement_.get());
  if (code != SQLITE_DONE)
    connection_->fail(sqlite3_stmt_readonly(statement_.get()) != 0 ? "cannot read" : "cannot write");
  return false;
}

void Statement::run() {
  while (step()) {
  }
}

bool Statement::isNull(int column) const {
  return sqlite3_column_type(statement_.get(), column) == SQLITE_NULL;
}

std::int64_t Statement::number(int column) const { return sqlite3_column_int64(statement_.get(), column); }

std::string Statement::bytes(int column) const {
  const auto* data = static_cast<const char*>(sqlite3_column_blob(statement_.get(), column));
  const int size = sqlite3_column_bytes(statement_.get(), column);
  return data == nullptr ? std::string() : std::string(data, static_cast<std::size_t>(size));
}
