#include "ErrorReport.h"

#include "RuntimeError.h"

namespace orrinvale {

std::string errorReportText(std::string_view description, std::string_view originText, int line,
                            std::string_view supportAddress)
{
    std::string text;
    text.append(description);
    text.append("\r\n");
    text.append(originText);
    text.append("at line ");
    text.append(std::to_string(line));
    text.append("\r\r");
    text.append("Please email screenshot of this message to ");
    text.append(supportAddress);
    return text;
}

std::string errors::missingElement(long long index)
{
    return "Control array element '" + std::to_string(index) + "' doesn't exist";
}

} // namespace orrinvale
