// Saving a list of a million items and stepping with the Right key at that size, each beside
// its baseline (one write call of the same bytes; the same key with an empty list). A plain
// copy of the million-item vector is the yardstick of the list edits.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchRatios.h"
#include "Fakes.h"
#include "core/Services.h"
#include "core/show/ShowState.h"
#include "core/showlist/ShowListFile.h"
#include "ui/App.h"
#include "ui/show/ShowWindow.h"
#include "ui/showlist/ShowListModel.h"
#include "ui/showlist/ShowListWindow.h"

namespace {

std::vector<std::string> MillionItems() {
  std::vector<std::string> items;
  items.reserve(1000000);
  for (int i = 0; i < 1000000; ++i) items.push_back("shows\\part " + std::to_string(i) + ".bat");
  return items;
}

const std::vector<std::string>& Million() {
  static const std::vector<std::string> items = MillionItems();
  return items;
}

std::string TempFile(const char* name) {
  return (std::filesystem::temp_directory_path() / name).string();
}

void SaveShowList_Million(benchmark::State& state) {
  const std::string file = TempFile("quadrel-bench-save.shl");
  for (auto _ : state) SaveShowList(file, Million());
  std::filesystem::remove(file);
}

void Baseline_OneWriteCall(benchmark::State& state) {
  const std::string file = TempFile("quadrel-bench-write.shl");
  const std::string bytes = FormatShowList(Million());
  for (auto _ : state) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fclose(out);
  }
  std::filesystem::remove(file);
}

// The same single write, flushed to the disk as the save is: what the save costs apart from
// the durability it buys.
void Baseline_OneWriteCallFlushed(benchmark::State& state) {
  const std::string file = TempFile("quadrel-bench-write-flushed.shl");
  const std::string bytes = FormatShowList(Million());
  for (auto _ : state) {
    std::FILE* out = std::fopen(file.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), out);
    std::fflush(out);
    ::fsync(::fileno(out));
    std::fclose(out);
  }
  std::filesystem::remove(file);
}

void Baseline_CopyMillionVector(benchmark::State& state) {
  for (auto _ : state) {
    std::vector<std::string> copy = Million();
    benchmark::DoNotOptimize(copy.data());
  }
}

// The five windows with fakes, and the list filled with `items`.
struct ShowWindows {
  explicit ShowWindows(std::vector<std::string> items) {
    services.exePath = TempFile("quadrel-bench-program");
    services.pointer = &pointer;
    services.screen = &screen;
    services.dialogs = &dialogs;
    services.messages = &messages;
    services.shell = &shell;
    services.decimalSeparator = [] { return '.'; };
    app = std::make_unique<App>(services);
    app->State().firstActivation = false;
    app->State().infoVisible = true;
    app->List().Assign(std::move(items));
  }
  FakeFileDialogs dialogs;
  FakeMessageBoxes messages;
  FakePointerCounter pointer;
  FakeScreen screen;
  FakeShell shell;
  Services services;
  std::unique_ptr<App> app;
};

void StepRight(benchmark::State& state, std::vector<std::string> items) {
  ShowWindows windows(std::move(items));
  ShowWindow& show = windows.app->ShowWindow();
  const int count = windows.app->List().Count();
  for (auto _ : state) {
    windows.app->State().showIndex = count / 2;
    show.KeyDown(Key::Right);
  }
}

void ShowKey_Right_Million(benchmark::State& state) {
  StepRight(state, Million());
}
void Baseline_ShowKey_Right_Empty(benchmark::State& state) {
  StepRight(state, {});
}
// The same step in a short list: what the key costs apart from the list's size.
void ShowKey_Right_TenItems(benchmark::State& state) {
  StepRight(state, std::vector<std::string>(Million().begin(), Million().begin() + 10));
}

}  // namespace

BENCHMARK(Baseline_OneWriteCall)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(SaveShowList_Million)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Baseline_OneWriteCallFlushed)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Baseline_CopyMillionVector)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(Baseline_ShowKey_Right_Empty)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShowKey_Right_TenItems)->Unit(benchmark::kMicrosecond);
BENCHMARK(ShowKey_Right_Million)->Unit(benchmark::kMicrosecond);

namespace {
const bool kRatios[] = {
    RegisterRatio("SaveShowList_Million", "Baseline_OneWriteCall"),
    RegisterRatio("ShowKey_Right_Million", "Baseline_ShowKey_Right_Empty"),
};
}  // namespace
