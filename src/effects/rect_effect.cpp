// The rectangle filter commands.
#include "effects/rect_effect.h"

#include <array>
#include <cctype>
#include <string_view>

#include "platform/cp949.h"

namespace morv {

namespace {

constexpr std::array<std::string_view, kFilterCount> kFilterNames{"GRAY", "SEPIA", "INVERT", "BLEND"};

// The number a text begins with, as the scripts read numbers: leading blanks and
// a sign allowed, anything that is not a number counts as 0.
int leadingNumber(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int64_t value = 0;
    for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
        value = std::min<int64_t>(value * 10 + (text[i] - '0'), int64_t{1} << 31);
    }
    value = negative ? -value : value;
    return static_cast<int>(std::clamp<int64_t>(value, INT32_MIN, INT32_MAX));
}

int filterNumber(std::string_view word) {
    for (size_t i = 0; i < kFilterNames.size(); ++i) {
        if (cp949::equalsIgnoreCase(word, kFilterNames[i])) return static_cast<int>(i);
    }
    return leadingNumber(word);
}

}  // namespace

FilterRequest filterRequestFromArguments(std::span<const std::string> arguments) {
    auto number = [&arguments](size_t i) { return i < arguments.size() ? leadingNumber(arguments[i]) : 0; };
    FilterRequest request;
    request.filter = arguments.empty() ? 0 : filterNumber(arguments[0]);
    request.wholeScreen = arguments.size() <= 1;
    request.rect = {number(1), number(2), number(3), number(4)};
    if (request.filter == static_cast<int>(RectFilter::Blend)) request.color = {number(5), number(6), number(7)};
    return request;
}

void runRectEffect(const EffectCanvas& canvas, const FilterRequest& request, FilterTarget target) {
    if (request.filter < 0 || request.filter >= kFilterCount) return;
    const InclusiveRect rect =
        request.wholeScreen ? InclusiveRect{0, 0, canvas.width() - 1, canvas.height() - 1} : request.rect;
    const auto filter = static_cast<RectFilter>(request.filter);
    if (target == FilterTarget::Stage) {
        filterRect(canvas.stage, filter, rect, request.color);
        return;
    }
    filterRect(canvas.scene, filter, rect, request.color);
    canvas.sceneChanged = true;
    canvas.frame.copy(canvas.scene, false);
    canvas.stage.copy(canvas.scene, false);
}

}  // namespace morv
