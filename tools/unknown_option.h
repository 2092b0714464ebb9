// What corvanta-solve says about arguments it does not know.
#ifndef CORVANTA_TOOLS_UNKNOWN_OPTION_H
#define CORVANTA_TOOLS_UNKNOWN_OPTION_H

#include <CLI/CLI.hpp>
#include <cstddef>
#include <string>
#include <vector>

namespace corvanta {

// The one-line refusal of the arguments `app` left over (it parses with
// allow_extras): for an unknown option, its name and the nearest of the
// app's options; for anything else, CLI11's own words.
std::string LeftOverRefusal(const CLI::App& app);

// The name among `names` ("--helix", ...) nearest to `unknown` ("--helx",
// "--helx=30", "-helix"): one that it begins, else the fewest letters
// left out, put in or swapped with a neighbour (a letter changed counts as
// one out and one in); on a tie the first of `names`.
std::string NearestName(const std::string& unknown, const std::vector<std::string>& names);

// Edits that turn `a` into `b`: a letter left out or put in, or two
// neighbours swapped, count one; a letter changed counts two, as one out
// and another in.
std::size_t EditDistance(const std::string& a, const std::string& b);

}  // namespace corvanta

#endif
