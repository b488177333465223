#include "events/AudioRecord.h"

#include "events/DescriptionText.h"
#include "events/RecordFields.h"

namespace corvane {

namespace {

constexpr ByteField<AudioRecord> kBytes[] = {
    {0, &AudioRecord::side},      {1, &AudioRecord::band},          {6, &AudioRecord::increment},
    {7, &AudioRecord::pixelMode}, {8, &AudioRecord::pixelModeCopy},
};
constexpr WordField<AudioRecord> kWords[] = {
    {2, &AudioRecord::firstChannel},
    {4, &AudioRecord::lastChannel},
};

} // namespace

std::array<std::uint8_t, AudioRecord::kSize> AudioRecord::encode() const {
    return EncodeFields<AudioRecord>(*this, kBytes, kWords);
}

AudioRecord AudioRecord::decode(std::span<const std::uint8_t> b) {
    return DecodeFields<AudioRecord>(b, kBytes, kWords);
}

std::string AudioRecord::describe(bool) const {
    constexpr std::string_view kSides[] = {"Left", "Right", "All"};
    constexpr std::string_view kBands[] = {"16KHz",  "10.7KHz", "6.3KHz", "4.2KHz", "2.5KHz",
                                           "1.7KHz", "1KHz",    "670Hz",  "400Hz",  "265Hz",
                                           "160Hz",  "107Hz",   "63Hz",   "42Hz"};
    return ":(" + NameOr(kSides, side, 0) + "," + NameOr(kBands, band, 1) +
           Printf(") (Ch:%1uto%1u,i=%1u),(%1u,%1u)", U(firstChannel), U(lastChannel), U(increment),
                  U(pixelMode), U(pixelModeCopy));
}

} // namespace corvane
