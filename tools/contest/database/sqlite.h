#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

// The one failure of a results database: what was being done, to which
// file, and why (SQLite's own message, or the system's).
struct DatabaseError {
  std::string message;
};

class Statement;

// One SQLite connection to one file, closed when it goes. Every failure
// throws DatabaseError naming the file.
class Connection {
 public:
  // Opens `path` with SQLite's open flags; `uri`, when given, is what SQLite
  // opens instead (a file: URI with parameters for the same file).
  Connection(const std::string& path, int flags, const std::string& uri = {});

  const std::string& path() const { return path_; }
  sqlite3* handle() const { return handle_.get(); }

  // Runs SQL that returns no rows.
  void execute(std::string_view sql) const;
  Statement prepare(std::string_view sql) const;
  // The first column of the first row of `sql`; 0 when there is none.
  std::int64_t number(std::string_view sql) const;

  // Throws DatabaseError: "`doing` 'path': SQLite's message".
  [[noreturn]] void fail(std::string_view doing) const;

  // Closes it now, so that a failure to close can be told.
  void close();

 private:
  struct Closer {
    void operator()(sqlite3* handle) const { sqlite3_close(handle); }
  };
  std::string path_;
  std::unique_ptr<sqlite3, Closer> handle_;
};

// One prepared statement: bind by position from 1, step, read columns from
// 0. It rewinds itself when its rows run out, ready for the next use.
class Statement {
 public:
  Statement(const Connection& connection, std::string_view sql);

  Statement& bind(int position, std::string_view text);  // TEXT, its bytes as they are
  Statement& bindBlob(int position, std::string_view bytes);
  Statement& bindNull(int position);
  Statement& bind(int position, std::int64_t number);

  // Runs to the next row; false when there is none.
  bool step();
  // Runs a statement that returns no rows.
  void run();

  bool isNull(int column) const;
  std::int64_t number(int column) const;
  std::string bytes(int column) const;  // TEXT or BLOB bytes

 private:
  struct Finaliser {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
  };
  Statement& check(int code);

  const Connection* connection_;
  std::unique_ptr<sqlite3_stmt, Finaliser> statement_;
};
