#include "ErrorTrap.h"

#include "ErrorReport.h"
#include "RuntimeError.h"
#include "Services.h"

namespace orrinvale {

namespace {

// The text an error shows as its description.
std::string describe(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::bad_alloc&) {
        return errors::kOutOfMemory;
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unknown error";
    }
}

} // namespace

ErrorTrap::ErrorTrap(Services& services, const char* originText)
    : services_(services), origin_(originText)
{
}

void ErrorTrap::enter(int line)
{
    if (services_.faults)
        services_.faults->beforeStep(origin_, line);
}

void ErrorTrap::report(std::exception_ptr error, int line)
{
    services_.boxes.show(std::string(kErrorBoxTitle),
                         errorReportText(describe(error), origin_, line, services_.app.supportAddress),
                         BoxIcon::Warning);
}

} // namespace orrinvale
