#include "events/text/JsonFields.h"

#include "events/RecordName.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace corvane::text {

namespace {

std::string Quoted(std::string_view text) {
    return Json(std::string(text)).dump();
}

std::string RangeText(unsigned low, unsigned high) {
    return std::to_string(low) + ".." + std::to_string(high);
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
    return std::ranges::equal(a, b, [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

// A run of one to three digits as a number; nothing for anything else.
std::optional<unsigned> SmallNumber(std::string_view digits) {
    unsigned value = 0;
    if (digits.empty() || digits.size() > 3)
        return std::nullopt;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

// A whole number of zero or more (a value built in code may be signed).
std::optional<std::uint64_t> NonNegative(const Json& value) {
    if (value.is_number_unsigned())
        return value.get<std::uint64_t>();
    if (value.is_number_integer() && value.get<std::int64_t>() >= 0)
        return static_cast<std::uint64_t>(value.get<std::int64_t>());
    return std::nullopt;
}

} // namespace

JsonFields::JsonFields(const Json& value, Ranges ranges) : object_(value), ranges_(ranges) {
    if (!value.is_object())
        throw FieldError{{}, "must be an object of fields"};
}

bool JsonFields::isText(std::string_view field) const {
    const auto found = object_.find(std::string(field));
    return found != object_.end() && found->is_string();
}

const Json& JsonFields::take(std::string_view field) {
    const auto found = object_.find(std::string(field));
    if (found == object_.end())
        throw FieldError{std::string(field), "is missing"};
    taken_.emplace_back(field);
    return *found;
}

std::string JsonFields::text(std::string_view field) {
    const Json& value = take(field);
    if (!value.is_string())
        throw FieldError{std::string(field), "must be text"};
    return value.get<std::string>();
}

unsigned JsonFields::readNumber(std::string_view field, unsigned low, unsigned high,
                                unsigned storedMax) {
    const Json& value = take(field);
    if (!value.is_number_integer())
        throw FieldError{std::string(field), "must be a whole number"};
    if (ranges_ == Ranges::Stored) {
        low = 0;
        high = storedMax;
    }
    const auto n = NonNegative(value);
    if (n && *n >= low && *n <= high)
        return static_cast<unsigned>(*n);
    throw FieldError{std::string(field), value.dump() + " is out of range " + RangeText(low, high)};
}

std::uint8_t JsonFields::choice(std::string_view field, std::span<const std::string_view> names,
                                unsigned first) {
    const Json& value = take(field);
    if (value.is_string()) {
        const auto given = value.get<std::string>();
        for (std::size_t i = 0; i < names.size(); ++i)
            if (EqualIgnoringCase(given, names[i]))
                return static_cast<std::uint8_t>(first + i);
    } else if (const auto n = NonNegative(value); ranges_ == Ranges::Stored && n && *n <= 255) {
        return static_cast<std::uint8_t>(*n);
    }
    std::string known;
    for (const auto name : names)
        known += (known.empty() ? "" : ", ") + std::string(name);
    throw FieldError{std::string(field), value.dump() + " is not one of " + known};
}

std::vector<std::uint8_t> JsonFields::parts(std::string_view field, char separator,
                                            std::span<const TextPart> parts,
                                            std::string_view form) {
    const std::string given = text(field);
    std::vector<std::uint8_t> values;
    std::string_view rest = given;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const auto end = i + 1 < parts.size() ? rest.find(separator) : rest.size();
        const auto number =
            end == std::string_view::npos ? std::nullopt : SmallNumber(rest.substr(0, end));
        if (!number || *number > 255)
            throw FieldError{std::string(field), Quoted(given) + " is not " + std::string(form)};
        const bool offered = *number >= parts[i].low && *number <= parts[i].high;
        if (ranges_ == Ranges::Offered && !offered)
            throw FieldError{std::string(field), std::string(parts[i].what) + " " +
                                                     std::to_string(*number) + " is out of range " +
                                                     RangeText(parts[i].low, parts[i].high)};
        values.push_back(static_cast<std::uint8_t>(*number));
        rest = end < rest.size() ? rest.substr(end + 1) : std::string_view();
    }
    return values;
}

std::array<std::uint8_t, 2> JsonFields::voltage(std::string_view field) {
    const std::string given = text(field);
    const auto point = given.find('.');
    const auto whole = SmallNumber(std::string_view(given).substr(0, point));
    const auto hundredths = point == std::string::npos
                                ? std::nullopt
                                : SmallNumber(std::string_view(given).substr(point + 1));
    // One digit after the point would read as hundredths ("2.5" as 2.05), so it is refused.
    if (!whole || !hundredths || *whole > 255 || *hundredths > 255 || given.size() - point < 3)
        throw FieldError{std::string(field), Quoted(given) + " is not a voltage such as \"2.50\""};
    return {static_cast<std::uint8_t>(*whole), static_cast<std::uint8_t>(*hundredths)};
}

std::string JsonFields::name() {
    const std::string given = text("name");
    const auto stored = Utf8ToLatin1(given);
    if (!stored)
        throw FieldError{"name", Quoted(given) + " holds a character outside Latin-1"};
    if (stored->size() > kEventNameMaxLength)
        throw FieldError{"name", Quoted(given) + " is longer than " +
                                     std::to_string(kEventNameMaxLength) + " bytes"};
    if (stored->find('\0') != std::string::npos)
        throw FieldError{"name", "must not hold a NUL character"};
    return *stored;
}

void JsonFields::finish() const {
    for (const auto& [key, value] : object_.items())
        if (std::ranges::find(taken_, key) == taken_.end())
            throw FieldError{key, "is not a field of this kind of event"};
}

std::string Latin1ToUtf8(std::string_view bytes) {
    std::string text;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | b >> 6);
            text += static_cast<char>(0x80 | (b & 0x3F));
        }
    }
    return text;
}

std::optional<std::string> Utf8ToLatin1(std::string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b < 0x80) {
            bytes += text[i];
            continue;
        }
        // Two-byte forms of U+0080..U+00FF start with 0xC2 or 0xC3.
        if ((b != 0xC2 && b != 0xC3) || i + 1 >= text.size())
            return std::nullopt;
        const auto next = static_cast<unsigned char>(text[++i]);
        if ((next & 0xC0) != 0x80)
            return std::nullopt;
        bytes += static_cast<char>((b & 0x03) << 6 | (next & 0x3F));
    }
    return bytes;
}

Json ChoiceValue(std::span<const std::string_view> names, unsigned first, unsigned value) {
    if (value >= first && value - first < names.size())
        return std::string(names[value - first]);
    return value;
}

std::string PartsText(std::span<const std::uint8_t> values, char separator) {
    std::string text;
    for (const auto value : values) {
        char buffer[8];
        std::snprintf(buffer, sizeof buffer, "%02u", unsigned{value});
        text += (text.empty() ? "" : std::string(1, separator)) + buffer;
    }
    return text;
}

std::string VoltageText(std::uint8_t whole, std::uint8_t hundredths) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%u.%02u", unsigned{whole}, unsigned{hundredths});
    return buffer;
}

} // namespace corvane::text
