#pragma once

#include <stdexcept>

namespace geo {

// Raised when a conversion or distance has no finite answer (a latitude past a
// pole, an X or Y beyond 32 bits, the arc cosine of two identical positions).
// Callers that can go on with a fallback value catch it.
class NumericError : public std::domain_error {
public:
    using std::domain_error::domain_error;
};

} // namespace geo
