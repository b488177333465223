#pragma once

#include "events/TextNumbers.h"

#include <cstdint>
#include <string>

namespace corvane {

// A record collected from a panel's form and whether its values are acceptable.
// The name is left empty; the add command names the record.
template <typename Record> struct Collected {
    Record record;
    bool acceptable = false;
};

// The texts of the DMX block most panels show: first and last channel,
// increment and level.
struct ChannelTexts {
    std::string first{};
    std::string last{};
    std::string increment{};
    std::string level{};
};

// The boxes a sensor or analog output drives. Their meaning follows the output
// type: texts for DMX (first and last channel, increment, level), chosen items
// for a relay (the relay and its state) or the audio input (enable, disable).
struct OutputTargetBoxes {
    std::string targetText{};
    int targetItem = -1;
    std::string secondText{};
    int secondItem = -1;
    std::string lastChannel{};
    std::string level{};
};

// Numbers typed into fields and chosen items are stored by their low bits.
inline std::uint8_t LowByte(std::int64_t value) {
    return static_cast<std::uint8_t>(value);
}
inline std::uint16_t LowWord(std::int64_t value) {
    return static_cast<std::uint16_t>(value);
}
inline std::uint8_t TextByte(const std::string& text) {
    return LowByte(TextToNumber(text));
}
inline std::uint16_t TextWord(const std::string& text) {
    return LowWord(TextToNumber(text));
}

template <typename Record> void ReadChannelTexts(const ChannelTexts& texts, Record& r) {
    r.firstChannel = TextWord(texts.first);
    r.lastChannel = TextWord(texts.last);
    r.increment = TextByte(texts.increment);
    r.level = TextByte(texts.level);
}

// Output type 0 (DMX) takes the texts of the four boxes; 1 (Relay) the relay
// item of the target box (item 0 is relay 1) and the state item of the second.
template <typename Record>
void ReadOutputTarget(int outputType, const OutputTargetBoxes& boxes, Record& r) {
    if (outputType == 0) {
        r.target = TextWord(boxes.targetText);
        r.lastChannel = TextWord(boxes.lastChannel);
        r.increment = TextByte(boxes.secondText);
        r.level = TextByte(boxes.level);
    } else if (outputType == 1) {
        r.target = LowWord(boxes.targetItem + 1);
        r.increment = LowByte(boxes.secondItem);
    }
}

} // namespace corvane
