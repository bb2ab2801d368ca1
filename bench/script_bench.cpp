// What the core costs on scripts of 10, 100 and 511 commands: reading,
// writing, the list lines, the details texts and each editing operation as the
// main window runs it (the operation, then all list lines rebuilt). inih's bare
// parse of the same text is the yardstick for reading. Last, a game of 50
// such scripts is read and checked against reading its scripts alone; the
// run ends with the ratios and the goals.
#include <benchmark/benchmark.h>
#include <ini.h>
#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/editor_commands.h"
#include "bench/generated_script.h"
#include "dialogs/details_text.h"
#include "document/data_files.h"
#include "document/edit_history.h"
#include "document/list_lines.h"
#include "document/script_reader.h"
#include "document/script_writer.h"
#include "wizard/game_clashes.h"
#include "wizard/game_model.h"

namespace wavoria {
namespace {

using bench::Actions;
using bench::GeneratedScript;

CommandTable LoadedTable(int commands) {
  CommandTable table;
  ParseScript(GeneratedScript(commands), Actions(), table);
  return table;
}

// inih's bare parse: every key line reaches a handler that only counts it.
int CountingHandler(void* user, const char*, const char*, const char*) {
  ++*static_cast<long*>(user);
  return 1;
}

void BM_InihParse(benchmark::State& state) {
  const std::string text = GeneratedScript(static_cast<int>(state.range(0)));
  long pairs = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ini_parse_string(text.c_str(), CountingHandler, &pairs));
  }
  benchmark::DoNotOptimize(pairs);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(state.range(0));
}

void BM_Read(benchmark::State& state) {
  const std::string text = GeneratedScript(static_cast<int>(state.range(0)));
  CommandTable table;
  for (auto _ : state) {
    ReadWarnings warnings = ParseScript(text, Actions(), table);
    benchmark::DoNotOptimize(warnings);
  }
  if (table.LastPosition() != state.range(0)) state.SkipWithError("the script did not read whole");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * text.size()));
  state.SetComplexityN(state.range(0));
}

void BM_Write(benchmark::State& state) {
  const CommandTable table = LoadedTable(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(ScriptText(table));
  state.SetComplexityN(state.range(0));
}

void BM_ListLines(benchmark::State& state) {
  CommandTable table = LoadedTable(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(BuildListLines(table));
  state.SetComplexityN(state.range(0));
}

void BM_DetailsTexts(benchmark::State& state) {
  const CommandTable table = LoadedTable(static_cast<int>(state.range(0)));
  const std::string path = "C:\\Spiele\\Abenteuer\\Sound\\Erzeugt.script.wav";
  for (auto _ : state) {
    for (int p = 0; p <= table.LastPosition() + 1; ++p) {
      benchmark::DoNotOptimize(DetailsOf(table, p, path));
    }
  }
  state.SetComplexityN(state.range(0));
}

// An editing operation as the main window runs it: the operation, then every
// list line rebuilt. Between iterations, outside the timing, undo puts the
// table back.
template <typename Operation, typename Undo>
void RunEdit(benchmark::State& state, CommandTable& table, Operation operation, Undo undo) {
  const int commands = table.LastPosition();
  for (auto _ : state) {
    const bool done = operation(table).has_value();
    benchmark::DoNotOptimize(BuildListLines(table));
    state.PauseTiming();
    if (!done) {
      state.SkipWithError("the operation did not apply");
      break;
    }
    undo(table);
    state.ResumeTiming();
  }
  if (table.LastPosition() != commands) state.SkipWithError("undo did not restore the table");
  state.SetComplexityN(state.range(0));
}

// Adding a command at the top of the list; with 511 commands afterwards the
// table is full.
void BM_InsertAtTop(benchmark::State& state) {
  CommandTable table = LoadedTable(static_cast<int>(state.range(0)) - 1);
  LoadEditBuffer(table, 1);
  RunEdit(
      state, table, [](CommandTable& t) { return AddFromEditBuffer(t, 1); },
      [](CommandTable& t) { DeleteAt(t, 1); });
}

// Deleting the last command; undo adds a copy of it again.
void BM_DeleteLast(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  CommandTable table = LoadedTable(n);
  LoadEditBuffer(table, n);
  RunEdit(
      state, table, [n](CommandTable& t) { return DeleteAt(t, n); },
      [n](CommandTable& t) { AddFromEditBuffer(t, n); });
}

void BM_MoveUpLast(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  CommandTable table = LoadedTable(n);
  RunEdit(
      state, table, [n](CommandTable& t) { return MoveUpAt(t, n); },
      [n](CommandTable& t) { MoveDownAt(t, n - 1); });
}

void BM_MoveDownLast(benchmark::State& state) {
  const int n = static_cast<int>(state.range(0));
  CommandTable table = LoadedTable(n);
  RunEdit(
      state, table, [n](CommandTable& t) { return MoveDownAt(t, n - 1); },
      [n](CommandTable& t) { MoveUpAt(t, n); });
}

// A game of 50 scripts of 511 commands each, read and checked (its model with
// every script's findings, and the clashes) against reading its scripts
// alone, as the editor opens each of them. The two take turns round by round,
// on the CPU time of this thread, and the median of the rounds' ratios is
// compared, so that other work on the machine tilts neither.
constexpr int kGameScripts = 50;
constexpr int kGameRounds = 15;

double ThreadSeconds() {
  timespec now{};
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

template <typename Step>
double SecondsOf(Step step) {
  const double start = ThreadSeconds();
  step();
  return ThreadSeconds() - start;
}

bool PrintGameCheck() {
  char pattern[] = "/tmp/wavoria-bench-game-XXXXXX";
  const std::string folder = mkdtemp(pattern);
  bench::WriteGeneratedGame(folder, kGameScripts, 511);
  CommandTable table;
  std::size_t registrations = 0;
  std::vector<double> alone, checked, ratios;
  for (int round = 0; round < kGameRounds; ++round) {
    alone.push_back(SecondsOf([&] {
      for (int n = 0; n < kGameScripts; ++n) {
        ReadWarnings warnings;
        ReadScriptFile(folder + "/Sound/" + bench::GeneratedGameScript(n), Actions(), table,
                       warnings);
      }
    }));
    checked.push_back(SecondsOf([&] {
      const GameModel game = ReadGame(folder, Actions());
      registrations = game.Registrations.size() + FindClashes(game).size();
    }));
    ratios.push_back(checked.back() / alone.back());
  }
  std::filesystem::remove_all(folder);
  auto median = [](std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
  };
  const double ratio = median(ratios);
  const bool met = ratio <= 1.5 && registrations > 0;
  std::printf(
      "game of 50 x 511 commands, read and checked / its scripts read: %5.2f (medians %.1f / "
      "%.1f ms; at most 1.50: %s)\n",
      ratio, median(checked) * 1e3, median(alone) * 1e3, met ? "goal met" : "GOAL MISSED");
  return met;
}

#define WAVORIA_SIZES Arg(10)->Arg(100)->Arg(511)->Complexity()
BENCHMARK(BM_InihParse)->WAVORIA_SIZES;
BENCHMARK(BM_Read)->WAVORIA_SIZES;
BENCHMARK(BM_Write)->WAVORIA_SIZES;
BENCHMARK(BM_ListLines)->WAVORIA_SIZES;
BENCHMARK(BM_DetailsTexts)->WAVORIA_SIZES;
BENCHMARK(BM_InsertAtTop)->WAVORIA_SIZES;
BENCHMARK(BM_DeleteLast)->WAVORIA_SIZES;
BENCHMARK(BM_MoveUpLast)->WAVORIA_SIZES;
BENCHMARK(BM_MoveDownLast)->WAVORIA_SIZES;

// Shows every run as usual and keeps the CPU time per iteration of each, for
// the summary at the end (CPU time, so that other work on the machine does not
// tilt the ratios).
class SummaryReporter : public benchmark::ConsoleReporter {
 public:
  // Colours only on a terminal, so that a saved run reads cleanly.
  SummaryReporter() : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular) {}

  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.run_type == Run::RT_Iteration && run.iterations > 0 && !run.error_occurred) {
        seconds_[run.benchmark_name()] =
            run.cpu_accumulated_time / static_cast<double>(run.iterations);
      }
    }
    ConsoleReporter::ReportRuns(runs);
  }

  // Seconds per iteration of a benchmark at a size, or a negative number.
  double Seconds(const std::string& name, int size) const {
    auto found = seconds_.find(name + "/" + std::to_string(size));
    return found == seconds_.end() ? -1 : found->second;
  }

 private:
  std::map<std::string, double> seconds_;
};

// Prints the ratio to inih, the edit timings and the growth, each against its
// goal. Returns whether every measured goal was met.
bool PrintSummary(const SummaryReporter& r) {
  bool met = true;
  auto verdict = [&](bool ok) {
    met = met && ok;
    return ok ? "goal met" : "GOAL MISSED";
  };
  std::printf("\nSummary\n");
  for (int size : {10, 100, 511}) {
    const double read = r.Seconds("BM_Read", size);
    const double inih = r.Seconds("BM_InihParse", size);
    if (read < 0 || inih <= 0) continue;
    const double ratio = read / inih;
    if (size == 511) {
      std::printf("read / inih at %3d commands: %5.2f (at most 1.50: %s)\n", size, ratio,
                  verdict(ratio <= 1.5));
    } else {
      std::printf("read / inih at %3d commands: %5.2f\n", size, ratio);
    }
  }
  for (const char* name : {"BM_InsertAtTop", "BM_DeleteLast", "BM_MoveUpLast", "BM_MoveDownLast"}) {
    const double t = r.Seconds(name, 511);
    if (t < 0) continue;
    std::printf("%-16s at 511 commands, list rebuilt: %8.3f ms (under 2 ms: %s)\n", name, t * 1e3,
                verdict(t < 2e-3));
  }
  // Linear growth: the cost per command at 511 is no higher than at 100 (with
  // a margin for measurement noise).
  for (const char* name : {"BM_Read", "BM_Write", "BM_ListLines", "BM_DetailsTexts",
                           "BM_InsertAtTop", "BM_DeleteLast", "BM_MoveUpLast", "BM_MoveDownLast"}) {
    const double small = r.Seconds(name, 100);
    const double large = r.Seconds(name, 511);
    if (small <= 0 || large < 0) continue;
    const double growth = large / small;
    std::printf("%-16s 100 -> 511 commands: x%5.2f (linear: x5.11 at most: %s)\n", name, growth,
                verdict(growth <= 5.11 * 1.25));
  }
  return met;
}

// The undo history after 1,000 steps on a full table: edits, moves, adds and
// deletes in turn, each edit either keeping the generated values or filling
// all fifteen parameters with the 259 characters a dialog takes. Prints what
// the history counts and what the heap grew by (glibc's count of bytes in
// use), against 64 MiB.
bool PrintHistoryMemory() {
  bool met = true;
  for (const bool longest : {false, true}) {
    CommandTable table = LoadedTable(510);
    EditHistory history;
    table.SetHistory(&history);
    const std::size_t heapBefore = mallinfo2().uordblks;
    const EditTarget edit{EditTarget::kDialog, 4000};
    for (int i = 0; i < 1000; ++i) {
      const int line = 2 + i % 500;
      if (i % 4 == 0) {
        BeginEdit(table, line, edit);
        for (const ParameterKey& key : kParameterKeys) {
          if (longest) (table.EditBuffer().*key.field).assign(259, char('a' + i % 26));
        }
        FinishEdit(table, line, edit);
      } else if (i % 4 == 1) {
        MoveUpAt(table, line);
      } else if (i % 4 == 2) {
        LoadEditBuffer(table, line);
        AddFromEditBuffer(table, line);
      } else {
        DeleteAt(table, line);
      }
    }
    const double heap = static_cast<double>(mallinfo2().uordblks - heapBefore) / (1 << 20);
    std::printf(
        "undo history, %zu steps at 511 commands%s: %.2f MiB counted, heap +%.2f MiB "
        "(under 64 MiB: %s)\n",
        history.Steps(), longest ? ", parameters of 259 characters" : "",
        static_cast<double>(history.Bytes()) / (1 << 20), heap,
        heap < 64 ? "goal met" : "GOAL MISSED");
    met = met && heap < 64 && history.Steps() == 1000;
  }
  return met;
}

}  // namespace
}  // namespace wavoria

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  wavoria::SummaryReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const bool summaryMet = wavoria::PrintSummary(reporter);
  const bool gameMet = wavoria::PrintGameCheck();
  const bool met = wavoria::PrintHistoryMemory() && summaryMet && gameMet;
  std::printf("%s\n", met ? "All goals met." : "Some goals were missed.");
  return 0;
}
