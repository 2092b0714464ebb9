#include "app/posted_texts.h"

#include <utility>

namespace corvanta {

void PostedTexts::Post(int id, std::string text) {
  std::lock_guard<std::mutex> lock(mutex_);
  texts_[id] = std::move(text);
}

std::map<int, std::string> PostedTexts::Take() {
  std::lock_guard<std::mutex> lock(mutex_);
  return std::exchange(texts_, {});
}

}  // namespace corvanta
