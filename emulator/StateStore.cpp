#include "StateStore.h"

#include <QDir>
#include <QLockFile>

#include <sqlite3.h>

namespace {

constexpr int SchemaVersion = 1;
const char DatabaseName[] = "register.db";
const char LockName[] = "register.lock";

// Frees a prepared statement however the function leaves.
struct Statement {
  sqlite3_stmt* handle = nullptr;
  ~Statement() { sqlite3_finalize(handle); }
};

QString columnText(sqlite3_stmt* statement, int column) {
  const auto* text = reinterpret_cast<const char16_t*>(sqlite3_column_text16(statement, column));
  const int bytes = sqlite3_column_bytes16(statement, column);
  return QString::fromUtf16(text, bytes / 2);
}

void bindText(sqlite3_stmt* statement, int index, const QString& text) {
  sqlite3_bind_text16(statement, index, text.utf16(), int(text.size() * 2), SQLITE_TRANSIENT);
}

}  // namespace

void StateChange::put(const QString& key, const QString& value) {
  writes_.push_back({Kind::Put, key, value});
}

void StateChange::remove(const QString& key) { writes_.push_back({Kind::Remove, key, {}}); }

void StateChange::removePrefix(const QString& prefix) {
  writes_.push_back({Kind::RemovePrefix, prefix, {}});
}

StateStore::StateStore() = default;

StateStore::~StateStore() { sqlite3_close(db_); }

bool StateStore::fail(const QString& reason) {
  error_ = reason;
  sqlite3_close(db_);
  db_ = nullptr;
  return false;
}

QString StateStore::lastSqliteError() const {
  return db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("нет соединения с базой");
}

bool StateStore::execute(const char* sql) {
  return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

bool StateStore::open(const QString& folder) {
  error_.clear();
  if (!QDir().mkpath(folder))
    return fail(QStringLiteral("Не удается создать папку состояния %1").arg(folder));
  lock_ = std::make_unique<QLockFile>(QDir(folder).filePath(LockName));
  lock_->setStaleLockTime(0);
  if (!lock_->tryLock())
    return fail(QStringLiteral("Папка состояния %1 занята другим процессом").arg(folder));
  const QByteArray path = QDir(folder).filePath(DatabaseName).toUtf8();
  if (sqlite3_open_v2(path.constData(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                      nullptr) != SQLITE_OK)
    return fail(QStringLiteral("Не удается открыть базу состояния: %1").arg(lastSqliteError()));
  sqlite3_busy_timeout(db_, 2000);
  if (!checkIntegrity() || !prepareSchema() || !loadValues()) return false;
  return true;
}

bool StateStore::checkIntegrity() {
  Statement check;
  if (sqlite3_prepare_v2(db_, "PRAGMA quick_check", -1, &check.handle, nullptr) != SQLITE_OK ||
      sqlite3_step(check.handle) != SQLITE_ROW)
    return fail(QStringLiteral("База состояния повреждена: %1").arg(lastSqliteError()));
  const QString verdict = columnText(check.handle, 0);
  if (verdict != u"ok") return fail(QStringLiteral("База состояния повреждена: %1").arg(verdict));
  return true;
}

std::optional<int> StateStore::schemaVersion() {
  Statement version;
  if (sqlite3_prepare_v2(db_, "PRAGMA user_version", -1, &version.handle, nullptr) != SQLITE_OK ||
      sqlite3_step(version.handle) != SQLITE_ROW)
    return std::nullopt;
  return sqlite3_column_int(version.handle, 0);
}

bool StateStore::prepareSchema() {
  const auto version = schemaVersion();
  if (!version)
    return fail(
        QStringLiteral("Не удается прочитать версию базы состояния: %1").arg(lastSqliteError()));
  const int found = *version;
  if (found > SchemaVersion)
    return fail(QStringLiteral("База состояния версии %1 новее, чем понимает эта программа (%2)")
                    .arg(found)
                    .arg(SchemaVersion));
  if (!execute("PRAGMA journal_mode=WAL") || !execute("PRAGMA synchronous=FULL"))
    return fail(
        QStringLiteral("Не удается настроить журнал базы состояния: %1").arg(lastSqliteError()));
  if (found == SchemaVersion) return true;
  const bool created =
      execute("BEGIN IMMEDIATE") &&
      execute("CREATE TABLE state(key TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID") &&
      execute("PRAGMA user_version = 1") && execute("COMMIT");
  if (!created)
    return fail(QStringLiteral("Не удается создать базу состояния: %1").arg(lastSqliteError()));
  return true;
}

bool StateStore::loadValues() {
  Statement select;
  if (sqlite3_prepare_v2(db_, "SELECT key, value FROM state", -1, &select.handle, nullptr) !=
      SQLITE_OK)
    return fail(QStringLiteral("Не удается прочитать базу состояния: %1").arg(lastSqliteError()));
  int step = SQLITE_ROW;
  while ((step = sqlite3_step(select.handle)) == SQLITE_ROW)
    values_.insert(columnText(select.handle, 0), columnText(select.handle, 1));
  if (step != SQLITE_DONE)
    return fail(QStringLiteral("Не удается прочитать базу состояния: %1").arg(lastSqliteError()));
  return true;
}

std::optional<QString> StateStore::value(const QString& key) const {
  const auto found = values_.constFind(key);
  if (found == values_.constEnd()) return std::nullopt;
  return *found;
}

std::optional<qint64> StateStore::number(const QString& key) const {
  const auto text = value(key);
  if (!text) return std::nullopt;
  bool ok = false;
  const qint64 parsed = text->toLongLong(&ok);
  if (!ok) return std::nullopt;
  return parsed;
}

bool StateStore::writeAll(const StateChange& change) {
  using Kind = StateChange::Kind;
  const char* const sql[] = {
      // In the order of StateChange::Kind.
      "INSERT OR REPLACE INTO state(key, value) VALUES(?1, ?2)",
      "DELETE FROM state WHERE key = ?1",
      "DELETE FROM state WHERE substr(key, 1, length(?1)) = ?1",
  };
  Statement statements[std::size(sql)];
  for (std::size_t i = 0; i < std::size(sql); ++i)
    if (sqlite3_prepare_v2(db_, sql[i], -1, &statements[i].handle, nullptr) != SQLITE_OK)
      return false;
  for (const StateChange::Write& write : change.writes_) {
    sqlite3_stmt* statement = statements[std::size_t(write.kind)].handle;
    sqlite3_reset(statement);
    bindText(statement, 1, write.key);
    if (write.kind == Kind::Put) bindText(statement, 2, write.value);
    if (sqlite3_step(statement) != SQLITE_DONE) return false;
  }
  return true;
}

void StateStore::applyToCache(const StateChange& change) {
  for (const StateChange::Write& write : change.writes_) {
    switch (write.kind) {
      case StateChange::Kind::Put:
        values_.insert(write.key, write.value);
        break;
      case StateChange::Kind::Remove:
        values_.remove(write.key);
        break;
      case StateChange::Kind::RemovePrefix:
        values_.removeIf([&](const auto& entry) { return entry.key().startsWith(write.key); });
        break;
    }
  }
}

bool StateStore::commit(const StateChange& change) {
  if (!db_) return false;
  if (change.isEmpty()) return true;
  if (!execute("BEGIN IMMEDIATE")) {
    error_ = QStringLiteral("Не удается начать запись состояния: %1").arg(lastSqliteError());
    return false;
  }
  if (!writeAll(change) || !execute("COMMIT")) {
    error_ = QStringLiteral("Не удается записать состояние: %1").arg(lastSqliteError());
    execute("ROLLBACK");
    return false;
  }
  applyToCache(change);
  return true;
}
