// The error trap a handler runs its numbered steps under. A step that raises
// an error is reported in the "Application Error" box with its line number,
// and the handler then goes on: after an ordinary step with the next one,
// after a failing test with the steps the test guards.
#pragma once

#include "Platform.h"

#include <exception>
#include <new>
#include <string>
#include <utility>

namespace orrinvale {

struct Services;

class ErrorTrap {
public:
    ErrorTrap(Services& services, const char* originText);

    // An ordinary step. Returns false when it failed (and was reported).
    template <class Action>
    bool step(int line, Action&& action)
    {
        try {
            enter(line);
            std::forward<Action>(action)();
            return true;
        } catch (...) {
            report(std::current_exception(), line);
            return false;
        }
    }

    // A test. A test that fails counts as having held.
    template <class Condition>
    bool test(int line, Condition&& condition)
    {
        try {
            enter(line);
            return std::forward<Condition>(condition)();
        } catch (...) {
            report(std::current_exception(), line);
            return true;
        }
    }

private:
    void enter(int line);
    void report(std::exception_ptr error, int line);

    Services& services_;
    const char* origin_;
};

} // namespace orrinvale
