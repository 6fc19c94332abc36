// The search engine over the string stand-in of the editor box, against a plain loop over
// the characters: the same hits at the same places, the same counts, the same text after
// 全て変更. Texts come from a small alphabet (with a character outside the Basic Multilingual
// Plane and a line end) so that hits are frequent.
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "fuzz/fuzz_input.h"
#include "search/search_engine.h"
#include "search/string_search_target.h"

namespace {

const char32_t kAlphabet[] = {U'A', U'B', U'0', U'\r', U'\n', U'変', U'\U0001F600', U' '};

std::u32string Pick(zel::fuzz::FuzzInput& in, int max_length) {
  std::u32string text;
  const int length = in.Below(max_length + 1);
  for (int i = 0; i < length; ++i) text += kAlphabet[in.Below(8)];
  return text;
}

QString ToQ(const std::u32string& text) {
  return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

// First occurrence of needle at from or later, characters counted; -1 when none or empty.
qint64 NaiveFind(const std::u32string& text, const std::u32string& needle, qint64 from) {
  if (needle.empty()) return -1;
  for (qint64 i = from; i + qint64(needle.size()) <= qint64(text.size()); ++i)
    if (text.compare(size_t(i), needle.size(), needle) == 0) return i;
  return -1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  zel::fuzz::FuzzInput in(data, size);
  std::u32string text = Pick(in, 40);
  const std::u32string needle = Pick(in, 3);
  const std::u32string replacement = Pick(in, 3);

  zel::StringSearchTarget target(ToQ(text));
  zel::SearchState state;
  state.FindText = ToQ(needle);
  state.ReplaceText = ToQ(replacement);
  qint64 pos = 0;
  while (!in.Empty()) {
    // A replacement longer than its search text doubles the text at every 全て変更; past a
    // few thousand characters a run only measures the copying.
    const bool may_replace = text.size() < 4096;
    if (in.Below(4) != 0 || !may_replace) {  // search on
      const qint64 expected = NaiveFind(text, needle, pos);
      const bool found = zel::SearchNext(state, target);
      if (found != (expected >= 0)) std::abort();
      if (found) {
        if (target.SelectionStart() != expected || target.SelectedText() != state.FindText)
          std::abort();
        pos = expected + qint64(needle.size());
        if (state.SearchPos != pos) std::abort();
      }
    } else {  // replace every occurrence from here on
      const qint64 from = pos;
      std::u32string expected = text.substr(0, size_t(from));
      qint64 count = 0;
      qint64 i = from;
      for (qint64 hit; (hit = NaiveFind(text, needle, i)) >= 0; i = hit + qint64(needle.size())) {
        expected += text.substr(size_t(i), size_t(hit - i)) + replacement;
        ++count;
      }
      expected += text.substr(size_t(i));
      const auto result = target.ReplaceAll(state.FindText, state.ReplaceText, from);
      if (result.count != count || target.Text() != ToQ(expected)) std::abort();
      text = expected;
      pos = 0;
      state.SearchPos = 0;
    }
  }
  return 0;
}
