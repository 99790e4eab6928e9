#pragma once

#include <QHash>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

struct sqlite3;
class QLockFile;

// Writes that reach the store together or not at all.
class StateChange {
 public:
  void put(const QString& key, const QString& value);
  void put(const QString& key, qint64 value) { put(key, QString::number(value)); }
  void remove(const QString& key);
  // Removes every key that starts with prefix.
  void removePrefix(const QString& prefix);
  bool isEmpty() const { return writes_.empty(); }

 private:
  friend class StateStore;
  enum class Kind { Put, Remove, RemovePrefix };
  struct Write {
    Kind kind;
    QString key;
    QString value;
  };
  std::vector<Write> writes_;
};

// The register's durable state: keyed texts in an SQLite database in the state folder,
// with a copy in memory for reading. A change reaches the disk (write-ahead log, full
// sync) before the copy changes, so nothing a command acknowledged is lost when the
// process is killed. One process at a time owns a folder.
class StateStore {
 public:
  StateStore();
  ~StateStore();
  StateStore(const StateStore&) = delete;
  StateStore& operator=(const StateStore&) = delete;

  // Opens or creates the database; false when the folder is taken or the database is
  // unreadable, corrupt or of an unknown schema, with the reason in error().
  bool open(const QString& folder);
  bool isOpen() const { return db_ != nullptr; }
  const QString& error() const { return error_; }

  std::optional<QString> value(const QString& key) const;
  std::optional<qint64> number(const QString& key) const;

  // False when the change could not be committed: then nothing of it took effect.
  bool commit(const StateChange& change);

 private:
  bool fail(const QString& reason);
  bool execute(const char* sql);
  std::optional<int> schemaVersion();
  bool prepareSchema();
  bool checkIntegrity();
  bool loadValues();
  bool writeAll(const StateChange& change);
  void applyToCache(const StateChange& change);
  QString lastSqliteError() const;

  std::unique_ptr<QLockFile> lock_;
  sqlite3* db_ = nullptr;
  QHash<QString, QString> values_;
  QString error_;
};
