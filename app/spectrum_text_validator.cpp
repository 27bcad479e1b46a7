#include "app/spectrum_text_validator.h"

#include "tape/spectrum_charset.h"

namespace murax {

QValidator::State SpectrumTextValidator::validate(QString& input, int&) const
{
    for (const char32_t c : input.toUcs4())
        if (!byteForDisplayChar(c))
            return Invalid;
    return Acceptable;
}

}  // namespace murax
