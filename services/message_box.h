#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

#include "app/controls.h"

namespace typovel {

// Style bits and answers as MessageBoxA knows them; another platform maps
// its own box onto these.
enum MessageStyle : std::uint32_t {
    kMbOk = 0x0000,
    kMbSystemModal = 0x1000,
    kMbTaskModal = 0x2000,
};
enum MessageAnswer : int {
    kIdOk = 1,
    kIdCancel = 2,
    kIdAbort = 3,
    kIdRetry = 4,
    kIdIgnore = 5,
    kIdYes = 6,
    kIdNo = 7,
};

// "信息："
inline constexpr std::string_view kDefaultCaption = "\xD0\xC5\xCF\xA2\xA3\xBA";

// The platform's modal message box. Texts are code page 936 bytes; owner may
// be null for a top-level box. Blocks until the box is closed and returns the
// platform's answer (a MessageAnswer, or anything else). UI thread only.
class MessageBoxPort {
public:
    virtual ~MessageBoxPort() = default;
    virtual int Show(std::string_view message, std::string_view caption, std::uint32_t style, const Control* owner) = 0;
};

// The button code plus kMbTaskModal, unless it asks for kMbSystemModal.
std::uint32_t MessageBoxStyle(std::uint32_t buttons);

// IDOK..IDNO give 0..6; anything else gives 0.
int ResultCodeFromAnswer(int answer);

// Shows a message; an omitted caption is "信息：". Returns the result code.
int ShowMessage(MessageBoxPort& box, std::string_view message, std::uint32_t buttons,
                std::optional<std::string_view> caption = std::nullopt, const Control* owner = nullptr);

}  // namespace typovel
