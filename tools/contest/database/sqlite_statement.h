#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <string>
#include <string_view>

// A failure of the results database, with SQLite's own message.
struct DatabaseError {
  std::string message;
};

// Throws DatabaseError with the connection's message unless `code` is `expected`.
void checkSqlite(sqlite3* database, int code, std::string_view doing, int expected = SQLITE_OK);

// One prepared statement: bind by position from 1, step, read columns from 0.
// Rewinds itself for the next use.
class Statement {
 public:
  Statement(sqlite3* database, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& bind(int position, std::string_view text);  // TEXT, its bytes as they are
  Statement& bindBlob(int position, std::string_view bytes);
  Statement& bindNull(int position);
  Statement& bind(int position, std::int64_t number);

  // Runs to the next row; false when there is none (and the statement is reset).
  bool step();
  // Runs a statement that returns no rows.
  void run();

  std::int64_t number(int column) const;
  std::string text(int column) const;  // TEXT or BLOB bytes

 private:
  sqlite3* database_;
  sqlite3_stmt* statement_ = nullptr;
};
