#pragma once

#include <stdexcept>
#include <string>

// Errors that stop an operation.  Each carries the user-facing, already formatted
// message (Windows-1252 text like every model text); what() returns it.  Missing data
// never raises: accessors return an empty text, 0 or none instead.
class ETaravellError : public std::runtime_error {
 public:
  explicit ETaravellError(const std::string& message) : std::runtime_error(message) {}
};

// An index asked for a position outside 1..count ("Error: In valid index value = %d").
class EIndexError : public ETaravellError {
  using ETaravellError::ETaravellError;
};

// A comparison was handed a missing key.
class ECompareError : public ETaravellError {
  using ETaravellError::ETaravellError;
};

// A record could not be reached ("Error getting pointer to individual %d").
class EMemoryError : public ETaravellError {
  using ETaravellError::ETaravellError;
};

// Mapped storage could not be created, opened, flushed or unmapped.
class EFCreateError : public ETaravellError {
  using ETaravellError::ETaravellError;
};
class EFOpenError : public ETaravellError {
  using ETaravellError::ETaravellError;
};
class EStreamError : public ETaravellError {
  using ETaravellError::ETaravellError;
};

// A file that a reader refuses (wrong kind, unsupported version, too large).
class EFileFormatError : public ETaravellError {
  using ETaravellError::ETaravellError;
};

// The message of every failure to create, open, map, flush or release a file (%s: the
// file's name).
inline constexpr const char* kFileInUseFormat =
    "Error using the file %s\r\nPlease check that this file is not being used by another application.";

// "The file FILE changed on disk while it was being read.": what the front ends say when a
// collection's file changed under it.
std::string ChangedWhileReadingMessage(const std::string& path);

// printf-style formatting of an error message.
std::string FormatMessage(const char* format, ...) __attribute__((format(printf, 1, 2)));
