// trellis-soak [--actions N] [--jobs J] [--seed S] [--trace-from STEP] [--action-seconds X]
// [--unreached]:
// N seeded random user actions on the headless program, shared out over J
// processes (seeds S, S+1, ...), then the figures of the whole run.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "tests/support/soak.h"

namespace {

using trellis::testing::SoakOptions;
using trellis::testing::SoakResult;

// The sets of names a process hands back, by the key of their lines.
const std::pair<const char*, std::set<std::string> SoakResult::*> kNameSets[] = {
    {"window", &SoakResult::windows},           {"control", &SoakResult::controls},
    {"wreached", &SoakResult::windowsReached},  {"wopen", &SoakResult::windowsOpen},
    {"creached", &SoakResult::controlsReached}, {"etext", &SoakResult::errorTexts}};

void Save(const SoakResult& r, const std::string& path) {
  std::ofstream out(path);
  out << "actions " << r.actions << "\naccepted " << r.accepted << "\nrestarts " << r.restarts
      << "\nerrors " << r.errorBoxes << "\nmath " << r.mathBoxes << "\nslowest " << r.slowestSeconds
      << " " << r.slowestAction << "\n";
  for (const auto& [k, n] : r.kinds) out << "kind " << n << " " << k << "\n";
  for (const auto& [key, names] : kNameSets)
    for (std::string one : r.*names) {
      // One line each: an error text may hold line breaks.
      for (char& c : one)
        if (c == '\n') c = ' ';
      out << key << " " << one << "\n";
    }
  if (!r.failure.empty()) out << "failure " << r.failure << "\n";
}

// Adds one process's figures to the total; the run's seconds are the caller's.
void Merge(const std::string& path, SoakResult& total) {
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    const auto space = line.find(' ');
    if (space == std::string::npos) continue;
    const std::string key = line.substr(0, space), rest = line.substr(space + 1);
    std::istringstream value(rest);
    const auto add = [&value](auto& sum) {
      std::remove_reference_t<decltype(sum)> n = 0;
      value >> n;
      sum += n;
    };
    if (key == "actions") {
      add(total.actions);
    } else if (key == "accepted") {
      add(total.accepted);
    } else if (key == "restarts") {
      add(total.restarts);
    } else if (key == "errors") {
      add(total.errorBoxes);
    } else if (key == "math") {
      add(total.mathBoxes);
    } else if (key == "slowest") {
      double s = 0;
      value >> s;
      if (s > total.slowestSeconds) {
        total.slowestSeconds = s;
        std::string what;
        std::getline(value, what);
        total.slowestAction = what.empty() ? what : what.substr(1);
      }
    } else if (key == "kind") {
      long n = 0;
      std::string k;
      value >> n >> k;
      total.kinds[k] += n;
    } else if (key == "failure") {
      if (total.failure.empty()) total.failure = rest;
    } else {
      for (const auto& [name, names] : kNameSets)
        if (key == name) (total.*names).insert(rest);
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  int jobs = 1;
  bool listUnreached = false;
  SoakOptions options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
    if (arg == "--unreached") {
      listUnreached = true;
      continue;
    }
    if (arg == "--actions" && next) {
      options.actions = std::atol(next);
    } else if (arg == "--jobs" && next) {
      jobs = std::max(1, std::atoi(next));
    } else if (arg == "--seed" && next) {
      options.seed = static_cast<uint32_t>(std::strtoul(next, nullptr, 10));
    } else if (arg == "--trace-from" && next) {
      options.traceFrom = std::atol(next);
    } else if (arg == "--action-seconds" && next) {
      options.actionSeconds = std::atof(next);
    } else {
      std::cerr << "usage: trellis-soak [--actions N] [--jobs J] [--seed S] [--trace-from STEP]"
                   " [--action-seconds X] [--unreached]\n";
      return 2;
    }
    ++i;
  }

  const auto begin = std::chrono::steady_clock::now();
  SoakResult total;
  bool crashed = false;
  if (jobs == 1) {
    total = trellis::testing::RunSoak(options);
  } else {
    char folder[] = "/tmp/trellis-soak-XXXXXX";
    if (!mkdtemp(folder)) {
      std::perror("trellis-soak");
      return 2;
    }
    std::vector<pid_t> children;
    std::vector<std::string> files;
    for (int j = 0; j < jobs; ++j) {
      SoakOptions mine = options;
      mine.seed = options.seed + static_cast<uint32_t>(j);
      mine.actions = options.actions / jobs + (j < options.actions % jobs ? 1 : 0);
      files.push_back(std::string(folder) + "/" + std::to_string(j));
      std::cout.flush();
      const pid_t pid = fork();
      if (pid < 0) {
        std::perror("trellis-soak: fork");
        return 2;
      }
      if (pid == 0) {
        const SoakResult r = trellis::testing::RunSoak(mine);
        Save(r, files.back());
        std::exit(r.failure.empty() ? 0 : 1);
      }
      children.push_back(pid);
    }
    for (size_t j = 0; j < children.size(); ++j) {
      int status = 0;
      waitpid(children[j], &status, 0);
      if (!WIFEXITED(status)) {
        std::cerr << "soak: the process of seed " << options.seed + j << " ended abnormally\n";
        crashed = true;
      }
      Merge(files[j], total);
      std::remove(files[j].c_str());
    }
    rmdir(folder);
    total.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  }

  std::cout << "soak: seeds " << options.seed << ".." << options.seed + jobs - 1 << ", " << jobs
            << (jobs == 1 ? " process\n" : " processes\n") << trellis::testing::SoakFigures(total);
  if (!total.errorTexts.empty()) {
    std::cout << "error-box texts seen:\n";
    for (const auto& t : total.errorTexts) std::cout << "  " << t << "\n";
  }
  if (listUnreached) {
    std::cout << "not reached:";
    for (const auto& c : total.controls)
      if (!total.controlsReached.count(c)) std::cout << " " << c;
    std::cout << "\n";
  }
  if (!total.failure.empty()) std::cout << "FAILED: " << total.failure << "\n";
  return total.failure.empty() && !crashed ? 0 : 1;
}
