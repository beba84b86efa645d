// A run-time failure inside a handler (overflow, a refused property value, a failed platform
// call). Handlers with an error trap catch it and report their code; see ErrorTrap.h.
#pragma once

#include <stdexcept>

class RuntimeFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
