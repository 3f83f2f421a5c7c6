#pragma once

#include <sqlite3.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/tool_error.h"

class Statement;

// One SQLite connection to one file, closed when it goes. Every failure
// throws ToolError naming the file and giving SQLite's message.
class Connection {
 public:
  // Opens `path` with SQLite's open flags; `uri`, when given, is what SQLite
  // opens instead (a file: URI with parameters for the same file).
  Connection(const std::string& path, int flags, const std::string& uri = {});

  const std::string& path() const { return path_; }

  // Runs SQL that returns no rows.
  void execute(std::string_view sql) const;
  // Runs SQL that may fail, such as a rollback after a failure: whether it ran.
  bool tryExecute(std::string_view sql) const;
  // Runs `change` in one transaction that `begin` opens ("BEGIN IMMEDIATE"
  // to write), committed when it returns and rolled back when it throws.
  template <typename Change>
  void inTransaction(std::string_view begin, Change change) const {
    execute(begin);
    try {
      change();
      execute("COMMIT");
    } catch (...) {
      tryExecute("ROLLBACK");
      throw;
    }
  }
  // Runs SQL that another process may hold up for a moment: false while it
  // does (SQLite's busy answer), and throws for any other failure.
  bool executeUnlessBusy(std::string_view sql, std::string_view doing) const;
  // The row id of the last row inserted.
  std::int64_t lastRowId() const;
  // Copies every row of `table` from `source`, which has the same table.
  void copyRows(const Connection& source, std::string_view table) const;
  // Folds the write-ahead log back into the file and empties it, waiting
  // for other writers and readers: nullopt when it did, or when another
  // process still uses the file (the last to close it folds the log), else
  // SQLite's message.
  std::optional<std::string> foldLog() const;

  Statement prepare(std::string_view sql) const;
  // The first column of the first row of `sql`; 0 when there is none.
  std::int64_t number(std::string_view sql) const;

  // Throws ToolError: "`doing` 'path': SQLite's message".
  [[noreturn]] void fail(std::string_view doing) const;

  // Closes it now, so that a failure to close can be told.
  void close();

 private:
  friend class Statement;
  sqlite3* handle() const { return handle_.get(); }

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
  friend class Connection;
  struct Finaliser {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
  };
  Statement& check(int code);

  const Connection* connection_;
  std::unique_ptr<sqlite3_stmt, Finaliser> statement_;
};
