#include "app/zx_text_validator.h"

#include "tape/zx_charset.h"

namespace murax {

QValidator::State ZxTextValidator::validate(QString& input, int&) const
{
    for (const char32_t c : input.toUcs4())
        if (!byteForDisplayChar(c))
            return Invalid;
    return Acceptable;
}

}  // namespace murax
