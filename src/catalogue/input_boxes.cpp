#include "catalogue/input_boxes.h"

#include <algorithm>
#include <string_view>
#include <utility>

#include "catalogue/families.h"
#include "eval/status.h"

namespace quorvel {

namespace {

std::size_t positionOf(InputBox box) {
  return static_cast<std::size_t>(std::find(kInputBoxOrder.begin(), kInputBoxOrder.end(), box) -
                                  kInputBoxOrder.begin());
}

// A caption without its "＝" and blanks: "ｋ ＝" → "ｋ", "ｘ１＝" → "ｘ１".
std::string withoutEqualsSign(std::string caption) {
  static constexpr std::string_view kEquals = "＝";
  if (caption.ends_with(kEquals)) caption.resize(caption.size() - kEquals.size());
  while (!caption.empty() && caption.back() == ' ') caption.pop_back();
  return caption;
}

}  // namespace

std::string inputBoxName(InputBox box, int family, int form) {
  switch (box) {
    case InputBox::kParameter1:
    case InputBox::kParameter2:
    case InputBox::kParameter3: {
      const std::size_t index = positionOf(box);
      const FormInfo* info = quorvel::form(family, form);
      if (info != nullptr && info->boxes[index].slot != Slot::None) {
        return withoutEqualsSign(info->boxes[index].caption);
      }
      return "第 " + std::to_string(index + 1) + " 个参数框";
    }
    case InputBox::kParameter4: {
      const FormInfo* info = quorvel::form(family, form);
      if (info != nullptr && info->fourth.slot != Slot::None) {
        return withoutEqualsSign(info->fourth.caption);
      }
      return "第 4 个参数框";
    }
    case InputBox::kRangeX1:
    case InputBox::kRangeX2: return "Ｘ轴范围";
    case InputBox::kRangeY1:
    case InputBox::kRangeY2: return "Ｙ轴范围";
    case InputBox::kExpression: return "表达式";
  }
  return std::string();
}

bool statusHasPlace(std::int32_t status) {
  return status == kUndefinedToken || status == kMalformed || status == kStackExhausted ||
         status == kTypeMismatch;
}

std::optional<TypedPlace> faultPlace(const RewrittenText& rewritten, std::string_view typed,
                                     std::int32_t status, EvalStop stop) {
  if (!statusHasPlace(status)) return std::nullopt;
  return typedPlaceOf(rewritten, typed, stop);
}

std::string inputErrorDetail(const std::string& boxName, const std::optional<TypedPlace>& place) {
  if (!place) return boxName;
  if (place->atEnd()) return boxName + "末尾";
  return boxName + "第 " + std::to_string(place->character + 1) + " 个字符：“" + place->text + "”";
}

void FirstInputFailure::note(InputBox box, std::optional<TypedPlace> place) {
  if (box_ && positionOf(*box_) <= positionOf(box)) return;
  box_ = box;
  place_ = std::move(place);
}

std::string FirstInputFailure::detail(int family, int form) const {
  if (!box_) return std::string();
  return inputErrorDetail(inputBoxName(*box_, family, form), place_);
}

}  // namespace quorvel
