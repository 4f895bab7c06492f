#include "document/derived_curve.h"

#include "document/list_entry.h"

namespace quorvel {

SourceBox::SourceBox() = default;
SourceBox::SourceBox(const BoxedContent& content)
    : content_(std::make_unique<BoxedContent>(content)) {}
SourceBox::SourceBox(const SourceBox& other)
    : content_(other.content_ ? std::make_unique<BoxedContent>(*other.content_) : nullptr) {}
SourceBox::SourceBox(SourceBox&&) noexcept = default;
SourceBox& SourceBox::operator=(const SourceBox& other) {
  if (this != &other) {
    content_ = other.content_ ? std::make_unique<BoxedContent>(*other.content_) : nullptr;
  }
  return *this;
}
SourceBox& SourceBox::operator=(SourceBox&&) noexcept = default;
SourceBox::~SourceBox() = default;

bool SourceBox::operator==(const SourceBox& other) const {
  if (!content_ || !other.content_) return !content_ && !other.content_;
  return *content_ == *other.content_;
}

}  // namespace quorvel
