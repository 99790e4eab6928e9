#pragma once

#include <QString>

#include <stdexcept>

// An error whose Russian message is meant for the user: the top-level handler shows
// message() in a message box. Validation and conversion failures raise it directly.
class FeroxError : public std::runtime_error {
 public:
  explicit FeroxError(const QString& message)
      : std::runtime_error(message.toStdString()), message_(message) {}
  const QString& message() const { return message_; }

 private:
  QString message_;
};

