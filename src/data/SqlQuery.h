#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// One value a query is run with: text, a whole number or null.
using SqlValue = std::variant<std::monostate, std::string, std::int64_t>;

// A query made from one of the program's SQL texts (printf style) and its values. It keeps two
// forms: Text(), the SQL exactly as the program writes it with the values in place, for the log
// and messages; and Statement() with Parameters(), what actually runs: every value that sits
// between quotes or stands for a number is bound, never spliced, so a quote in a user's name
// neither breaks nor changes the statement.
//
// Markers: '%s' and '%c' between single quotes bind text; %d binds a number; %s right after an
// underscore is the language suffix of a table name (letters, digits and '_' only, or the query
// is invalid); any other %s takes a condition, itself a SqlQuery, with its parameters.
class SqlQuery {
public:
    struct Arg {
        Arg(std::string s) : text(std::move(s)) {}
        Arg(const char* s) : text(s) {}
        Arg(std::u16string_view s);
        Arg(const char16_t* s) : Arg(std::u16string_view(s)) {}
        Arg(const std::u16string& s) : Arg(std::u16string_view(s)) {}
        Arg(char16_t c);
        Arg(int n) : isNumber(true), number(n) {}
        Arg(std::int64_t n) : isNumber(true), number(n) {}
        Arg(const SqlQuery& q) : condition(&q) {}

        std::string text;
        bool isNumber = false;
        std::int64_t number = 0;
        const SqlQuery* condition = nullptr;
    };

    SqlQuery() = default;
    // A fixed SQL text without markers.
    explicit SqlQuery(std::string_view fixedText);
    static SqlQuery Format(std::string_view programText, std::initializer_list<Arg> args = {});

    const std::string& Text() const { return m_text; }
    const std::string& Statement() const { return m_statement; }
    const std::vector<SqlValue>& Parameters() const { return m_parameters; }
    // Empty when the query was built correctly; otherwise why not (it then never runs).
    const std::string& Problem() const { return m_problem; }
    bool IsValid() const { return m_problem.empty(); }

private:
    std::string m_text;
    std::string m_statement;
    std::vector<SqlValue> m_parameters;
    std::string m_problem;
};
