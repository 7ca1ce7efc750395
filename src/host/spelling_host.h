// The spelling dialog as the formatter sees it: one call per text to check.
#pragma once

#include <string>

namespace plumora {

class ISpellingHost {
public:
    virtual ~ISpellingHost() = default;
    // Checks the words of `text` (a comment or a literal's contents) with the
    // source line `context` shown for orientation. May change `text`; sets
    // `replaced` when it did and `cancelled` when the user stopped checking.
    virtual void CheckSpelling(const std::string& context, std::string& text, bool& replaced,
                               bool& cancelled) = 0;
};

}  // namespace plumora
