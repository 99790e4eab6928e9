#pragma once

#include "FeroxError.h"

#include <exception>

// A failure of the call mechanism itself: the control cannot be created or reached, or
// a name is not part of its surface. Device errors are never this: they are result codes.
class DriverCallError : public FeroxError {
 public:
  using FeroxError::FeroxError;
};

// Unwinds the current page action without any message: the failing result code is
// already held by the driver and shown when the action ends. Deliberately not a
// FeroxError, so that no handler can mistake it for something to show.
class SilentAbort : public std::exception {
 public:
  const char* what() const noexcept override { return "silent abort"; }
};
