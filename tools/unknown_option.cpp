#include "tools/unknown_option.h"

#include <algorithm>
#include <tuple>

namespace corvanta {
namespace {

std::string WithoutDashes(const std::string& name) {
  return name.substr(std::min(name.find_first_not_of('-'), name.size()));
}

}  // namespace

// A letter changed counts two so that "--helx" is nearer "--helix" than
// "--help".
std::size_t EditDistance(const std::string& a, const std::string& b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      d[i][j] = std::min(
          {d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 2)});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
}

std::string NearestName(const std::string& unknown, const std::vector<std::string>& names) {
  const std::string typed = WithoutDashes(unknown.substr(0, unknown.find('=')));
  std::string nearest;
  std::tuple<bool, std::size_t> best{true, 0};
  for (const std::string& name : names) {
    const std::string option = WithoutDashes(name);
    const bool begun = !typed.empty() && option.rfind(typed, 0) == 0;
    const std::tuple<bool, std::size_t> score{!begun, EditDistance(typed, option)};
    if (nearest.empty() || score < best) {
      nearest = name;
      best = score;
    }
  }
  return nearest;
}

std::string LeftOverRefusal(const CLI::App& app) {
  const std::vector<std::string> leftOver = app.remaining();
  const auto unknown = std::find_if(leftOver.begin(), leftOver.end(), [](const std::string& arg) {
    return arg.size() > 1 && arg[0] == '-' && (arg[1] < '0' || arg[1] > '9');
  });
  if (unknown == leftOver.end()) return CLI::ExtrasError(leftOver).what();
  std::vector<std::string> names;
  for (const CLI::Option* option : app.get_options())
    for (const std::string& name : option->get_lnames()) names.push_back("--" + name);
  return unknown->substr(0, unknown->find('=')) + ": no such option; did you mean " +
         NearestName(*unknown, names) + "?";
}

}  // namespace corvanta
