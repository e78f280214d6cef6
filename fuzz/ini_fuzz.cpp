// Ini text of any bytes: parsing, lookups, edits and writing back never fail or read astray, and
// what is written reads back the same.
#include "app/IniDocument.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    IniDocument doc = IniDocument::Parse(bytes);
    for (const std::string& section : doc.SectionNames())
        (void)doc.Value(section, "LangID");
    if (doc.Set("General", "LangID", "1033")) {
        const IniDocument again = IniDocument::Parse(doc.Serialize());
        if (again.Value("General", "LangID") != std::optional<std::string>("1033"))
            std::abort();
    }
    return 0;
}
