// Control texts written from threads other than the window's, kept until
// the window's thread shows them.
//
// A search worker's progress line would otherwise be a message sent across
// threads, and the worker would stand still until the window's thread,
// waiting for the workers, came round to take it. Here the worker only
// leaves the text; the window's thread shows the latest text of each
// control between its waits (Win32SolvePlatform::PumpMessages).
#ifndef CORVANTA_APP_POSTED_TEXTS_H
#define CORVANTA_APP_POSTED_TEXTS_H

#include <map>
#include <mutex>
#include <string>

namespace corvanta {

class PostedTexts {
 public:
  // Any thread: `text` replaces any text of control `id` not yet shown.
  void Post(int id, std::string text);
  // The window's thread: the texts left since the last call, latest per
  // control, by control identifier; none are left afterwards.
  std::map<int, std::string> Take();

 private:
  std::mutex mutex_;
  std::map<int, std::string> texts_;
};

}  // namespace corvanta

#endif
