// SearchWorker with its bracket searches and tolerance tests decided from
// tooth-count products.
#ifndef CORVANTA_SEARCH_FAST_SEARCH_WORKER_H
#define CORVANTA_SEARCH_FAST_SEARCH_WORKER_H

#include "search/search_worker.h"

namespace corvanta {

// Exactly SearchWorker(context) for a run that is not stopped: the same
// matches kept in the same order with the same feed errors, the same list
// handed to the results, the same progress count and texts. It runs
// SearchWorker itself when the tables lack their pair index, or when a
// wanted feed ratio of its range is finite but beyond what a double can
// stand for. A stop is seen
// before each candidate and every few thousand denominators, so it ends
// at other points than SearchWorker would. Returns 0.
unsigned FastSearchWorker(const WorkerContext& context);

}  // namespace corvanta

#endif
