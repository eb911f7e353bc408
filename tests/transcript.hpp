#pragma once

#include <cctype>
#include <string>

/// Replaces each elapsed-time figure of the form digits.dddd with "#"; a figure in any other form
/// is left alone so that the comparison of the transcript fails on it.
inline std::string mask_elapsed(std::string text) {
  const std::string before = "This took: ";
  const std::string after = " seconds to run";
  for (auto at = text.find(before); at != std::string::npos; at = text.find(before, at + 1)) {
    const auto digits = [&](std::size_t from) {
      std::size_t to = from;
      while (to < text.size() && std::isdigit(static_cast<unsigned char>(text[to]))) ++to;
      return to;
    };
    const auto figure = at + before.size();
    const auto point = digits(figure);
    if (point == figure || point >= text.size() || text[point] != '.') continue;
    const auto end = digits(point + 1);
    if (end - point != 5 || text.compare(end, after.size(), after) != 0) continue;
    text.replace(figure, end - figure, "#");
  }
  return text;
}
