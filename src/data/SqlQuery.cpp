#include "data/SqlQuery.h"

#include "app/TextEncoding.h"

SqlQuery::Arg::Arg(std::u16string_view s) : text(text::Utf16ToUtf8(s)) {}
SqlQuery::Arg::Arg(char16_t c) : text(text::Utf16ToUtf8(std::u16string_view(&c, 1))) {}

SqlQuery::SqlQuery(std::string_view fixedText) : m_text(fixedText), m_statement(fixedText) {}

static bool IsSuffixText(std::string_view s) {
    if (s.empty())
        return false;
    for (const char c : s)
        if (!((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_'))
            return false;
    return true;
}

SqlQuery SqlQuery::Format(std::string_view programText, std::initializer_list<Arg> args) {
    SqlQuery q;
    auto next = args.begin();
    auto fail = [&q](std::string why) {
        if (q.m_problem.empty())
            q.m_problem = std::move(why);
    };
    for (size_t i = 0; i < programText.size(); ++i) {
        const char c = programText[i];
        if (c != '%' || i + 1 >= programText.size()) {
            q.m_text += c;
            q.m_statement += c;
            continue;
        }
        const char kind = programText[++i];
        if (kind == '%') {
            q.m_text += '%';
            q.m_statement += '%';
            continue;
        }
        if (next == args.end()) {
            fail("too few values for the query");
            break;
        }
        const Arg& arg = *next++;
        const bool quoted =
            i >= 2 && programText[i - 2] == '\'' && i + 1 < programText.size() && programText[i + 1] == '\'';
        const bool afterUnderscore = i >= 2 && programText[i - 2] == '_';
        if (quoted && (kind == 's' || kind == 'c') && !arg.condition) {
            // Replace the opening quote already copied into the statement with a placeholder.
            q.m_statement.back() = '?';
            q.m_text += arg.isNumber ? std::to_string(arg.number) : arg.text;
            q.m_parameters.emplace_back(arg.isNumber ? std::to_string(arg.number) : arg.text);
            q.m_text += '\'';
            ++i; // the closing quote
        } else if (kind == 'd' && arg.isNumber) {
            q.m_text += std::to_string(arg.number);
            q.m_statement += '?';
            q.m_parameters.emplace_back(arg.number);
        } else if (kind == 's' && afterUnderscore && !arg.condition) {
            if (!IsSuffixText(arg.text))
                fail("the language suffix \"" + arg.text + "\" is not a valid table name part");
            q.m_text += arg.text;
            q.m_statement += arg.text;
        } else if (kind == 's' && arg.condition) {
            const SqlQuery& cond = *arg.condition;
            if (!cond.IsValid())
                fail(cond.Problem());
            q.m_text += cond.m_text;
            q.m_statement += cond.m_statement;
            q.m_parameters.insert(q.m_parameters.end(), cond.m_parameters.begin(), cond.m_parameters.end());
        } else {
            fail(std::string("a value does not fit the marker %") + kind);
        }
    }
    if (next != args.end())
        fail("too many values for the query");
    return q;
}
