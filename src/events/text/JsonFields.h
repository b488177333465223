#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <nlohmann/json.hpp>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::text {

// Objects keep their fields in the order written, so exported text reads like
// the panels.
using Json = nlohmann::ordered_json;

// Why a value was refused: the field it concerns (empty: the value as a whole)
// and the reason, worded to follow the field's name.
struct FieldError {
    std::string field;
    std::string message;
};

// Offered: the ranges the panels offer, as an import applies them. Stored:
// anything the record's bytes can hold, which is how an export checks that its
// text reads back to the very bytes it came from.
enum class Ranges { Offered, Stored };

// One part of a compound text such as "HH:MM:SS": its name and offered range.
struct TextPart {
    std::string_view what;
    unsigned low;
    unsigned high;
};

// Reads the fields of one JSON object by name. Every reader throws FieldError
// for a missing field, a value of the wrong type or one outside its range;
// finish() throws for a field that nothing read.
class JsonFields {
public:
    JsonFields(const Json& value, Ranges ranges);

    Ranges ranges() const { return ranges_; }
    bool isText(std::string_view field) const;

    template <typename T> T number(std::string_view field, unsigned low, unsigned high) {
        return static_cast<T>(readNumber(field, low, high, std::numeric_limits<T>::max()));
    }

    // The text of one of names (any letter case) as first + its index. Stored
    // ranges also take the plain number a byte without a name was written as.
    std::uint8_t choice(std::string_view field, std::span<const std::string_view> names,
                        unsigned first);

    // Numbers joined by separator, one per part ("08:30:00" with ':').
    std::vector<std::uint8_t> parts(std::string_view field, char separator,
                                    std::span<const TextPart> parts, std::string_view form);

    // A voltage "W.HH" (whole volts and two or more digits of hundredths).
    std::array<std::uint8_t, 2> voltage(std::string_view field);

    // The event name: text of Latin-1 characters, at most 24 of them (the
    // bytes the record stores), without a NUL.
    std::string name();

    void finish() const;

private:
    const Json& take(std::string_view field);
    std::string text(std::string_view field);
    unsigned readNumber(std::string_view field, unsigned low, unsigned high, unsigned storedMax);

    const Json& object_;
    Ranges ranges_;
    std::vector<std::string> taken_;
};

// Event names are stored a byte a character, as Latin-1 (the window stores
// them so); the text carries them as UTF-8. Nothing for text with a character
// beyond U+00FF.
std::string Latin1ToUtf8(std::string_view bytes);
std::optional<std::string> Utf8ToLatin1(std::string_view text);

// The value names write: the name for an index inside names (from first), the
// number otherwise, so an export never loses a byte.
Json ChoiceValue(std::span<const std::string_view> names, unsigned first, unsigned value);

// "HH:MM:SS"-style text of values, two digits each.
std::string PartsText(std::span<const std::uint8_t> values, char separator);

// "W.HH": hundredths below 100 with two digits, above with all of theirs.
std::string VoltageText(std::uint8_t whole, std::uint8_t hundredths);

} // namespace corvane::text
