#include "shell/number_box_rule.h"

#include "shell/key_filters.h"

namespace bw {
namespace {

KeyVerdict Filter(int key, std::string_view text, const NumberBoxRule& rule) {
    return rule.kind == NumberKind::Digits ? DigitKeyFilter(key)
                                           : DecimalKeyFilter(key, text, rule.decimals);
}

}  // namespace

EntryStep EntryKey(int key, std::string_view text, bool untouched, const NumberBoxRule& rule) {
    const bool emptyFirst = untouched && rule.order == FilterOrder::EmptyFirst;
    const KeyVerdict verdict = Filter(key, emptyFirst ? std::string_view{} : text, rule);
    return {untouched, verdict.key != 0, verdict.beep};
}

}  // namespace bw
