#pragma once

#include "core/Error.h"

namespace tessell {

// The failures of the page layout engine; the operation stops and the report's
// state stays as it was.
class LRError : public Error {
public:
    using Error::Error;
};

} // namespace tessell
