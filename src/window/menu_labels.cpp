#include "window/menu_labels.h"

#include <algorithm>
#include <map>
#include <set>

namespace korvale {

namespace {

char32_t folded(char32_t c) {
  if (c >= 'A' && c <= 'Z') return c - 'A' + 'a';
  switch (c) {
    case U'Ä':
      return U'ä';
    case U'Ö':
      return U'ö';
    case U'Ü':
      return U'ü';
  }
  return c;
}

bool isKeyLetter(char32_t c) {
  const char32_t f = folded(c);
  return (f >= 'a' && f <= 'z') || (f >= '0' && f <= '9') || f == U'ä' || f == U'ö' || f == U'ü';
}

// The letters of a caption that may serve as its access key: a word's first letter, or any.
std::vector<std::size_t> candidates(const Text& caption, bool wordStartsOnly) {
  std::vector<std::size_t> first, others;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (!isKeyLetter(caption[i])) continue;
    (i == 0 || !isKeyLetter(caption[i - 1]) ? first : others).push_back(i);
  }
  if (!wordStartsOnly) first.insert(first.end(), others.begin(), others.end());
  return first;
}

// One access key per caption where the letters allow: a free first letter of a word, else any
// free letter, else a letter taken from a neighbour that can move to another free letter of its
// own. Returns the position of each key (npos: none).
std::vector<std::size_t> accessKeys(const std::vector<Text>& captions) {
  std::vector<std::size_t> keys(captions.size(), Text::npos);
  std::map<char32_t, std::size_t> owner;  // key -> caption
  const auto freeLetter = [&](std::size_t c, bool wordStartsOnly) -> std::size_t {
    for (std::size_t at : candidates(captions[c], wordStartsOnly))
      if (owner.count(folded(captions[c][at])) == 0) return at;
    return Text::npos;
  };
  for (const bool wordStartsOnly : {true, false}) {
    for (std::size_t c = 0; c < captions.size(); ++c) {
      if (keys[c] != Text::npos) continue;
      keys[c] = freeLetter(c, wordStartsOnly);
      if (keys[c] != Text::npos) owner[folded(captions[c][keys[c]])] = c;
    }
  }
  for (std::size_t c = 0; c < captions.size(); ++c) {
    if (keys[c] != Text::npos) continue;
    for (std::size_t at : candidates(captions[c], false)) {
      const char32_t key = folded(captions[c][at]);
      const auto it = owner.find(key);
      if (it == owner.end()) continue;
      const std::size_t other = it->second;
      const std::size_t move = freeLetter(other, false);
      if (move == Text::npos) continue;
      owner.erase(it);
      keys[other] = move;
      owner[folded(captions[other][move])] = other;
      keys[c] = at;
      owner[key] = c;
      break;
    }
  }
  return keys;
}

Text labelled(const Text& caption, std::size_t key) {
  Text out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (i == key) out += '&';
    out += caption[i];
    if (caption[i] == '&') out += '&';
  }
  return out;
}

}  // namespace

MenuLabels menuLabels(const std::vector<MenuItem>& menu) {
  MenuLabels labels;
  std::vector<Text> bar;
  for (const MenuItem& item : menu)
    if (std::find(bar.begin(), bar.end(), item.menu) == bar.end()) bar.push_back(item.menu);
  const std::vector<std::size_t> barKeys = accessKeys(bar);
  for (std::size_t m = 0; m < bar.size(); ++m)
    labels.menus.emplace_back(bar[m], labelled(bar[m], barKeys[m]));
  labels.entries.resize(menu.size());
  for (const Text& name : bar) {
    std::vector<std::size_t> items;
    std::vector<Text> captions;
    for (std::size_t i = 0; i < menu.size(); ++i) {
      if (menu[i].menu != name) continue;
      labels.entries[i] = menu[i].entry;
      if (menu[i].entry.empty() || menu[i].isSeparator()) continue;
      items.push_back(i);
      captions.push_back(menu[i].entry);
    }
    const std::vector<std::size_t> keys = accessKeys(captions);
    for (std::size_t k = 0; k < items.size(); ++k)
      labels.entries[items[k]] = labelled(captions[k], keys[k]);
  }
  return labels;
}

}  // namespace korvale
