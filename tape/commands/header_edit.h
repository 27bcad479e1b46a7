// SPDX-FileCopyrightText: 2026 Murax developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "seam/window.h"

namespace murax {

class Desktop;

// The fields of the "Edit properties" dialog below the name, whatever draws them, in the order
// PropertiesForm::fields holds their texts. Each belongs to the header types that have it; the
// dialog offers the others disabled, so that switching the type back finds them as they were.
enum class HeaderField { StartAddress, Autostart, ProgramLength, Variable };
inline constexpr std::array<HeaderField, 4> kHeaderFields{
    HeaderField::StartAddress, HeaderField::Autostart, HeaderField::ProgramLength,
    HeaderField::Variable};

// The header types the type field offers, by their type byte (the list's "Type" texts).
inline constexpr int kHeaderTypeCount = 4;
std::string headerTypeName(int type);

std::string headerFieldLabel(HeaderField field);
// The most characters the field takes.
std::size_t headerFieldMaxLength(HeaderField field);
bool typeHasField(int type, HeaderField field);

// Whether the field may hold `text`, as it would after a key or a paste: digits whose number is
// within the field's range, or a single letter for the variable; an empty field is taken (an
// autostart line left empty means none). A refusal beeps on `desktop`.
bool headerFieldTakes(HeaderField field, std::u32string_view text, Desktop& desktop);

// The value a field's text stands for: a number within the field's range, or a letter's number
// (1 for a); nothing for an empty text or one the field could not take.
std::optional<unsigned> headerFieldValue(HeaderField field, std::string_view text);

// The dialog's opening form for a complete standard header entry.
PropertiesForm propertiesFormOf(std::string_view entry);

// `entry` with its header rewritten from `form`: the name padded with spaces, the type and the
// fields the chosen type has, and the checksum made anew. The data length is not the user's to
// type and stays as stored, so that a header saved untouched leaves its bytes as they were. A field
// left empty, or holding what it could not take, keeps the header's value (an empty autostart line
// writes "none"); the data block is left as it was.
std::string withPropertiesWritten(std::string entry, const PropertiesForm& form);

}  // namespace murax
