// The one exception type of Kelpie. Every failure that ends a load or a
// property call is an Error whose Kind tells callers what went wrong, and whose
// message says what and where (record kind and file position where known).
#pragma once

#include <kelpie/KelpieExport.h>

#include <stdexcept>
#include <string>

namespace kelpie {

enum class ErrorKind {
    DuplicateKey,    // a key was added to a keyed collection twice
    MissingKey,      // a lookup by key found nothing
    OutOfRange,      // a position or index outside its valid range
    Overflow,        // a value does not fit its field
    InvalidArgument, // an argument the member cannot accept
    MissingObject,   // an object that must exist does not
    FileError,       // the file system refused (open, read, write)
};

class KELPIE_API Error : public std::runtime_error {
public:
    Error(ErrorKind kind, const std::string& message);
    ErrorKind Kind() const noexcept { return kind_; }

private:
    ErrorKind kind_;
};

// Name of an error kind, for messages ("duplicate key", "missing key", ...).
KELPIE_API const char* ErrorKindName(ErrorKind kind) noexcept;

} // namespace kelpie
