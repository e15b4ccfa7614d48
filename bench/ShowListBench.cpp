// The show list at scale: loading a list file of a million items, clearing half a million
// selected items, and a drag-move of 1,000 scattered selected items in a million, each beside a
// baseline (reading the file's lines into a vector; moving every item once).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QItemSelectionModel>
#include <QListView>
#include <QMouseEvent>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchRatios.h"
#include "Fakes.h"
#include "core/Services.h"
#include "core/showlist/DragMove.h"
#include "core/showlist/RemoveAtPositions.h"
#include "core/showlist/ShowListFile.h"
#include "showlist/ShowListWindowAccess.h"
#include "ui/App.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

constexpr std::size_t kItems = 1000000;

std::vector<std::string> MakeItems() {
  std::vector<std::string> items;
  items.reserve(kItems);
  for (std::size_t i = 0; i < kItems; ++i)
    items.push_back("..\\clips\\scene " + std::to_string(i) + " left and right.avi");
  return items;
}

const std::vector<std::string>& Items() {
  static const std::vector<std::string> items = MakeItems();
  return items;
}

// The list file of a million items, written once per run.
const std::string& ListFile() {
  static const std::string file = [] {
    const auto path = std::filesystem::temp_directory_path() / "quadrel-bench-million.shl";
    SaveShowList(path.string(), Items());
    return path.string();
  }();
  return file;
}

std::vector<std::size_t> EveryOther() {
  std::vector<std::size_t> positions;
  for (std::size_t i = 0; i < kItems; i += 2) positions.push_back(i);
  return positions;
}

std::vector<std::size_t> Scattered(std::size_t count) {
  std::vector<std::size_t> positions;
  const std::size_t step = kItems / count;
  for (std::size_t i = 0; i < count; ++i) positions.push_back(i * step + 7);
  return positions;
}

// The show list window with a dialog that always chooses the list file.
struct Window {
  FakeFileDialogs dialogs;
  FakeMessageBoxes messages;
  Services services = [this] {
    Services s;
    s.exePath = "/opt/quadrel/quadrel";
    s.dialogs = &dialogs;
    s.messages = &messages;
    return s;
  }();
  App app{services};
  ShowListWindow& form = app.ListWindow();
  Window() { form.show(); }
  void Select(const std::vector<std::size_t>& positions) {
    QItemSelection selection;
    for (std::size_t p : positions) {
      const QModelIndex index = form.Model().index(static_cast<int>(p));
      selection.select(index, index);
    }
    Controls(form).listView->selectionModel()->select(selection,
                                                      QItemSelectionModel::ClearAndSelect);
  }
};

void Baseline_ReadLinesIntoVector(benchmark::State& state) {
  const std::string& file = ListFile();
  for (auto _ : state) {
    std::ifstream in(file, std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(in, line)) {
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(std::move(line));
    }
    benchmark::DoNotOptimize(lines.data());
  }
}

void LoadShowList_Million(benchmark::State& state) {
  const std::string& file = ListFile();
  for (auto _ : state) {
    auto items = LoadShowList(file);
    benchmark::DoNotOptimize(items.data());
  }
}

void Window_LoadList_Million(benchmark::State& state) {
  Window window;
  for (auto _ : state) {
    window.dialogs.answers.push_back({ListFile()});
    window.form.LoadList();
    QApplication::processEvents();  // the list laid out and drawn
    benchmark::DoNotOptimize(window.form.List().Count());
  }
  if (window.form.List().Count() != static_cast<int>(kItems)) state.SkipWithError("not loaded");
}

void ClearSelected_HalfMillionScattered(benchmark::State& state) {
  const auto selected = EveryOther();
  for (auto _ : state) {
    state.PauseTiming();
    std::vector<std::string> items = Items();
    state.ResumeTiming();
    RemoveAtPositions(items, selected);
    benchmark::DoNotOptimize(items.data());
  }
}

void Window_Clear_HalfMillionInOneRange(benchmark::State& state) {
  Window window;
  for (auto _ : state) {
    state.PauseTiming();
    window.form.List().Assign(Items());
    Controls(window.form)
        .listView->selectionModel()
        ->select(
            QItemSelection(window.form.Model().index(250000), window.form.Model().index(749999)),
            QItemSelectionModel::ClearAndSelect);
    state.ResumeTiming();
    window.form.ClearSelected();
    QApplication::processEvents();
  }
  if (window.form.List().Count() != static_cast<int>(kItems / 2)) state.SkipWithError("kept");
}

void Baseline_MoveEveryItemOnce(benchmark::State& state) {
  std::vector<std::string> items = Items();
  for (auto _ : state) {
    std::rotate(items.begin(), items.begin() + 1, items.end());
    benchmark::DoNotOptimize(items.data());
  }
}

void DragMove_ThousandScatteredInMillion(benchmark::State& state) {
  std::vector<std::string> items = Items();
  const auto selected = Scattered(1000);
  std::ptrdiff_t direction = 1;
  for (auto _ : state) {
    // Back and forth, so every iteration moves the same items the same distance.
    benchmark::DoNotOptimize(DragMove(items, selected, 0, 500 * direction + 500));
    direction = -direction;
  }
}

void Window_DragDrop_ThousandScatteredInMillion(benchmark::State& state) {
  Window window;
  window.form.List().Assign(Items());
  QApplication::processEvents();
  const auto selected = Scattered(1000);  // the first one is row 7, in sight at the top
  ShowListView& list = *Controls(window.form).listView;
  const QPoint press = list.visualRect(window.form.Model().index(7)).center();
  const QPoint drop = list.visualRect(window.form.Model().index(17)).center();
  for (auto _ : state) {
    state.PauseTiming();
    window.Select(selected);
    QApplication::processEvents();
    state.ResumeTiming();
    // A press on a selected item keeps the selection for the drag; the drop moves it.
    QMouseEvent down(QEvent::MouseButtonPress, QPointF(press),
                     QPointF(list.viewport()->mapToGlobal(press)), Qt::LeftButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(list.viewport(), &down);
    list.Drop(&list, drop);
    QApplication::processEvents();
  }
  if (!window.form.SelectedPositions().empty()) state.SkipWithError("nothing moved");
}

}  // namespace

BENCHMARK(Baseline_ReadLinesIntoVector)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(LoadShowList_Million)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Window_LoadList_Million)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(ClearSelected_HalfMillionScattered)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Window_Clear_HalfMillionInOneRange)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Baseline_MoveEveryItemOnce)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(DragMove_ThousandScatteredInMillion)->Unit(benchmark::kMillisecond)->Iterations(10);
BENCHMARK(Window_DragDrop_ThousandScatteredInMillion)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

namespace {
const bool kRatios[] = {
    RegisterRatio("LoadShowList_Million", "Baseline_ReadLinesIntoVector"),
    RegisterRatio("Window_LoadList_Million", "Baseline_ReadLinesIntoVector"),
    RegisterRatio("ClearSelected_HalfMillionScattered", "Baseline_ReadLinesIntoVector"),
    RegisterRatio("Window_Clear_HalfMillionInOneRange", "Baseline_ReadLinesIntoVector"),
    RegisterRatio("DragMove_ThousandScatteredInMillion", "Baseline_MoveEveryItemOnce"),
    RegisterRatio("Window_DragDrop_ThousandScatteredInMillion", "Baseline_MoveEveryItemOnce"),
};
}  // namespace
