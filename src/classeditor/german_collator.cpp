#include "classeditor/german_collator.h"

#include <unicode/coll.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>

#include "base/text_routines.h"

namespace korvale {

struct GermanCollator::Impl {
  std::unique_ptr<icu::Collator> collator;
};

namespace {

icu::UnicodeString toIcu(const Text& text) {
  return icu::UnicodeString::fromUTF32(reinterpret_cast<const UChar32*>(text.data()),
                                       static_cast<int32_t>(text.size()));
}

}  // namespace

GermanCollator::GermanCollator() : impl_(std::make_unique<Impl>()) {
  UErrorCode status = U_ZERO_ERROR;
  impl_->collator.reset(icu::Collator::createInstance(icu::Locale::getGerman(), status));
  if (U_FAILURE(status)) {
    impl_->collator.reset();
    return;
  }
  // Accents still count, so "Mueller" and "Müller" stay apart; case does not.
  impl_->collator->setStrength(icu::Collator::SECONDARY);
}

GermanCollator::~GermanCollator() = default;

int GermanCollator::compare(const Text& a, const Text& b) const {
  if (!impl_->collator) {
    const Text foldedA = foldCase(a);
    const Text foldedB = foldCase(b);
    return foldedA < foldedB ? -1 : foldedB < foldedA ? 1 : 0;
  }
  UErrorCode status = U_ZERO_ERROR;
  return impl_->collator->compare(toIcu(a), toIcu(b), status);
}

void GermanCollator::sort(std::vector<Text>& lines) const {
  std::stable_sort(lines.begin(), lines.end(),
                   [this](const Text& a, const Text& b) { return compare(a, b) < 0; });
}

}  // namespace korvale
