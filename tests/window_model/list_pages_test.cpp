// The results page and the gear-advice page on in-memory controls: what
// the operator sees in the lists is what a Solve shows, and the pages come
// and go with the result.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resources/resource.h"
#include "tests/support/scripted_platform.h"
#include "tests/support/window_job.h"
#include "window_model/advice_page.h"
#include "window_model/clear_results.h"
#include "window_model/control_roles.h"
#include "window_model/pages.h"
#include "window_model/result_display.h"
#include "window_model/result_list.h"

namespace corvanta {
namespace {

using testing::ScriptedPlatform;

std::vector<std::string> ListRow(const ControlAccess& controls, ControlId list, int row,
                                 std::size_t columns) {
  std::vector<std::string> cells;
  for (std::size_t k = 0; k < columns; ++k)
    cells.push_back(controls.GetListCell(list, row, static_cast<int>(k)));
  return cells;
}

// `job` solved into `session`; its results then on the main page.
void Solve(MemoryControls& controls, SolveSession& session,
           const JobEntry& job = testing::RegressionJob()) {
  EnterJob(controls, job);
  PageCommand(controls, kMainPage);
  ThreadPlatform platform(2u);
  SolveCommand(controls, platform, session);
}

// The page is offered with a result only; it lists every result as the
// main page shows it, sorts by a column head, and Enter on a row shows that
// result as the selector would, on the main page. An edit of the job takes
// the list, the page and its menu item away.
TEST(ResultsPage, ListsSortsAndShowsTheSolvesResults) {
  MemoryControls controls;
  SolveSession session;
  Solve(controls, session);
  ASSERT_GT(session.results.size(), 20u);
  EXPECT_TRUE(controls.IsMenuCommandEnabled(IDM_RESULTS_PAGE));
  EXPECT_TRUE(controls.IsMenuCommandEnabled(IDM_SAVE_RESULTS_AS));

  ResultsPageCommand(controls, session);
  EXPECT_EQ(PageOnDisplay(controls), kResultsPage);
  EXPECT_FALSE(controls.IsMenuCommandEnabled(IDM_RESULTS_PAGE));
  EXPECT_FALSE(controls.IsVisible(IDC_SOLVE_BUTTON));
  const auto rows = ResultRowsOnPage(controls, session);
  ASSERT_TRUE(rows);
  ASSERT_EQ(controls.ListRowCount(IDC_RESULT_LIST), static_cast<int>(session.results.size()));
  for (std::size_t k = 0; k < rows->size(); ++k) {
    const std::vector<std::string> shown(rows->at(k).cells.begin(), rows->at(k).cells.end());
    EXPECT_EQ(ListRow(controls, IDC_RESULT_LIST, static_cast<int>(k), kResultColumnCount), shown);
  }

  // Twice on "Lead Error": the largest first.
  SortResultList(controls, session, ResultColumn::kLeadError);
  SortResultList(controls, session, ResultColumn::kLeadError);
  const auto order = SortedRowOrder(*rows, ResultColumn::kLeadError, true);
  for (std::size_t k = 0; k < order.size(); ++k)
    EXPECT_EQ(controls.GetListCell(IDC_RESULT_LIST, static_cast<int>(k), 0),
              std::to_string(order[k] + 1));
  const std::string copied = *ResultListCopyText(controls, session);
  EXPECT_EQ(copied, ResultsTabText(*rows, order));

  // The third row as listed, shown: the same texts as stepping to it.
  const std::size_t number = order[2] + 1;
  ASSERT_TRUE(ShowListedResult(controls, session, 2));
  EXPECT_EQ(PageOnDisplay(controls), kMainPage);
  EXPECT_EQ(controls.GetSpinnerPosition(IDC_RESULT_SELECTOR), static_cast<int>(number));
  const std::string lead = controls.GetText(IDC_LEAD_LINE, 200);
  ShowSearchResult(controls, session, number - 1);
  EXPECT_EQ(controls.GetText(IDC_LEAD_LINE, 200), lead);
  EXPECT_FALSE(ShowListedResult(controls, session, static_cast<int>(order.size())));

  ResultsPageCommand(controls, session);
  ClearResults(controls, session);
  EXPECT_EQ(PageOnDisplay(controls), kMainPage);
  EXPECT_EQ(controls.ListRowCount(IDC_RESULT_LIST), 0);
  EXPECT_FALSE(controls.IsMenuCommandEnabled(IDM_RESULTS_PAGE));
  EXPECT_FALSE(controls.IsMenuCommandEnabled(IDM_SAVE_RESULTS_AS));
  EXPECT_FALSE(ResultListCsv(controls, session));
}

// The regression job on every gear but five: five stocks to try.
JobEntry FiveLackingJob() {
  JobEntry job = testing::RegressionJob();
  job.settings.gearStockText = std::string(kGearStockTextMaxLength, '1');
  for (const int teeth : {30, 47, 61, 72, 97}) job.settings.gearStockText[teeth - 16] = '0';
  return job;
}

// Each row of the page is what a Solve with its stock shows: the number of
// results, and result 1 as the results page lists it.
TEST(AdvicePage, EachRowIsWhatASolveOfItsStockShows) {
  MemoryControls controls;
  EnterJob(controls, FiveLackingJob());
  PageCommand(controls, kGearAdvicePage);
  ASSERT_TRUE(controls.IsEnabled(IDC_ADVISE_BUTTON));
  SolveSession session;
  ScriptedPlatform platform(2);
  const AdviceOutcome outcome = AdviseCommand(controls, platform, session);
  EXPECT_EQ(outcome.tried, 5u);
  ASSERT_EQ(controls.ListRowCount(IDC_ADVICE_LIST), 6);
  EXPECT_EQ(controls.GetListCell(IDC_ADVICE_LIST, 0, 0), kStockAsItIs);
  EXPECT_EQ(controls.GetText(IDC_ADVICE_STATUS, 200),
            "5 stocks with gears added were searched, each as a Solve.");

  for (int row = 0; row < 6; ++row) {
    JobEntry job = FiveLackingJob();
    const std::string added = controls.GetListCell(IDC_ADVICE_LIST, row, 0);
    if (row > 0) job.settings.gearStockText[std::stoul(added) - 16] = '1';
    MemoryControls solved;
    SolveSession solve;
    Solve(solved, solve, job);
    EXPECT_EQ(controls.GetListCell(IDC_ADVICE_LIST, row, 1), std::to_string(solve.results.size()))
        << added;
    const auto rows = ResultRowsOnPage(solved, solve);
    ASSERT_TRUE(rows);
    if (rows->empty()) continue;
    const auto& first = rows->front().cells;
    const auto cell = [&](ResultColumn c) { return first[static_cast<std::size_t>(c)]; };
    EXPECT_EQ(ListRow(controls, IDC_ADVICE_LIST, row, kAdviceColumnCount)[2],
              cell(ResultColumn::kFeedError));
    EXPECT_EQ(controls.GetListCell(IDC_ADVICE_LIST, row, 3), cell(ResultColumn::kLeadError));
    EXPECT_EQ(controls.GetListCell(IDC_ADVICE_LIST, row, 5), cell(ResultColumn::kIndex));
    EXPECT_EQ(controls.GetListCell(IDC_ADVICE_LIST, row, 6), cell(ResultColumn::kFeed));
    EXPECT_EQ(controls.GetListCell(IDC_ADVICE_LIST, row, 7), cell(ResultColumn::kC));
  }

  // A click on "Results" puts the fewest first; "Copy" gives the list so.
  SortAdviceList(controls, session, AdviceColumn::kResults);
  for (int row = 1; row < 6; ++row)
    EXPECT_LE(std::stoul(controls.GetListCell(IDC_ADVICE_LIST, row - 1, 1)),
              std::stoul(controls.GetListCell(IDC_ADVICE_LIST, row, 1)));
  const std::string copied = *AdviceCopyText(session);
  EXPECT_EQ(copied.substr(0, copied.find("\r\n")),
            "Gears Added\tResults\tFeed Error\tLead Error\tSmallest Lead Error\tIndex\tFeed\tC");
  EXPECT_NE(copied.find(controls.GetListCell(IDC_ADVICE_LIST, 0, 0) + "\t"), std::string::npos);

  // A change of the stock drops the advice.
  ClearResults(controls, session);
  EXPECT_EQ(controls.ListRowCount(IDC_ADVICE_LIST), 0);
  EXPECT_EQ(controls.GetText(IDC_ADVICE_STATUS, 200), "");
  EXPECT_FALSE(AdviceCopyText(session));
}

// While the advice runs the window is locked as for a Solve, and neither a
// Solve nor a second advice starts; Escape keeps the rows done, and the
// window comes back with the result it had on display.
TEST(AdvicePage, LocksTheWindowAndStopsOnEscape) {
  MemoryControls controls;
  SolveSession session;
  Solve(controls, session);
  const std::string lead = controls.GetText(IDC_LEAD_LINE, 200);
  ASSERT_FALSE(controls.IsEnabled(IDC_ADVISE_BUTTON));  // locked by the Solve
  PageCommand(controls, kGearAdvicePage);
  ASSERT_TRUE(controls.IsEnabled(IDC_ADVISE_BUTTON));
  controls.SetChecked(IDC_PAIRS_TOO, true);
  ScriptedPlatform platform(1), second(1);
  int checks = 0;
  platform.stopKey = [&] {
    if (checks++ == 0) {
      for (ControlId id : ControlLockSet()) EXPECT_FALSE(controls.IsEnabled(id)) << id;
      EXPECT_EQ(controls.MenuBarAsDrawn(), std::vector<bool>(7, false));
      EXPECT_EQ(AdviseCommand(controls, second, session).tried, 0u);
      EXPECT_FALSE(SolveCommand(controls, second, session).ran);
    }
    return controls.GetText(IDC_ADVICE_STATUS, 200).rfind("Searching stock 3 of", 0) == 0;
  };
  const AdviceOutcome outcome = AdviseCommand(controls, platform, session);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_GT(outcome.tried, 4000u);
  EXPECT_EQ(controls.ListRowCount(IDC_ADVICE_LIST), static_cast<int>(outcome.rows.size()));
  EXPECT_EQ(controls.GetText(IDC_ADVICE_STATUS, 200).rfind("Stopped early: ", 0), 0u);
  for (ControlId id : UnlockedAfterSolve()) EXPECT_TRUE(controls.IsEnabled(id)) << id;
  EXPECT_TRUE(controls.IsEnabled(IDC_RESULT_SELECTOR));
  EXPECT_TRUE(controls.IsEnabled(IDC_ADVISE_BUTTON));
  EXPECT_EQ(controls.GetText(IDC_LEAD_LINE, 200), lead);
  EXPECT_TRUE(controls.IsMenuCommandEnabled(IDM_RESULTS_PAGE));
  EXPECT_FALSE(controls.IsMenuCommandEnabled(IDM_GEAR_ADVICE_PAGE));
}

}  // namespace
}  // namespace corvanta
