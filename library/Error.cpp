#include <kelpie/Error.h>

namespace kelpie {

Error::Error(ErrorKind kind, const std::string& message)
    : std::runtime_error(message), kind_(kind) {}

const char* ErrorKindName(ErrorKind kind) noexcept {
    switch (kind) {
    case ErrorKind::DuplicateKey:
        return "duplicate key";
    case ErrorKind::MissingKey:
        return "missing key";
    case ErrorKind::OutOfRange:
        return "out of range";
    case ErrorKind::Overflow:
        return "overflow";
    case ErrorKind::InvalidArgument:
        return "invalid argument";
    case ErrorKind::MissingObject:
        return "missing object";
    case ErrorKind::FileError:
        return "file error";
    }
    return "error";
}

} // namespace kelpie
