#pragma once

#include <stdexcept>
#include <string>

// Raised by the data layer when it is used in a way that has no false result to give, such as
// moving through a result set that was never opened. Content readers catch it around a query.
class CADOException : public std::runtime_error {
public:
    CADOException(long code, const std::string& description)
        : std::runtime_error(description), m_code(code) {}
    long GetErrorCode() const { return m_code; }

private:
    long m_code;
};
